// The text of TEditorEx: loading, saving, lines, Shift-JIS offsets and
// columns, and the line table under edits.
#include "components/editorex.h"
#include "platform/cp932.h"
#include "platform/fileerror.h"
#include "tests/components/sjis.h"
#include "tests/components/sjistext.h"

#include <Qsci/qsciscintilla.h>

#include <QAccessible>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>

namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Shift-JIS offset of every caret position, computed the slow way.
void expectOffsetsMatchText(TEditorEx& e) {
    const QByteArray text = e.Lines().Text();
    ASSERT_EQ(e.TextLength(), text.size());
    // Walk the text character by character; each boundary is an offset.
    qsizetype at = 0;
    while (at <= text.size()) {
        e.SetSelStart(at);
        ASSERT_EQ(e.GetSelStart(), at);
        if (at == text.size()) break;
        at += (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ? 2 : cp932::charLength(text, at);
    }
}

}  // namespace

TEST(EditorText, FileRoundTripKeepsEveryByte) {
    QTemporaryDir dir;
    const QString in = dir.filePath("in.lum");
    const QString out = dir.filePath("out.lum");
    QByteArray bytes = sj("行1 表示\r\n") + QByteArray("a\0b\r\n", 5) + QByteArray("\x87\x90\xED\x40\x85\x40\xA0\xFD\r\n") +
                       sj("最後の行");
    writeFile(in, bytes);
    TEditorEx e;
    e.Lines().LoadFromFile(in);
    EXPECT_FALSE(e.Modified());
    EXPECT_EQ(e.Lines().Count(), 4);
    EXPECT_EQ(e.Lines()[1], QByteArray("a\0b", 3));
    EXPECT_EQ(e.Lines()[3], sj("最後の行"));
    e.Lines().SaveToFile(out);
    EXPECT_EQ(readFile(out), bytes);
    EXPECT_FALSE(e.CanUndo());
}

TEST(EditorText, LoneLineEndsBecomeCrLf) {
    TEditorEx e;
    e.Lines().SetText("a\nb\rc\r\nd\n");
    EXPECT_EQ(e.Lines().Text(), "a\r\nb\r\nc\r\nd\r\n");
    EXPECT_EQ(e.Lines().Count(), 5);
}

TEST(EditorText, SaveFailureNamesTheFile) {
    TEditorEx e;
    e.Lines().SetText("x");
    try {
        e.Lines().SaveToFile("/nonexistent-folder/x.lum");
        FAIL() << "saving into a missing folder must fail";
    } catch (const FileError& error) {
        EXPECT_TRUE(error.message().contains("/nonexistent-folder/x.lum"));
    }
}

TEST(EditorText, OffsetsAndColumnsCountShiftJisBytes) {
    TEditorEx e;
    e.Lines().SetText(sj("aあｶ表\r\nxyz"));
    e.SetSelStart(6);  // after 表
    EXPECT_EQ(e.Row(), 0);
    EXPECT_EQ(e.Col(), 6);
    e.SetSelStart(8);
    EXPECT_EQ(e.Row(), 1);
    EXPECT_EQ(e.Col(), 0);
    // Inside a double-byte character or between CR and LF: the start.
    e.SetSelStart(2);
    EXPECT_EQ(e.GetSelStart(), 1);
    e.SetSelStart(7);
    EXPECT_EQ(e.GetSelStart(), 6);
    EXPECT_EQ(e.TextLength(), 11);
}

TEST(EditorText, SelectionLengthTakesWholeCharacters) {
    TEditorEx e;
    e.Lines().SetText(sj("表a\r\nb"));
    e.SetSelStart(0);
    e.SetSelLength(1);
    EXPECT_EQ(e.GetSelText(), sj("表"));
    EXPECT_EQ(e.GetSelLength(), 2);
    e.SetSelStart(3);
    e.SetSelLength(1);
    EXPECT_EQ(e.GetSelText(), "\r\n");
    e.SetSelStart(2);
    e.SetSelLength(100);
    EXPECT_EQ(e.GetSelText(), sj("a\r\nb"));
    // A duplicate code (0x8790 for the character of 0x81E0) keeps its bytes.
    e.Lines().SetText("\x87\x90x");
    e.SetSelStart(0);
    e.SetSelLength(1);
    EXPECT_EQ(e.GetSelText(), "\x87\x90");
}

