// The caret options of the property set at work: where the caret stands
// after key presses, and the caret-moved event for every move.
#include "components/editorex.h"
#include "tests/components/showneditor.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

// The status bar and the ruler follow the caret through this event, so moves
// in the free space past a line's end must raise it too.
TEST(EditorCaretProp, EveryCaretMoveIsReportedVirtualSpaceIncluded) {
    ShownEditor s;
    TEditorEx& e = s.e;
    e.Lines().SetText("ab\r\nabcdef");
    e.SetRow(0);
    e.SetCol(2);
    QSignalSpy moved(&e, &TEditorEx::caretMoved);
    const struct {
        int key;
        int col;
    } steps[] = {{Qt::Key_Right, 3}, {Qt::Key_Right, 4}, {Qt::Key_Left, 3}, {Qt::Key_End, 2}};
    for (const auto& step : steps) {
        const qsizetype before = moved.count();
        key(e, step.key);
        EXPECT_EQ(e.Col(), step.col);
        EXPECT_EQ(moved.count(), before + 1) << "key " << step.key;
    }
    // Down from the free space keeps the column on the longer line.
    e.SetCol(5);
    const qsizetype before = moved.count();
    key(e, Qt::Key_Down);
    EXPECT_EQ(e.Row(), 1);
    EXPECT_EQ(moved.count(), before + 1);
}

TEST(EditorCaretProp, ArrowKeysFollowTheCaretOptions) {
    struct Options {
        bool freeCaret = false;
        bool freeRow = false;
        bool keepCaret = true;
        bool nextLine = false;
    };
    const struct {
        Options options;
        int row, col;
        std::vector<int> keys;
        int wantRow, wantCol;
    } cases[] = {
        {{true}, 0, 3, {Qt::Key_Right}, 0, 4},                            // free caret: into the free space
        {{}, 0, 3, {Qt::Key_Right}, 0, 3},                                // a line's end stops the caret
        {{false, false, true, true}, 0, 3, {Qt::Key_Right}, 1, 0},        // ... or leads to the next line
        {{}, 1, 0, {Qt::Key_Left}, 1, 0},                                 // a line's start stops it
        {{false, false, true, true}, 1, 0, {Qt::Key_Left}, 0, 3},         // ... or leads to the line before
        {{false, true}, 1, 6, {Qt::Key_Up}, 0, 6},                        // free row: up and down move freely
        {{false, true}, 1, 6, {Qt::Key_Up, Qt::Key_Right}, 0, 6},         // ... left and right do not
        {{}, 1, 6, {Qt::Key_Up}, 0, 3},
        {{}, 1, 6, {Qt::Key_Up, Qt::Key_Down}, 1, 6},                     // keep caret: the column comes back
        {{false, false, false}, 1, 6, {Qt::Key_Up, Qt::Key_Down}, 1, 3},  // ... or is forgotten
        {{true, false, false}, 1, 6, {Qt::Key_Up, Qt::Key_Down}, 1, 6},
    };
    for (const auto& c : cases) {
        TEditorExProp prop;
        prop.Caret.FreeCaret = c.options.freeCaret;
        prop.Caret.FreeRow = c.options.freeRow;
        prop.Caret.KeepCaret = c.options.keepCaret;
        prop.Caret.NextLine = c.options.nextLine;
        ShownEditor s(prop);
        s.e.Lines().SetText("abc\r\nabcdefgh\r\nxy");
        s.e.SetRow(c.row);
        s.e.SetCol(c.col);
        for (const int k : c.keys) key(s.e, k);
        EXPECT_EQ(s.e.Row(), c.wantRow) << &c - cases;
        EXPECT_EQ(s.e.Col(), c.wantCol) << &c - cases;
    }
}

TEST(EditorCaretProp, LockScrollMovesTheCaretWithTheText) {
    for (const bool lock : {false, true}) {
        TEditorExProp prop;
        prop.Caret.LockScroll = lock;
        ShownEditor s(prop);
        QByteArray text;
        for (int i = 0; i < 200; ++i) text += "line\r\n";
        s.e.Lines().SetText(text);
        s.e.SetRow(5);
        s.e.ScrollRows(10);
        QApplication::processEvents();
        EXPECT_EQ(s.e.TopRow(), 10);
        EXPECT_EQ(s.e.Row(), lock ? 15 : 5);
    }
}

// Without drag-move, dragging from inside the selection selects anew.
TEST(EditorCaretProp, SelMoveOffSelectsInsteadOfMoving) {
    TEditorExProp prop;
    prop.Caret.SelMove = false;
    ShownEditor s(prop);
    s.e.Lines().SetText("abcdef xyz");
    s.e.SetSelStart(0);
    s.e.SetSelLength(3);
    QsciScintilla* v = s.e.Scintilla();
    auto pointAt = [&](long pos) {
        return QPoint(int(v->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, pos)) + 1,
                      int(v->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, pos)) + 4);
    };
    QTest::mousePress(v->viewport(), Qt::LeftButton, {}, pointAt(1));
    QTest::mouseMove(v->viewport(), pointAt(8));
    QTest::mouseRelease(v->viewport(), Qt::LeftButton, {}, pointAt(8));
    EXPECT_EQ(s.e.Lines().Text(), "abcdef xyz");
    EXPECT_EQ(s.e.GetSelStart(), 1);
    EXPECT_EQ(s.e.GetSelLength(), 7);
}
