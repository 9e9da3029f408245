#include "macro/host/macrohost.h"

#include "components/editorex.h"
#include "macro/host/macroeditform.h"
#include "macro/host/macrofiles.h"
#include "macro/host/macromessages.h"
#include "macro/host/macrowindow.h"
#include "platform/prompt.h"
#include "platform/textfile.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <Qsci/qsciscintilla.h>

namespace {

constexpr int kCaretGap = 10;  // between the caret and the pop-up's left edge

std::vector<std::string> sourceOf(const QList<QByteArray>& lines) {
    std::vector<std::string> source;
    source.reserve(std::size_t(lines.size()));
    for (const QByteArray& line : lines) source.push_back(line.toStdString());
    return source;
}

}  // namespace

TMacroHost::TMacroHost(std::unique_ptr<MacroWindow> window, QMenu* macroMenu, QAction* editItem, QAction* stopItem)
    : MacroMenu(macroMenu),
      window_(std::move(window)),
      environment_(*window_, PPA),
      commands_(*window_, PPA),
      fixedItems_{editItem, stopItem, new QAction(this)} {
    fixedItems_.last()->setSeparator(true);
    PPA.SetDeclarePrototype(TEditorCommandSet::Prototypes());
    PPA.SetEnvironment(&environment_);
    PPA.ProcParam = [this](const std::string& name, std::int32_t index, const ppa::TPPAArguments& args,
                           std::int32_t& errCode) { commands_.PPAProcParam(name, index, args, errCode); };
    PPA.IntFuncParam = [this](const std::string& name, std::int32_t index, const ppa::TPPAArguments& args,
                              std::int32_t& errCode, std::int64_t& result) {
        commands_.PPAIntFuncParam(name, index, args, errCode, result);
    };
    PPA.StrFuncParam = [this](const std::string& name, std::int32_t index, const ppa::TPPAArguments& args,
                              std::int32_t& errCode, std::string& result) {
        commands_.PPAStrFuncParam(name, index, args, errCode, result);
    };

    QWidget* owner = window_->Widget();
    MacroPop = new QMenu(owner);
    MacroPop->setObjectName("MacroPop");
    // Menus are windows of their own and do not inherit the window's font.
    MacroPop->setFont(owner->font());
    MacroEditForm = new TMacroEditForm(owner);
    connect(MacroEditForm, &TMacroEditForm::runRequested, this,
            [this](const QList<QByteArray>& lines) { RunFromEditForm(lines); });
    connect(MacroEditForm, &TMacroEditForm::macroFilesChanged, this,
            [this] { runGuarded([this] { BuildMacroMenu(); }); });
}

TMacroHost::~TMacroHost() { PPA.SetEnvironment(nullptr); }

// --- The menu ----------------------------------------------------------------------------

void TMacroHost::BuildMacroMenu() {
    const QStringList files = ListMacroFiles(MacroFolder());
    clearMacroEntries();
    for (QMenu* menu : {MacroPop, MacroMenu}) menu->addActions(fixedItems_);
    for (int i = 0; i < files.size(); ++i) addMacroEntry(files[i], i);
}

// An entry may be the one whose macro runs now: it goes once the events of
// the moment are done.
void TMacroHost::clearMacroEntries() {
    MacroPop->clear();
    MacroMenu->clear();
    for (QAction* entry : std::as_const(macroEntries_)) entry->deleteLater();
    macroEntries_.clear();
}

// The file name travels with the entry, so a name that holds "(&" runs too.
void TMacroHost::addMacroEntry(const QString& fileName, int index) {
    auto* entry = new QAction(MacroEntryCaption(fileName, index), this);
    entry->setData(fileName);
    connect(entry, &QAction::triggered, this, [this, fileName] {
        // Run from the event loop itself, not from inside the menu's click.
        QMetaObject::invokeMethod(
            this, [this, fileName] { runGuarded([&] { RunMacroFile(fileName); }); }, Qt::QueuedConnection);
    });
    macroEntries_.append(entry);
    MacroPop->addAction(entry);
    MacroMenu->addAction(entry);
}

void TMacroHost::ToolButton1Click() { MacroPop->popup(QCursor::pos()); }

void TMacroHost::PopupAtCaret(const TEditorEx& editor) {
    BuildMacroMenu();
    const int lineHeight = editor.Scintilla()->textHeight(editor.Row());
    MacroPop->popup(editor.mapToGlobal(editor.CaretPos() + QPoint(kCaretGap, lineHeight)));
}

void TMacroHost::ShowMacroEditForm() { MacroEditForm->ShowForm(); }

// --- Running -------------------------------------------------------------------------------

void TMacroHost::RunMacroFile(const QString& fileName) {
    if (Running()) {
        ShowMacroMessage(MacroMessage::AlreadyRunning, window_->Widget());
        return;
    }
    execute(sourceOf(textfile::readByteLines(MacroFolder() + fileName)), true);
}

void TMacroHost::RunFromEditForm(const QList<QByteArray>& lines) {
    if (Running()) {
        ShowMacroMessage(MacroMessage::AlreadyRunning, MacroEditForm);
        return;
    }
    if (TEditorEx* editor = window_->CurEditor()) {
        editor->window()->activateWindow();
        editor->setFocus();
    }
    execute(sourceOf(lines), false);
}

void TMacroHost::execute(std::vector<std::string> source, bool showStatus) {
    PPA.SetSource(std::move(source));
    if (showStatus) window_->SetMacroStatus(MacroMessageText(MacroMessage::Running));
    std::exception_ptr failure;
    try {
        PPA.Execute();
    } catch (...) {
        failure = std::current_exception();
    }
    if (windowClosed_) return;
    if (showStatus) window_->SetMacroStatus({});
    if (failure) runGuarded([&] { std::rethrow_exception(failure); });
}

void TMacroHost::StopMacroClick() {
    PPA.Terminate();
    window_->SetMacroStatus({});
}

void TMacroHost::WindowClosing() {
    windowClosed_ = true;
    MacroEditForm->close();
    // Terminate raises to tell whoever asked; here nobody is to be told.
    try {
        PPA.Terminate();
    } catch (const ppa::EPPAError&) {
    }
}