TEST(EditorText, RowAndColumnMoves) {
    TEditorEx e;
    e.Lines().SetText(sj("abcdef\r\n表示\r\nxy"));
    e.SetRow(0);
    e.SetCol(4);
    e.SetRow(1);
    EXPECT_EQ(e.Col(), 4);  // the column is kept where the row allows it
    e.SetCol(0);
    e.SetCol(1);
    EXPECT_EQ(e.Col(), 2);  // moving right passes the whole character
    e.SetCol(3);
    EXPECT_EQ(e.Col(), 4);
    e.SetCol(3);
    EXPECT_EQ(e.Col(), 2);  // moving left stops at its start
    e.SetRow(99);
    EXPECT_EQ(e.Row(), 2);
    e.SetCol(5);  // beyond the line end: the free caret goes there
    EXPECT_EQ(e.Col(), 5);
    TEditorExProp fixed;
    fixed.Caret.FreeCaret = false;
    e.ApplyProp(fixed);
    e.SetCol(5);
    EXPECT_EQ(e.Col(), 2);
}

TEST(EditorText, SelTextReplacesAndInserts) {
    TEditorEx e;
    e.Lines().SetText(sj("前後"));
    e.SetSelStart(2);
    e.SetSelText(sj("中\n"));
    EXPECT_EQ(e.Lines().Text(), sj("前中\r\n後"));
    EXPECT_EQ(e.GetSelStart(), 6);
    e.SetSelStart(0);
    e.SetSelLength(2);
    e.SetSelText(QByteArray("\0", 1));
    EXPECT_EQ(e.Lines().Text(), QByteArray("\0", 1) + sj("中\r\n後"));
}

TEST(EditorText, LineTableFollowsRandomEdits) {
    TEditorEx e;
    e.Lines().SetText(sj("表示 ｶﾅ abc\r\n二行目\r\n\r\nend"));
    std::mt19937 rng(3);
    const char* pieces[] = {"x", "表", "ｶ", "\r\n", "a\r\nb", "漢字\r\n\r\n", ""};
    for (int step = 0; step < 200; ++step) {
        const qsizetype length = e.TextLength();
        e.SetSelStart(qsizetype(rng() % (length + 1)));
        e.SetSelLength(qsizetype(rng() % 6));
        if (step % 7 == 0) {
            e.Undo();
        } else {
            e.SetSelText(sj(pieces[rng() % std::size(pieces)]));
        }
    }
    expectOffsetsMatchText(e);
    // Typing through the widget goes the same way.
    e.Scintilla()->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 0L);
    e.Scintilla()->SendScintilla(QsciScintillaBase::SCI_ADDTEXT, 3UL, "\xE8\xA1\xA8");  // 表
    expectOffsetsMatchText(e);
}

TEST(EditorText, ModifiedIsSetByEditsAndClearedByTheProgram) {
    TEditorEx e;
    int changes = 0;
    QObject::connect(&e, &TEditorEx::changed, [&] { ++changes; });
    e.Lines().SetText("abc");
    EXPECT_TRUE(e.Modified());
    EXPECT_GT(changes, 0);
    e.SetModified(false);
    EXPECT_FALSE(e.Modified());
    e.Undo();
    EXPECT_TRUE(e.Modified());
    e.SetModified(false);
    e.SetModified(true);
    EXPECT_TRUE(e.Modified());
}

// ---- loading a file -------------------------------------------------------------------

namespace {

using B = QsciScintillaBase;

QString writeTemporary(QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.filePath("text.lum");
    writeFile(path, bytes);
    return path;
}

}  // namespace

// A text of several pieces loaded from its file answers every offset call as
// the same text set whole does, whose line table is built edit by edit.
TEST(EditorLoad, LoadedTextAnswersAsTheSameTextSet) {
    const QByteArray text = sjistext::mixedText(260000, 17);  // over 2 MB: several pieces
    QTemporaryDir dir;
    TEditorEx loaded;
    loaded.Lines().LoadFromFile(writeTemporary(dir, text));
    TEditorEx set;
    set.Lines().SetText(text);
    ASSERT_EQ(loaded.Lines().Text(), set.Lines().Text());
    ASSERT_EQ(loaded.TextLength(), set.TextLength());
    ASSERT_EQ(loaded.Lines().Count(), set.Lines().Count());
    std::mt19937 rng(4);
    for (int i = 0; i < 2000; ++i) {
        const qsizetype offset = qsizetype(rng() % (set.TextLength() + 1));
        loaded.SetSelStart(offset);
        set.SetSelStart(offset);
        ASSERT_EQ(loaded.GetSelStart(), set.GetSelStart()) << offset;
        ASSERT_EQ(loaded.Row(), set.Row()) << offset;
        ASSERT_EQ(loaded.Col(), set.Col()) << offset;
        const int row = int(rng() % set.Lines().Count());
        ASSERT_EQ(loaded.Lines()[row], set.Lines()[row]) << row;
    }
}

