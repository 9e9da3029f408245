// The appearance properties at work in TEditorEx: wrapped rows, line
// numbers, the ruler, links.
#include "components/editorex.h"
#include "tests/components/showneditor.h"
#include "components/editorruler.h"
#include "components/wrapunits.h"
#include "tests/components/sjis.h"
#include "tests/support/recordingshell.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using B = QsciScintillaBase;

TEditorExProp wrapping(int wrapByte) {
    TEditorExProp prop;
    prop.WordWrap = true;
    prop.WrapOption.WrapByte = wrapByte;
    return prop;
}

// Character indices (UTF-16) at which the widget begins the rows of `line`.
std::vector<qsizetype> shownRowStarts(ShownEditor& s, int line) {
    std::vector<qsizetype> starts;
    long pos = s.sci(B::SCI_POSITIONFROMLINE, line);
    const long end = s.sci(B::SCI_GETLINEENDPOSITION, line);
    long y = s.sci(B::SCI_POINTYFROMPOSITION, 0, pos);
    for (qsizetype index = 0; pos < end; ++index) {
        const long rowY = s.sci(B::SCI_POINTYFROMPOSITION, 0, pos);
        if (rowY != y) starts.push_back(index);
        y = rowY;
        pos = s.sci(B::SCI_POSITIONAFTER, pos);
    }
    return starts;
}

}  // namespace

// The widget's rows are the ones the line-breaking rules lay out, at the
// wrap column and not at the window's edge.
TEST(EditorLook, WordWrapBreaksWhereTheKinsokuRulesSay) {
    const char* lines[] = {
        "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめも",
        "あいうえおかきくけこさしすせそたちつ。てとなにぬねのはひふへほ、まみむめもやゆよ",
        "あいうえおかきくけこさしすせそた「ちつてとなにぬねのはひふ」へほまみむめも",
        "The quick brown fox jumps over the lazy dog, again and again (forever).",
        "x = foo(bar, baz); y = 0x1F; // a comment that goes on and on and on",
    };
    for (const int wrapByte : {20, 21}) {
        TEditorExProp prop = wrapping(wrapByte);
        ShownEditor s(prop, 900);
        QByteArray text;
        for (const char* line : lines) text += sj(line) + "\r\n";
        s.e.Lines().SetText(text);
        QApplication::processEvents();
        const WrapUnits units(prop.WrapOption, prop.Caret.TabSpaceCount);
        for (int i = 0; i < int(std::size(lines)); ++i) {
            const std::vector<qsizetype> expected = units.rowStarts(QString::fromUtf8(lines[i]));
            EXPECT_FALSE(expected.empty());
            EXPECT_EQ(shownRowStarts(s, i), expected) << "wrap " << wrapByte << " line " << i;
        }
    }
}

TEST(EditorLook, LineNumbersByLineOrByRow) {
    const struct {
        TNumberMode mode;
        bool zeroBase;
        bool zeroLead;
        const char* second;  // margin text of the second line
    } cases[] = {
        {nmLine, true, false, "1"},
        {nmLine, false, true, "0002"},
        {nmRow, false, false, "4\n5"},  // the first line takes rows 1 to 3
        {nmRow, true, false, "3\n4"},
    };
    for (const auto& c : cases) {
        TEditorExProp prop = wrapping(20);
        prop.Leftbar.ShowNumberMode = c.mode;
        prop.Leftbar.ZeroBase = c.zeroBase;
        prop.Leftbar.ZeroLead = c.zeroLead;
        ShownEditor s(prop, 900);
        s.e.Lines().SetText(QByteArray(50, 'a') + "\r\n" + QByteArray(30, 'b') + "\r\nc");
        QApplication::processEvents();
        QByteArray text(int(s.sci(B::SCI_MARGINGETTEXT, 1)), '\0');
        s.e.Scintilla()->SendScintilla(B::SCI_MARGINGETTEXT, 1UL, text.data());
        EXPECT_EQ(text, QByteArray(c.second)) << c.mode << c.zeroBase << c.zeroLead;
    }
}

