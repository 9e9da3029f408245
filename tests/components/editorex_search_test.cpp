// Searching in TEditorEx: directions, options, replace-all and hit marks.
#include "components/editorex.h"
#include "tests/components/sjis.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <gtest/gtest.h>

namespace {

using O = TExSearchOption;

// Runs `find` and returns the selection as "offset:text", or "none".
template <typename Find>
std::string hit(TEditorEx& e, Find find) {
    if (!find()) return "none";
    return std::to_string(e.GetSelStart()) + ":" + e.GetSelText().toStdString();
}

}  // namespace

TEST(EditorSearch, FindFindNextAndFindPrevWithoutWrapping) {
    TEditorEx e;
    e.Lines().SetText("ab AB ab");
    e.SetFindString("ab");
    e.SetExSearchOptions({O::MatchCase});
    e.SetSelStart(0);
    EXPECT_EQ(hit(e, [&] { return e.Find(); }), "0:ab");
    EXPECT_EQ(hit(e, [&] { return e.Find(); }), "0:ab");  // Find starts at the selection start
    EXPECT_EQ(hit(e, [&] { return e.FindNext(); }), "6:ab");
    EXPECT_EQ(hit(e, [&] { return e.FindNext(); }), "none");
    EXPECT_EQ(e.GetSelStart(), 6);  // a failed search moves nothing
    EXPECT_EQ(hit(e, [&] { return e.FindPrev(); }), "0:ab");
    EXPECT_EQ(hit(e, [&] { return e.FindPrev(); }), "none");
    e.SetExSearchOptions({});
    EXPECT_EQ(hit(e, [&] { return e.FindNext(); }), "3:AB");
}

TEST(EditorSearch, FindPrevTakesAHitThatRunsPastTheCaretsLine) {
    TEditorEx e;
    e.Lines().SetText("xx ab\r\ncd yy");
    e.SetFindString("ab\\r\\ncd");
    e.SetExSearchOptions({O::Regexp});
    e.SetSelStart(4);
    EXPECT_EQ(hit(e, [&] { return e.FindPrev(); }), "3:ab\r\ncd");
}

TEST(EditorSearch, AHitIsScrolledIntoView) {
    TEditorEx e;
    e.resize(400, 200);
    e.show();
    QApplication::processEvents();
    e.Lines().SetText(QByteArray("line\r\n").repeated(500) + QByteArray(3000, ' ') + "target");
    e.SetFindString("target");
    e.SetSelStart(0);
    ASSERT_TRUE(e.FindNext());
    QApplication::processEvents();
    EXPECT_LE(e.TopRow(), 500);
    EXPECT_GT(e.TopRow() + e.VisibleRows(), 500);
    EXPECT_GT(e.Scintilla()->SendScintilla(QsciScintillaBase::SCI_GETXOFFSET), 0);
    e.SetFindString("line");
    ASSERT_TRUE(e.FindPrev());
    QApplication::processEvents();
    EXPECT_EQ(e.Row(), 499);
    EXPECT_LE(e.TopRow(), 499);
    EXPECT_GT(e.TopRow() + e.VisibleRows(), 499);
}

TEST(EditorSearch, OffsetsOfHitsCountShiftJisBytes) {
    TEditorEx e;
    e.Lines().SetText(sj("表示ｶﾅ表示"));
    e.SetFindString(sj("表示"));
    e.SetSelStart(2);
    EXPECT_EQ(hit(e, [&] { return e.FindNext(); }), "6:" + sj("表示").toStdString());
}