TEST(EditorLoad, LeavesNoUndoNoBookmarksAndAnUnmodifiedTextAtTheTop) {
    QTemporaryDir dir;
    TEditorEx e;
    e.Lines().SetText("old\r\ntext\r\nhere");
    e.SetRow(2);
    e.SetRowBookmark(1, 3);
    ASSERT_TRUE(e.CanUndo());
    e.Lines().LoadFromFile(writeTemporary(dir, sj("新しい\r\nテキスト")));
    EXPECT_EQ(e.Lines().Text(), sj("新しい\r\nテキスト"));
    EXPECT_FALSE(e.CanUndo());
    EXPECT_FALSE(e.Modified());
    EXPECT_FALSE(e.GotoRowBookmark(3));
    EXPECT_EQ(e.GetSelStart(), 0);
    e.SetSelStart(6);
    e.SetSelText("!");
    EXPECT_TRUE(e.Modified());
    EXPECT_EQ(e.Lines()[0], sj("新しい!"));
    e.Undo();
    EXPECT_EQ(e.Lines()[0], sj("新しい"));
    EXPECT_FALSE(e.CanUndo());
}

TEST(EditorLoad, AFailedLoadLeavesEverythingAsItWas) {
    QTemporaryDir dir;
    TEditorEx e;
    e.Lines().SetText(sj("元の\r\nテキスト"));
    e.SetRowBookmark(1, 2);
    EXPECT_THROW(e.Lines().LoadFromFile(dir.filePath("missing.lum")), FileError);
    EXPECT_EQ(e.Lines().Text(), sj("元の\r\nテキスト"));
    EXPECT_TRUE(e.Modified());
    EXPECT_TRUE(e.GotoRowBookmark(2));
    e.Undo();
    EXPECT_EQ(e.Lines().Text(), "");
}

TEST(EditorLoad, ReachesEveryViewOfTheText) {
    QTemporaryDir dir;
    auto main = std::make_unique<TEditorEx>();
    TEditorEx lower;
    lower.ShareText(main.get());
    main->Lines().LoadFromFile(writeTemporary(dir, sj("一\r\n二")));
    EXPECT_EQ(lower.Lines().Text(), sj("一\r\n二"));
    lower.SetSelStart(lower.TextLength());
    lower.SetSelText(sj("三"));
    EXPECT_EQ(main->Lines().Text(), sj("一\r\n二三"));
    EXPECT_TRUE(main->Modified());
    lower.Lines().LoadFromFile(writeTemporary(dir, "from the lower view"));
    EXPECT_EQ(main->Lines().Text(), "from the lower view");
    EXPECT_FALSE(main->Modified());
    // Either view may go first; the other keeps the text.
    main.reset();
    lower.SetSelStart(0);
    lower.SetSelText(">");
    EXPECT_EQ(lower.Lines().Text(), ">from the lower view");
    TEditorEx third;
    third.ShareText(&lower);
    third.Lines().LoadFromFile(writeTemporary(dir, "again"));
    EXPECT_EQ(lower.Lines().Text(), "again");
}

