#include "macro/host/editorcommands.h"

#include "components/editorex.h"
#include "macro/host/commandtext.h"
#include "macro/host/editorenvironment.h"
#include "macro/host/macromessages.h"
#include "macro/host/macrowindow.h"
#include "macro/host/permission.h"
#include "platform/cp932.h"
#include "platform/filebytes.h"
#include "platform/paths.h"
#include "platform/shell.h"
#include "platform/textfile.h"
#include "search/findescapes.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <unordered_map>
#include <variant>

namespace {

using Args = ppa::TPPAArguments;

// What a command works on.
struct Context {
    MacroWindow& window;
    ppa::TPoorPascal& ppa;

    // A run goes on after the window has closed its documents only up to its
    // next statement; a command in between ends it.
    TEditorEx& editor() const {
        TEditorEx* editor = window.CurEditor();
        if (!editor) ppa::raiseError(ppa::PPAMessage::Aborted);
        return *editor;
    }
    void requirePermission() const { RequireMacroPermission(window, ppa); }
};

// --- Arguments, by position ----------------------------------------------------------

std::int64_t integer(const Args& a, std::size_t i) { return a.at(i).IntValue; }
// Positions, rows and indexes take the low 32 bits.
int low32(const Args& a, std::size_t i) { return static_cast<std::int32_t>(a.at(i).IntValue); }
QByteArray bytes(const Args& a, std::size_t i) { return QByteArray::fromStdString(a.at(i).StrValue); }
QString text(const Args& a, std::size_t i) { return cp932::decode(bytes(a, i)); }
// A file name, which an older macro may have written with "\" separators; a
// relative one lies in the current folder, the one the folder explorer shows.
QString path(const Context& c, const Args& a, std::size_t i) {
    const QString name = paths::withSlashes(text(a, i));
    if (name.isEmpty()) return name;
    return paths::resolvePath(QDir::isAbsolutePath(name) ? name : c.window.CurrentFolder() + name);
}
std::string str(const QByteArray& bytes) { return bytes.toStdString(); }
std::string str(const QString& text) { return cp932::encode(text).toStdString(); }

// Puts back the find string and options of an editor that a macro searched in.
class SearchRestore {
public:
    explicit SearchRestore(TEditorEx& editor)
        : editor_(editor), findString_(editor.FindString()), options_(editor.ExSearchOptions()) {}
    ~SearchRestore() {
        editor_.SetExSearchOptions(options_);
        editor_.SetFindString(findString_);
    }
    SearchRestore(const SearchRestore&) = delete;
    SearchRestore& operator=(const SearchRestore&) = delete;

private:
    TEditorEx& editor_;
    QByteArray findString_;
    TExSearchOptions options_;
};

// --- Procedures ----------------------------------------------------------------------

void print(Context& c, const Args& a) { c.editor().SetSelText(bytes(a, 0)); }

void close(Context& c, const Args& a) {
    if (integer(a, 0) == -1) {
        for (int i = 0; i < c.window.DocumentCount(); ++i) c.window.DocumentEditor(i)->SetModified(false);
    }
    c.window.CloseWindow();
}

void newFile(Context& c, const Args& a) {
    switch (integer(a, 0)) {
    case 2:  // a second copy of the program, which is not gated
        shell().open(QCoreApplication::applicationFilePath(), {}, c.window.CurrentFolder());
        break;
    case 1:
        c.editor().Lines().Clear();
        break;
    default:
        c.window.Run(WindowCommand::NewText);
        break;
    }
}

void openFile(Context& c, const Args& a) {
    const QString name = path(c, a, 0);
    const std::int64_t op = integer(a, 1);
    if (!name.isEmpty() && QFileInfo(name).isFile()) {
        c.window.OpenDocument(name);
    } else if (op == 1) {
        if (name.isEmpty()) return;
        filebytes::save(name, QByteArrayView());
        c.window.OpenDocument(name);
    } else if (op != 2) {
        c.window.Run(WindowCommand::OpenText);
    }
}

void save(Context& c, const Args&) { c.window.Run(WindowCommand::OverSaveText); }

void saveAs(Context& c, const Args& a) {
    const QString name = path(c, a, 0);
    if (name.isEmpty())
        c.window.Run(WindowCommand::NewSaveText);
    else
        c.window.SaveCurrentDocumentAs(name);
}

void reOpen(Context& c, const Args&) { c.window.Run(WindowCommand::ReText); }

void cursorUp(Context& c, const Args&) {
    TEditorEx& e = c.editor();
    e.SetRow(e.Row() - 1);
}

void cursorDown(Context& c, const Args&) {
    TEditorEx& e = c.editor();
    e.SetRow(e.Row() + 1);
}

void cursorRight(Context& c, const Args&) {
    TEditorEx& e = c.editor();
    e.SetCol(e.Col() + 1);
}

void cursorLeft(Context& c, const Args&) {
    TEditorEx& e = c.editor();
    e.SetCol(e.Col() - 1);
}

void moveLineStart(Context& c, const Args&) { c.editor().SetCol(0); }

void moveLineEnd(Context& c, const Args&) {
    TEditorEx& e = c.editor();
    e.SetCol(int(e.Lines().Strings(e.Row()).size()));
}

void moveFileStart(Context& c, const Args&) { c.editor().SetSelStart(0); }

void moveFileEnd(Context& c, const Args&) {
    TEditorEx& e = c.editor();
    e.SetSelStart(e.TextLength());
}

void moveEditStart(Context& c, const Args&) { c.editor().SetRow(0); }

void moveEditEnd(Context& c, const Args&) {
    TEditorEx& e = c.editor();
    e.SetRow(e.Lines().Count());
}

void selectAll(Context& c, const Args&) { c.editor().SelectAll(); }
void selStart(Context& c, const Args& a) { c.editor().SetSelStart(low32(a, 0)); }
void selLength(Context& c, const Args& a) { c.editor().SetSelLength(low32(a, 0)); }

void selectLine(Context& c, const Args& a) {
    TEditorEx& e = c.editor();
    e.SetRow(low32(a, 0));
    e.SetCol(0);
    // The row the caret reached: a row beyond the text selects its last one.
    e.SetSelLength(e.Lines().Strings(e.Row()).size());
}

void selectCurStart(Context& c, const Args&) {
    TEditorEx& e = c.editor();
    const qsizetype caret = e.GetSelStart();
    e.SetSelStart(0);
    e.SetSelLength(caret);
}

void selectCurEnd(Context& c, const Args&) {
    TEditorEx& e = c.editor();
    e.SetSelLength(e.TextLength() - e.GetSelStart());
}

void selectWord(Context& c, const Args&) { c.editor().SelectTokenFromCaret(); }
void editCopy(Context& c, const Args&) { c.window.Run(WindowCommand::EditCopy); }
void editPaste(Context& c, const Args&) { c.window.Run(WindowCommand::EditPaste); }
void editCut(Context& c, const Args&) { c.window.Run(WindowCommand::EditCut); }

// The current document's full path; an untitled document gives the empty text.
void copyFileName(Context& c, const Args&) {
    QGuiApplication::clipboard()->setText(c.window.DocumentName(c.window.ActiveDocIndex()));
}

void undo(Context& c, const Args&) { c.window.Run(WindowCommand::Undo); }
void redo(Context& c, const Args&) { c.window.Run(WindowCommand::Redo); }

void changeUpperCase(Context& c, const Args&) {
    TEditorEx& e = c.editor();
    if (e.GetSelLength() != 0) e.SetSelText(cp932::ansiUpper(e.GetSelText()));
}

void changeLowerCase(Context& c, const Args&) {
    TEditorEx& e = c.editor();
    if (e.GetSelLength() != 0) e.SetSelText(cp932::ansiLower(e.GetSelText()));
}

// Find(S, start, match case, whole word, regexp, fuzzy): a hit is selected.
void find(Context& c, const Args& a) {
    TEditorEx& e = c.editor();
    const SearchRestore restore(e);
    e.SetExSearchOptions(MacroSearchOptions(integer(a, 2), integer(a, 3), integer(a, 4), integer(a, 5)));
    e.SetFindString(bytes(a, 0));
    e.SetSelStart(low32(a, 1));
    e.Find();
}

// ReplaceAll(S1, S2, match case, whole word, regexp, fuzzy), without asking.
void replaceAll(Context& c, const Args& a) {
    TEditorEx& e = c.editor();
    const SearchRestore restore(e);
    e.SetExSearchOptions(MacroSearchOptions(integer(a, 2), integer(a, 3), integer(a, 4), integer(a, 5)));
    const bool regexp = integer(a, 4) == 1;
    e.SetFindString(regexp ? ExpandFindEscapes(bytes(a, 0)) : bytes(a, 0));
    e.ReplaceAll(regexp ? ExpandReplaceEscapes(bytes(a, 1)) : bytes(a, 1), false);
}

void showFindDialog(Context& c, const Args&) { c.window.Run(WindowCommand::Find); }
void showReplaceDialog(Context& c, const Args&) { c.window.Run(WindowCommand::Replace); }

void setActivePage(Context& c, const Args& a) {
    const int index = low32(a, 0);
    if (index >= 0 && index < c.window.DocumentCount()) c.window.ActivateDocument(index);
}

void movePrevPage(Context& c, const Args&) {
    const int index = c.window.ActiveDocIndex();
    if (index > 0) c.window.ActivateDocument(index - 1);
}

void moveNextPage(Context& c, const Args&) {
    const int index = c.window.ActiveDocIndex();
    if (index + 1 < c.window.DocumentCount()) c.window.ActivateDocument(index + 1);
}

void shellExecute(Context& c, const Args& a) {
    c.requirePermission();
    shell().open(text(a, 0));
}

// Waits for the program; the window stays disabled but painted meanwhile.
void shellExecuteB(Context& c, const Args& a) {
    c.requirePermission();
    if (!WaitForProgram(c.window, text(a, 0), {})) ShowMacroMessage(MacroMessage::StartFailed, c.window.Widget());
}

void writeFile(Context& c, const Args& a) {
    c.requirePermission();
    textfile::saveByteLines(path(c, a, 0), textfile::splitLines(bytes(a, 1)));
}

void closePage(Context& c, const Args&) { c.window.CloseCurrentPage(); }

// --- Integer functions ---------------------------------------------------------------

std::int64_t getSelectStart(Context& c, const Args&) { return c.editor().GetSelStart(); }
std::int64_t getCol(Context& c, const Args&) { return c.editor().Col(); }
std::int64_t getRow(Context& c, const Args&) { return c.editor().Row(); }
std::int64_t getActivePage(Context& c, const Args&) { return c.window.ActiveDocIndex(); }
std::int64_t getPageCount(Context& c, const Args&) { return c.window.DocumentCount(); }

// --- String functions ----------------------------------------------------------------

std::string getText(Context& c, const Args&) { return str(c.editor().Lines().Text()); }
std::string getSelText(Context& c, const Args&) { return str(c.editor().GetSelText()); }

std::string getSelChar(Context& c, const Args&) {
    TEditorEx& e = c.editor();
    e.SetSelLength(1);
    const QByteArray character = e.GetSelText();
    e.SetSelLength(0);
    return str(character);
}

std::string reverseStr(Context&, const Args& a) { return ReverseStr(a.at(0).StrValue, integer(a, 1) != 0); }
std::string getPageCaption(Context& c, const Args&) { return CaptionWithoutMark(str(c.window.ActivePageCaption())); }

std::string getIndexPageCaption(Context& c, const Args& a) {
    const int index = low32(a, 0);
    if (index < 0 || index >= c.window.DocumentCount())
        RaiseMacroMessage(MacroMessage::IndexOutOfRange, QString::number(index));
    return str(paths::fileNamePart(c.window.DocumentName(index)));
}

// The file's lines, each ended by CR LF; "0" when there is no such file.
std::string readFile(Context& c, const Args& a) {
    c.requirePermission();
    const QString name = path(c, a, 0);
    if (!QFileInfo(name).isFile()) return "0";
    QByteArray text;
    for (const QByteArray& line : textfile::readByteLines(name)) text += line + "\r\n";
    return str(text);
}

// --- The table -------------------------------------------------------------------------

using Proc = void (*)(Context&, const Args&);
using IntFunc = std::int64_t (*)(Context&, const Args&);
using StrFunc = std::string (*)(Context&, const Args&);

struct Command {
    const char* prototype;
    std::variant<Proc, IntFunc, StrFunc> run;
};

// clang-format off
const Command kCommands[] = {
    {"procedure Print(S:String);", print},
    {"function GetText:String;", getText},
    {"function GetSelText:String;", getSelText},
    {"function GetSelChar:String;", getSelChar},
    {"procedure Close(Op:Integer);", close},
    {"procedure NewFile(Op:Integer);", newFile},
    {"procedure OpenFile(S:String;Op:Integer);", openFile},
    {"procedure Save;", save},
    {"procedure SaveAs(S:String);", saveAs},
    {"procedure ReOpen;", reOpen},
    {"procedure CursorUp;", cursorUp},
    {"procedure CursorDown;", cursorDown},
    {"procedure CursorRight;", cursorRight},
    {"procedure CursorLeft;", cursorLeft},
    {"procedure MoveLineStart;", moveLineStart},
    {"procedure MoveLineEnd;", moveLineEnd},
    {"procedure MoveFileStart;", moveFileStart},
    {"procedure MoveFileEnd;", moveFileEnd},
    {"procedure MoveEditStart;", moveEditStart},
    {"procedure MoveEditEnd;", moveEditEnd},
    {"procedure SelectAll;", selectAll},
    {"procedure SelStart(Pos:Integer);", selStart},
    {"procedure SelLength(Pos:Integer);", selLength},
    {"procedure SelectLine(Row:Integer);", selectLine},
    {"procedure SelectCurStart;", selectCurStart},
    {"procedure SelectCurEnd;", selectCurEnd},
    {"procedure SelectWord;", selectWord},
    {"function GetSelectStart:Integer;", getSelectStart},
    {"function GetCol:Integer;", getCol},
    {"function GetRow:Integer;", getRow},
    {"procedure EditCopy;", editCopy},
    {"procedure EditPaste;", editPaste},
    {"procedure EditCut;", editCut},
    {"procedure CopyFileName;", copyFileName},
    {"procedure Undo;", undo},
    {"procedure Redo;", redo},
    {"procedure ChangeUpperCase;", changeUpperCase},
    {"procedure ChangeLowerCase;", changeLowerCase},
    {"function ReverseStr(S:String;Op:Integer):String;", reverseStr},
    {"procedure Find(S:String;Op1,Op2,Op3,Op4,Op5:Integer);", find},
    {"procedure ReplaceAll(S1,S2:String;Op1,Op2,Op3,Op4:Integer);", replaceAll},
    {"procedure ShowFindDialog;", showFindDialog},
    {"procedure ShowReplaceDialog;", showReplaceDialog},
    {"function GetActivePage:Integer;", getActivePage},
    {"procedure SetActivePage(Op:Integer);", setActivePage},
    {"function GetPageCount:Integer;", getPageCount},
    {"procedure MovePrevPage;", movePrevPage},
    {"procedure MoveNextPage;", moveNextPage},
    {"function GetPageCaption:String;", getPageCaption},
    {"function GetIndexPageCaption(Op:Integer):String;", getIndexPageCaption},
    {"procedure ShellExecute(Op:String);", shellExecute},
    {"procedure ShellExecuteB(Op:String);", shellExecuteB},
    {"function ReadFile(Op:String):String;", readFile},
    {"procedure WriteFile(Op1:String;Op2:String);", writeFile},
    {"procedure ClosePage;", closePage},
};
// clang-format on

// The routine name of a prototype in upper case, as the engine passes it.
std::string nameOf(std::string_view prototype) {
    prototype.remove_prefix(prototype.find(' ') + 1);
    const std::size_t end = prototype.find_first_of("(:;");
    std::string name(prototype.substr(0, end));
    for (char& ch : name) ch = char(std::toupper(static_cast<unsigned char>(ch)));
    return name;
}

// The command of one kind named `name`; nullptr when there is none.
template <typename Handler>
Handler findCommand(const std::string& name) {
    static const std::unordered_map<std::string, Handler> byName = [] {
        std::unordered_map<std::string, Handler> map;
        for (const Command& command : kCommands)
            if (const Handler* handler = std::get_if<Handler>(&command.run))
                map.emplace(nameOf(command.prototype), *handler);
        return map;
    }();
    const auto found = byName.find(name);
    return found == byName.end() ? nullptr : found->second;
}

// Runs the command of kind Handler named `name`, its result (for a function)
// into `result`; the event's error code is 0 when there is one, else -1.
template <typename Handler, typename... Result>
void runCommand(Context context, const std::string& name, const Args& args, std::int32_t& errCode,
                Result&... result) {
    const Handler run = findCommand<Handler>(name);
    errCode = run ? 0 : -1;
    if (!run) return;
    if constexpr (sizeof...(Result) == 0)
        run(context, args);
    else
        ((result = run(context, args)), ...);
}

}  // namespace

std::vector<std::string> TEditorCommandSet::Prototypes() {
    std::vector<std::string> lines;
    for (const Command& command : kCommands) lines.emplace_back(command.prototype);
    return lines;
}

void TEditorCommandSet::PPAProcParam(const std::string& ProcName, std::int32_t, const ppa::TPPAArguments& Argument,
                                     std::int32_t& Err_CD) {
    runCommand<Proc>({window_, ppa_}, ProcName, Argument, Err_CD);
}

void TEditorCommandSet::PPAIntFuncParam(const std::string& FuncName, std::int32_t,
                                        const ppa::TPPAArguments& Argument, std::int32_t& Err_CD,
                                        std::int64_t& ResultValue) {
    runCommand<IntFunc>({window_, ppa_}, FuncName, Argument, Err_CD, ResultValue);
}

void TEditorCommandSet::PPAStrFuncParam(const std::string& FuncName, std::int32_t,
                                        const ppa::TPPAArguments& Argument, std::int32_t& Err_CD,
                                        std::string& ResultValue) {
    runCommand<StrFunc>({window_, ppa_}, FuncName, Argument, Err_CD, ResultValue);
}