TEST(EditorSearch, WholeWordRegexpAndFuzzy) {
    TEditorEx e;
    e.Lines().SetText(sj("int x; integer ｲﾝﾄ\r\nfoo bar"));
    e.SetFindString("int");
    e.SetExSearchOptions({O::WholeWord});
    e.SetSelStart(1);
    EXPECT_EQ(hit(e, [&] { return e.FindNext(); }), "none");
    e.SetFindString(sj("いんと"));
    e.SetExSearchOptions({O::Fuzzy});
    EXPECT_EQ(hit(e, [&] { return e.FindNext(); }), "15:" + sj("ｲﾝﾄ").toStdString());
    e.SetFindString("\\w+\\r\\nfoo");
    e.SetExSearchOptions({O::Regexp});
    e.SetSelStart(0);
    EXPECT_EQ(hit(e, [&] { return e.Find(); }), "15:" + sj("ｲﾝﾄ\r\nfoo").toStdString());
    e.SetFindString("(");
    EXPECT_FALSE(e.Find());
}

TEST(EditorSearch, ReplaceAllIsOneUndoStep) {
    TEditorEx e;
    e.Lines().SetText(sj("a=1\r\nb=2\r\n表=3"));
    e.SetFindString("(\\S+)=(\\d)");
    e.SetExSearchOptions({O::Regexp});
    EXPECT_EQ(e.ReplaceAll(sj("\\2は$1"), false), 3);
    EXPECT_EQ(e.Lines().Text(), sj("1はa\r\n2はb\r\n3は表"));
    e.Undo();
    EXPECT_EQ(e.Lines().Text(), sj("a=1\r\nb=2\r\n表=3"));
    e.SetFindString("\\r\\n");
    EXPECT_EQ(e.ReplaceAll(", ", false), 2);
    EXPECT_EQ(e.Lines().Count(), 1);
    e.SetFindString("nothing");
    e.SetExSearchOptions({});
    EXPECT_EQ(e.ReplaceAll("x", false), 0);
}

TEST(EditorSearch, VisibleHitsAreMarked) {
    TEditorEx e;
    e.resize(500, 300);
    e.show();
    e.Lines().SetText("one two one");
    e.SetFindString("one");
    auto* v = e.Scintilla();
    auto marked = [&](long pos) { return v->SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT, 8UL, pos) != 0; };
    EXPECT_TRUE(marked(0));
    EXPECT_FALSE(marked(4));
    EXPECT_TRUE(marked(8));
    // An edit inside a hit takes its mark away once the view updates.
    e.SetSelStart(1);
    e.SetSelLength(1);
    e.SetSelText("x");
    QApplication::processEvents();
    EXPECT_FALSE(marked(0));
    EXPECT_TRUE(marked(8));
    e.SetFindString("");
    EXPECT_FALSE(marked(0));
}

TEST(EditorSearch, AHitTakesADuplicateCodeWhole) {
    // 0x8790 is the NEC code of the character that 0x81E0 also stands for;
    // searching finds both, each with its own bytes.
    TEditorEx e;
    e.Lines().SetText("a\x87\x90" "b\x81\xE0" "c");
    e.SetFindString("\x81\xE0");
    for (const TExSearchOptions& options : {TExSearchOptions{}, TExSearchOptions{O::Regexp}}) {
        e.SetExSearchOptions(options);
        e.SetSelStart(0);
        EXPECT_EQ(hit(e, [&] { return e.FindNext(); }), "1:\x87\x90");
        EXPECT_EQ(hit(e, [&] { return e.FindNext(); }), "4:\x81\xE0");
        EXPECT_EQ(hit(e, [&] { return e.FindPrev(); }), "1:\x87\x90");
    }
    EXPECT_EQ(e.ReplaceAll("X", false), 2);
    EXPECT_EQ(e.Lines().Text(), "aXbXc");
    // Nothing invisible is left behind in the text.
    EXPECT_EQ(e.Scintilla()->SendScintilla(QsciScintillaBase::SCI_GETLENGTH), 5);
}