// What Scintilla keeps with a document (encoding, line end mode, tabs, word
// characters, colouring) stays as the editor set it.
TEST(EditorLoad, KeepsWhatBelongsToTheDocument) {
    QTemporaryDir dir;
    TEditorEx e;
    TEditorExProp prop;
    prop.Caret.TabSpaceCount = 6;
    e.ApplyProp(prop);
    const unsigned int settings[] = {B::SCI_GETCODEPAGE,   B::SCI_GETEOLMODE,           B::SCI_GETTABWIDTH,
                                     B::SCI_GETUSETABS,    B::SCI_GETBACKSPACEUNINDENTS, B::SCI_GETLEXER,
                                     B::SCI_GETREADONLY,   B::SCI_GETINDENT,            B::SCI_GETLINEENDTYPESALLOWED};
    std::vector<long> before;
    for (unsigned int get : settings) before.push_back(e.Scintilla()->SendScintilla(get));
    QByteArray wordChars(int(e.Scintilla()->SendScintilla(B::SCI_GETWORDCHARS, 0UL, static_cast<void*>(nullptr))), '\0');
    e.Scintilla()->SendScintilla(B::SCI_GETWORDCHARS, 0UL, static_cast<void*>(wordChars.data()));

    e.Lines().LoadFromFile(writeTemporary(dir, sj("abc 123 表示")));
    for (std::size_t i = 0; i < std::size(settings); ++i) {
        EXPECT_EQ(e.Scintilla()->SendScintilla(settings[i]), before[i]) << "setting " << settings[i];
    }
    QByteArray after(int(e.Scintilla()->SendScintilla(B::SCI_GETWORDCHARS, 0UL, static_cast<void*>(nullptr))), '\0');
    e.Scintilla()->SendScintilla(B::SCI_GETWORDCHARS, 0UL, static_cast<void*>(after.data()));
    EXPECT_EQ(after, wordChars);

    TEditorEx set;
    set.ApplyProp(prop);
    set.Lines().SetText(sj("abc 123 表示"));
    for (TEditorEx* editor : {&e, &set}) {
        editor->Scintilla()->SendScintilla(B::SCI_COLOURISE, 0UL, -1L);
    }
    for (long pos = 0; pos < e.Scintilla()->SendScintilla(B::SCI_GETLENGTH); ++pos) {
        EXPECT_EQ(e.Scintilla()->SendScintilla(B::SCI_GETSTYLEAT, pos), set.Scintilla()->SendScintilla(B::SCI_GETSTYLEAT, pos))
            << pos;
    }
    e.Scintilla()->SendScintilla(B::SCI_DOCUMENTEND);
    e.Scintilla()->SendScintilla(B::SCI_NEWLINE);
    EXPECT_TRUE(e.Lines().Text().endsWith("\r\n"));
}

// What a screen reader reads: the text, caret and selection in UTF-16
// offsets, whatever line they are on.
TEST(EditorAccessibility, TextCaretAndSelectionReadInCharacters) {
    TEditorEx e;
    e.Lines().SetText(sj("あい\r\nxyz\r\n表示"));
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(e.Scintilla());
    ASSERT_NE(reader, nullptr);
    QAccessibleTextInterface* text = reader->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(reader->role(), QAccessible::EditableText);
    EXPECT_EQ(text->characterCount(), 11);
    EXPECT_EQ(text->text(0, 2), QString::fromUtf8("あい"));
    EXPECT_EQ(text->text(4, 11), QString::fromUtf8("xyz\r\n表示"));
    // Offsets outside the text, as readers send them, stand for its ends.
    EXPECT_EQ(text->text(0, -1), QString::fromUtf8("あい\r\nxyz\r\n表示"));
    EXPECT_EQ(text->text(9, 99), QString::fromUtf8("表示"));
    EXPECT_FALSE(text->characterRect(99).isNull());
    text->setCursorPosition(-5);
    EXPECT_EQ(e.GetSelStart(), 0);

    e.SetSelStart(sj("あい\r\nxyz\r\n表").size());
    EXPECT_EQ(text->cursorPosition(), 10);
    text->setCursorPosition(5);
    EXPECT_EQ(e.GetSelStart(), sj("あい\r\nx").size());

    EXPECT_EQ(text->selectionCount(), 0);
    text->setSelection(0, 1, 6);
    int start = 0;
    int end = 0;
    text->selection(0, &start, &end);
    EXPECT_EQ(std::make_pair(start, end), std::make_pair(1, 6));
    EXPECT_EQ(e.GetSelText(), sj("い\r\nxy"));

    // A file loaded afterwards comes in a document of its own.
    QTemporaryDir dir;
    const QString path = dir.filePath("a.lum");
    writeFile(path, sj("表\r\nz"));
    e.Lines().LoadFromFile(path);
    EXPECT_EQ(text->text(0, -1), QString::fromUtf8("表\r\nz"));
    e.SetSelStart(sj("表\r\n").size());
    EXPECT_EQ(text->cursorPosition(), 3);
}
