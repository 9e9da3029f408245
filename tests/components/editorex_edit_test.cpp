// Editing with TEditorEx: box selection, indentation, undo, bookmarks,
// words and tokens, split views and the events it reports.
#include "components/bookmarkglyph.h"
#include "components/editorex.h"
#include "tests/components/showneditor.h"
#include "components/syntaxscanner.h"
#include "tests/components/sjis.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using B = QsciScintillaBase;

}  // namespace

TEST(EditorEdit, BoxSelectionCopiesCutsAndTypesInColumns) {
    ShownEditor s;
    TEditorEx& e = s.e;
    e.Lines().SetText("abcd\r\nefgh\r\nijkl");
    e.SetSelectionMode(TSelectionMode::smBox);
    EXPECT_EQ(e.SelectionMode(), TSelectionMode::smBox);
    e.SetSelStart(1);
    key(e, Qt::Key_Right, Qt::ShiftModifier);
    key(e, Qt::Key_Right, Qt::ShiftModifier);
    key(e, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(e.GetSelText(), "bc\r\nfg");
    e.CopyToClipboard();
    e.CutToClipboard();
    EXPECT_EQ(e.Lines().Text(), "ad\r\neh\r\nijkl");
    // Typing with a zero-width box types on every row.
    e.SetSelStart(1);
    key(e, Qt::Key_Down, Qt::ShiftModifier);
    key(e, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClicks(e.Scintilla(), "X");
    EXPECT_EQ(e.Lines().Text(), "aXd\r\neXh\r\niXjkl");
    // Pasting the copied box puts its rows under each other.
    e.SetSelectionMode(TSelectionMode::smNormal);
    e.SetSelStart(0);
    e.PasteFromClipboard();
    EXPECT_EQ(e.Lines().Text(), "bcaXd\r\nfgeXh\r\niXjkl");
}

TEST(EditorEdit, IndentsWorkOnSelectedLinesAsOneStep) {
    TEditorEx e;
    e.Lines().SetText("a\r\n b\r\n\tc\r\nd");
    e.SetModified(false);
    e.SetSelStart(0);
    e.SetSelLength(11);  // rows 0..2, ending at the start of row 3
    e.SelIndent();
    EXPECT_EQ(e.Lines().Text(), " a\r\n  b\r\n \tc\r\nd");
    EXPECT_EQ(e.GetSelText(), " a\r\n  b\r\n \tc\r\n");
    e.SelUnIndent();
    e.SelUnIndent();
    EXPECT_EQ(e.Lines().Text(), "a\r\nb\r\n\tc\r\nd");
    e.SelTabUnIndent();
    EXPECT_EQ(e.Lines().Text(), "a\r\nb\r\nc\r\nd");
    e.Undo();
    EXPECT_EQ(e.Lines().Text(), "a\r\nb\r\n\tc\r\nd");
    // Without a selection only the caret's row changes.
    e.SetSelStart(4);
    e.SelTabIndent();
    EXPECT_EQ(e.Lines().Text(), "a\r\n\tb\r\n\tc\r\nd");
    EXPECT_TRUE(e.Modified());
}

TEST(EditorEdit, UndoAndRedo) {
    TEditorEx e;
    EXPECT_FALSE(e.CanUndo());
    e.SetSelText("one");
    e.SetSelText(" two");
    EXPECT_TRUE(e.CanUndo());
    e.Undo();
    EXPECT_EQ(e.Lines().Text(), "one");
    EXPECT_TRUE(e.CanRedo());
    e.Redo();
    EXPECT_EQ(e.Lines().Text(), "one two");
    EXPECT_FALSE(e.CanRedo());
}

TEST(EditorEdit, BookmarksMarkOneRowEach) {
    TEditorEx e;
    e.Lines().SetText("0\r\n1\r\n2\r\n3");
    EXPECT_FALSE(e.GotoRowBookmark(3));
    EXPECT_EQ(e.Row(), 0);
    e.SetRowBookmark(2, 3);
    e.SetRowBookmark(2, 5);
    EXPECT_TRUE(e.GetListRowMarks(2).test(3));
    EXPECT_TRUE(e.GetListRowMarks(2).test(5));
    e.SetRowBookmark(1, 3);  // moves bookmark 3
    EXPECT_FALSE(e.GetListRowMarks(2).test(3));
    EXPECT_TRUE(e.GotoRowBookmark(3));
    EXPECT_EQ(e.Row(), 1);
    e.ClearRowBookmark(1, 3);
    EXPECT_FALSE(e.GotoRowBookmark(3));
    EXPECT_EQ(e.Row(), 1);
    // Bookmarks stay with their text when rows are inserted above.
    e.SetSelStart(0);
    e.SetSelText("new\r\n");
    EXPECT_TRUE(e.GetListRowMarks(3).test(5));
}

// A mark is a block the width of its margin and the height of a row, its
// digit standing out in the left bar's colours turned around.
TEST(EditorEdit, BookmarksAreDrawnAsDigitBlocksFillingTheirMargin) {
    TEditorEx e;
    QsciScintilla& view = *e.Scintilla();
    const long margin = view.SendScintilla(QsciScintilla::SCI_GETMARGINWIDTHN, 1);
    const long row = view.SendScintilla(QsciScintilla::SCI_TEXTHEIGHT, 0);
    EXPECT_GE(margin, 14);
    for (int n = 0; n < 10; ++n)
        EXPECT_EQ(view.SendScintilla(QsciScintilla::SCI_MARKERSYMBOLDEFINED, n), QsciScintilla::SC_MARK_RGBAIMAGE);

    const TEditorLeftbar bar = e.Prop().Leftbar;
    const QImage glyph = bookmarkGlyph(7, QSize(int(margin), int(row)), bar.Color, bar.BkColor, e.font());
    int block = 0;
    int digit = 0;
    for (int y = 0; y < glyph.height(); ++y) {
        for (int x = 0; x < glyph.width(); ++x) {
            const QColor pixel = glyph.pixelColor(x, y);
            block += pixel == bar.Color;
            digit += pixel == bar.BkColor;
        }
    }
    EXPECT_GT(block, glyph.width() * glyph.height() / 2);
    EXPECT_GT(digit, 4);
}

TEST(EditorEdit, WordsAndTokensAtTheCaret) {
    TEditorEx e;
    e.Lines().SetText(sj("AddItem(\"表示 x\");漢字かな"));
    e.SetSelStart(3);
    EXPECT_EQ(e.WordFromCaret(), "AddItem");
    e.SetSelStart(7);  // on "("
    EXPECT_EQ(e.WordFromCaret(), "");
    e.SetSelStart(10);  // inside the string
    e.SelectTokenFromCaret();
    EXPECT_EQ(e.GetSelText(), sj("\"表示 x\""));
    e.SetSelStart(e.TextLength() - 5);  // on 字
    e.SelectWordFromCaret();
    EXPECT_EQ(e.GetSelText(), sj("漢字"));
}

TEST(EditorEdit, TokenUnderTheMouseFindsUrlsAndMail) {
    ShownEditor s;
    TEditorEx& e = s.e;
    e.Lines().SetText("go http://ex.org/x now\r\nmail me@ex.jp");
    auto pointAt = [&](long pos) {
        auto* v = e.Scintilla();
        const QPoint p(int(v->SendScintilla(B::SCI_POINTXFROMPOSITION, 0UL, pos)) + 2,
                       int(v->SendScintilla(B::SCI_POINTYFROMPOSITION, 0UL, pos)) + 4);
        return v->viewport()->mapTo(&e, p);
    };
    EXPECT_EQ(e.TokenFromPos(pointAt(6)), 21);
    EXPECT_EQ(e.TokenStringBracketFromPos(pointAt(6)), "http://ex.org/x");
    EXPECT_EQ(e.TokenFromPos(pointAt(30)), 22);
    EXPECT_EQ(e.TokenStringBracketFromPos(pointAt(30)), "me@ex.jp");
    EXPECT_EQ(e.TokenFromPos(pointAt(0)), int(TokenKind::Ank));
}

TEST(EditorEdit, SharedTextIsOneDocument) {
    TEditorEx main;
    main.Lines().SetText("shared");
    main.SetModified(false);
    TEditorEx lower;
    lower.ShareText(&main);
    EXPECT_EQ(lower.Lines().Text(), "shared");
    lower.SetSelStart(6);
    lower.SetSelText(sj(" 表"));
    EXPECT_EQ(main.Lines().Text(), sj("shared 表"));
    EXPECT_TRUE(main.Modified());
    main.SetSelStart(main.TextLength());
    EXPECT_EQ(main.GetSelStart(), 9);
    main.Undo();
    EXPECT_EQ(lower.Lines().Text(), "shared");
    main.SetRowBookmark(0, 1);
    EXPECT_TRUE(lower.GetListRowMarks(0).test(1));
    main.SetModified(false);
    EXPECT_FALSE(lower.Modified());
}

TEST(EditorEdit, KeyDownMaySwallowTheKey) {
    ShownEditor s;
    TEditorEx& e = s.e;
    std::vector<int> seen;
    QObject::connect(&e, &TEditorEx::keyDown, [&](int k, Qt::KeyboardModifiers mods, bool* swallow) {
        if (k != Qt::Key_Control) seen.push_back(k);
        if (k == Qt::Key_M && (mods & Qt::ControlModifier)) *swallow = true;
    });
    int moves = 0;
    QObject::connect(&e, &TEditorEx::caretMoved, [&] { ++moves; });
    QTest::keyClicks(e.Scintilla(), "jm");
    key(e, Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(e.Lines().Text(), "jm");
    EXPECT_EQ(seen, (std::vector<int>{Qt::Key_J, Qt::Key_M, Qt::Key_M}));
    QApplication::processEvents();
    EXPECT_GT(moves, 0);
}

TEST(EditorEdit, WheelAndMouseAreReported) {
    ShownEditor s;
    TEditorEx& e = s.e;
    int up = 0;
    int down = 0;
    QObject::connect(&e, &TEditorEx::wheelUp, [&] { ++up; });
    QObject::connect(&e, &TEditorEx::wheelDown, [&] { ++down; });
    QWidget* vp = e.Scintilla()->viewport();
    QWheelEvent wheel(QPointF(50, 50), vp->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(vp, &wheel);
    EXPECT_EQ(down, 1);
    EXPECT_EQ(up, 0);
    QPoint pressedAt;
    bool twice = false;
    QObject::connect(&e, &TEditorEx::mouseDown,
                     [&](Qt::MouseButton, Qt::KeyboardModifiers, QPoint pos, bool doubleClick) {
                         pressedAt = pos;
                         twice = doubleClick;
                     });
    QTest::mouseDClick(vp, Qt::LeftButton, Qt::NoModifier, QPoint(60, 20));
    EXPECT_EQ(pressedAt, vp->mapTo(&e, QPoint(60, 20)));
    EXPECT_TRUE(twice);
    // A link cursor asked for while the mouse moves is the one shown.
    QObject::connect(&e, &TEditorEx::mouseMoved, [&](QPoint, Qt::MouseButtons, Qt::KeyboardModifiers) {
        e.SetLinkCursor(true);
    });
    QTest::mouseMove(vp, QPoint(70, 20));
    EXPECT_EQ(vp->cursor().shape(), Qt::PointingHandCursor);
}