TEST(EditorSearch, ReplaceAllKeepsTheSelectionWhereItStoodInTheText) {
    TEditorEx e;
    e.Lines().SetText(sj("表 ab 表 ab 表"));
    e.SetFindString("ab");
    // Between the hits: moved by the growth before it.
    e.SetSelStart(6);
    e.SetSelLength(2);
    EXPECT_EQ(e.ReplaceAll("xyz", false), 2);
    EXPECT_EQ(e.Lines().Text(), sj("表 xyz 表 xyz 表"));
    EXPECT_EQ(e.GetSelStart(), 7);
    EXPECT_EQ(e.GetSelText(), sj("表"));
    // Inside a hit: at the start of its replacement.
    e.SetFindString("xyz");
    e.SetSelStart(11);
    EXPECT_EQ(e.ReplaceAll("", false), 2);
    EXPECT_EQ(e.GetSelStart(), 7);
    EXPECT_EQ(e.GetSelLength(), 0);
}

TEST(EditorSearch, AStopCheckEndsASearchFindingAndChangingNothing) {
    TEditorEx e;
    e.Lines().SetText("ab ab ab");
    e.SetFindString("ab");
    int asked = 0;
    e.SetSearchStopCheck([&] { return ++asked > 1; });
    EXPECT_EQ(e.ReplaceAll("x", false), 0);
    EXPECT_EQ(e.SearchFailure(), TSearchFailure::Stopped);
    EXPECT_EQ(e.Lines().Text(), "ab ab ab");
    for (const TExSearchOptions& options : {TExSearchOptions{}, TExSearchOptions{O::Regexp}, TExSearchOptions{O::Fuzzy}}) {
        e.SetExSearchOptions(options);
        e.SetSearchStopCheck([] { return true; });
        e.SetSelStart(8);
        EXPECT_FALSE(e.FindPrev());
        EXPECT_EQ(e.SearchFailure(), TSearchFailure::Stopped);
        e.SetSearchStopCheck({});
        EXPECT_TRUE(e.FindPrev());
        EXPECT_EQ(e.SearchFailure(), TSearchFailure::None);
    }
}

TEST(EditorSearch, FailuresOfRegularExpressionsAreToldApartFromNoMatch) {
    TEditorEx e;
    e.Lines().SetText(QByteArray(40, 'a') + "!");
    e.SetExSearchOptions({O::Regexp});
    e.SetFindString("a(b");
    EXPECT_FALSE(e.Find());
    EXPECT_EQ(e.SearchFailure(), TSearchFailure::BadPattern);
    EXPECT_EQ(e.SearchPatternError(), "missing closing parenthesis");

    e.SetFindString("(a+)+$");
    EXPECT_EQ(e.SearchPatternError(), "");
    EXPECT_FALSE(e.FindNext());
    EXPECT_EQ(e.SearchFailure(), TSearchFailure::TooComplex);
    e.SetSelStart(41);
    EXPECT_FALSE(e.FindPrev());
    EXPECT_EQ(e.SearchFailure(), TSearchFailure::TooComplex);
    EXPECT_EQ(e.ReplaceAll("x", false), 0);
    EXPECT_EQ(e.SearchFailure(), TSearchFailure::TooComplex);

    e.SetFindString("z");
    EXPECT_FALSE(e.FindNext());
    EXPECT_EQ(e.SearchFailure(), TSearchFailure::None);
}

TEST(EditorSearch, TheReplacementOfTheSelectedHitExpandsGroups) {
    TEditorEx e;
    e.Lines().SetText(sj("k=v 表=x"));
    e.SetFindString("(\\S)=(\\S)");
    e.SetExSearchOptions({O::Regexp});
    e.SetSelStart(4);
    ASSERT_TRUE(e.FindNext());
    EXPECT_EQ(e.SelectionReplacement("$2<\\1"), sj("x<表"));
    e.SetSelStart(1);
    e.SetSelLength(2);  // not a hit
    EXPECT_EQ(e.SelectionReplacement("$2<\\1"), "$2<\\1");
    e.SetExSearchOptions({});
    EXPECT_EQ(e.SelectionReplacement("$2"), "$2");
}