// The ruler's columns are the text's at any font size, and move with it when
// it scrolls sideways.
TEST(EditorLook, RulerColumnsLineUpWithTextColumns) {
    for (const int height : {10, 14, 19, 27}) {
        TEditorExProp prop;
        prop.Font.Height = height;
        ShownEditor s(prop, 900);
        s.e.Lines().SetText(QByteArray(3000, 'x'));
        for (const int col : {0, 1, 37, 100, 2094}) {
            s.e.SetCol(col);
            QApplication::processEvents();
            const int textX = s.e.CaretPos().x();
            EXPECT_NEAR(s.e.Ruler().columnX(col), textX, 1) << "height " << height << " col " << col;
            EXPECT_EQ(s.e.Ruler().caretColumn(), col);
        }
    }
}

TEST(EditorLook, RulerGaugeAndVisibility) {
    for (const int gauge : {10, 8}) {
        TEditorExProp prop;
        prop.Ruler.GaugeRange = gauge;
        ShownEditor s(prop, 900);
        const QImage shot = const_cast<TEditorRulerBar&>(s.e.Ruler()).grab().toImage();
        // Long ticks with numbers stand every gauge range.
        const int h = shot.height();
        auto tickHeight = [&](int col) {
            const int x = s.e.Ruler().columnX(col);
            int t = 0;
            while (t < h && shot.pixelColor(x, h - 2 - t) == prop.Ruler.Color) ++t;
            return t;
        };
        EXPECT_GT(tickHeight(gauge), tickHeight(gauge + 1));
        EXPECT_GT(tickHeight(2 * gauge), tickHeight(2 * gauge - 1));
    }
    TEditorExProp hidden;
    hidden.Ruler.Visible = false;
    ShownEditor s(hidden, 900);
    EXPECT_FALSE(s.e.Ruler().isVisible());
}

TEST(EditorLook, LinksOpenOnDoubleClickOnlyWhenSwitchedOn) {
    RecordingShell shell;
    ShownEditor s{TEditorExProp{}};
    s.e.Lines().SetText("see http://example.com/x and mail me@example.com");
    auto pointAt = [&](long pos) {
        const QPoint inView(int(s.sci(B::SCI_POINTXFROMPOSITION, 0, pos)) + 2, int(s.sci(B::SCI_POINTYFROMPOSITION, 0, pos)) + 4);
        return inView;
    };
    QWidget* viewport = s.e.Scintilla()->viewport();
    for (const bool on : {false, true}) {
        s.e.SetOpenLinks(on);
        shell.clear();
        QTest::mouseMove(viewport, pointAt(8));
        EXPECT_EQ(viewport->cursor().shape() == Qt::PointingHandCursor, on);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, pointAt(8));
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, pointAt(40));
        if (!on) {
            EXPECT_TRUE(shell.calls().empty());
            continue;
        }
        ASSERT_EQ(shell.calls().size(), 2u);
        EXPECT_EQ(shell.calls()[0].target, QStringLiteral("http://example.com/x"));
        EXPECT_EQ(shell.calls()[1].target, QStringLiteral("mailto:me@example.com"));
    }
}

TEST(EditorLook, MarginsMoveAndSpaceTheText) {
    auto measure = [](const TEditorMargin& margin) {
        TEditorExProp prop;
        prop.Margin = margin;
        ShownEditor s(prop, 900);
        s.e.Lines().SetText("ab\r\ncd");
        s.e.SetRow(1);
        QApplication::processEvents();
        const QPoint caret = s.e.CaretPos();
        s.e.SetRow(0);
        return std::pair{caret, s.e.Scintilla()->viewport()->geometry().top()};
    };
    const auto [base, baseTop] = measure({0, 0, 0, 0});
    const auto [left, leftTop] = measure({9, 0, 0, 0});
    const auto [top, topTop] = measure({0, 7, 0, 0});
    const auto [line, lineTop] = measure({0, 0, 0, 5});
    EXPECT_EQ(left.x() - base.x(), 9);
    EXPECT_EQ(top.y() - base.y(), 7);
    EXPECT_EQ(topTop - baseTop, 7);
    EXPECT_EQ(line.y() - base.y(), 5);  // the second row starts lower by the spacing
}
