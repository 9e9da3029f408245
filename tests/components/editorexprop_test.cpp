// TEditorExProp: defaults, the stored set and applying it to an editor.
#include "components/editorex.h"
#include "components/editorexprop.h"
#include "components/editorlexer.h"
#include "platform/regini.h"
#include "tests/components/sjis.h"
#include "tests/support/settingshive.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <gtest/gtest.h>

namespace {

using B = QsciScintillaBase;
const QString kKey = QStringLiteral("\\Software\\Telsor\\Quodex");

// Every property moved away from its default.
TEditorExProp scrambled() {
    TEditorExProp p;
    const QColor red(200, 10, 20);
    const QColor yellow(250, 240, 10);
    p.Font = {QStringLiteral("ＭＳ 明朝"), 20, 1, red, {true, true, true}};
    p.Color = yellow;
    p.Caret = {false, false, false, true, true, true, true, true, false, false, 4, {1, 2, 3, 5, 6}};
    p.Leftbar = {false, nmRow, true, true, red, yellow, true};
    for (int i = 0; i < TEditorMarks::Count; ++i) p.Marks[i] = {QColor(i, 2 * i, 3 * i), i % 2 == 0};
    p.Ruler = {false, 8, red, yellow, QColor(1, 2, 3), false};
    p.Margin = {1, 3, 5, 7};
    for (int i = 0; i < TEditorColors::Count; ++i) {
        p.View.Colors[i] = {QColor(i, 100, 200), QColor(200, i, 100), {i % 2 == 0, i % 3 == 0, true}};
    }
    p.View.Brackets.Items = {{"(", ")", red, yellow, {true, false, true}}, {"「", "」", yellow, red, {}}};
    p.View.Brackets.Color = red;
    p.View.Brackets.BkColor = yellow;
    p.View.Brackets.Style = {false, true, false};
    p.View.Commenter = "#";
    p.View.HexPrefix = "$";
    p.View.Quotation = "'\"";
    p.View.Url = false;
    p.View.Mail = false;
    p.View.ControlCode = true;
    p.WrapOption = {false, false, false, false, 40, "a", "b", ""};
    p.ReserveWordList = {"", "予約", "x/y", "a\\b"};
    p.ScrollBars = ssVertical;
    p.WordWrap = true;
    return p;
}

struct HiveTest : ::testing::Test {
    ScopedSettingsHive hive;
};

}  // namespace

TEST(EditorExProp, DefaultsFollowTheBuiltInSet) {
    using namespace editorcolors;
    const TEditorExProp p;
    EXPECT_EQ(p.Font.Name, QStringLiteral("ＭＳ ゴシック"));
    EXPECT_EQ(p.Font.Height, 14);
    EXPECT_EQ(p.Font.Size(), 11);
    EXPECT_EQ(p.Font.Charset, 128);
    EXPECT_EQ(p.Font.Color, clBlack);
    EXPECT_EQ(p.Color, clWhite);
    EXPECT_EQ(p.ScrollBars, ssBoth);

    EXPECT_TRUE(p.Ruler.Visible);
    EXPECT_EQ(p.Ruler.GaugeRange, 10);
    EXPECT_EQ(p.Ruler.BkColor, clSilver);
    EXPECT_EQ(p.Ruler.Color, clBlack);
    EXPECT_EQ(p.Ruler.MarkColor, clBlue);
    EXPECT_TRUE(p.Ruler.Edge);

    EXPECT_TRUE(p.Leftbar.Visible);
    EXPECT_EQ(p.Leftbar.ShowNumberMode, nmLine);
    EXPECT_FALSE(p.Leftbar.ZeroBase);
    EXPECT_FALSE(p.Leftbar.ZeroLead);
    EXPECT_EQ(p.Leftbar.Color, clBlack);
    EXPECT_EQ(p.Leftbar.BkColor, clWhite);
    EXPECT_FALSE(p.Leftbar.Edge);

    const TEditorCaret& c = p.Caret;
    EXPECT_TRUE(c.AutoIndent);
    EXPECT_TRUE(c.BackSpaceUnIndent);
    EXPECT_TRUE(c.FreeCaret);
    EXPECT_FALSE(c.FreeRow);
    EXPECT_FALSE(c.InTab);
    EXPECT_FALSE(c.KeepCaret);
    EXPECT_FALSE(c.LockScroll);
    EXPECT_FALSE(c.NextLine);
    EXPECT_TRUE(c.SelMove);
    EXPECT_TRUE(c.RowSelect);
    EXPECT_EQ(c.TabSpaceCount, 8);

    EXPECT_TRUE(p.Marks.EofMark.Visible);
    for (int i = 0; i < TEditorMarks::Count; ++i) {
        if (i > 0) {
            EXPECT_FALSE(p.Marks[i].Visible) << i;
        }
        EXPECT_EQ(p.Marks[i].Color, clGray) << i;
    }

    EXPECT_EQ(p.Margin.Left, 6);
    EXPECT_EQ(p.Margin.Top, 2);
    EXPECT_EQ(p.Margin.Character, 0);
    EXPECT_EQ(p.Margin.Line, 0);

    EXPECT_FALSE(p.WordWrap);
    EXPECT_EQ(p.WrapOption.WrapByte, 80);
    EXPECT_EQ(p.WrapOption.FollowStr,
              QString::fromUtf8("、。，．・？！゛゜ヽヾゝゞ々ー）］｝」』!),.:;?]}｡｣､･ｰﾞﾟ"));
    EXPECT_EQ(p.WrapOption.LeadStr, QString::fromUtf8("（［｛「『([{｢"));
    EXPECT_EQ(p.WrapOption.PunctuationStr, QString::fromUtf8("、。，．,.｡､"));

    EXPECT_EQ(p.View.Commenter, "//");
    EXPECT_EQ(p.View.Quotation, "\"");
    EXPECT_TRUE(p.View.Url);
    EXPECT_TRUE(p.View.Mail);
    EXPECT_FALSE(p.View.ControlCode);
    ASSERT_EQ(p.View.Brackets.Items.size(), 1);
    const TEditorBracketItem& pair = p.View.Brackets.Items[0];
    EXPECT_EQ(pair.LeftBracket, "/*");
    EXPECT_EQ(pair.RightBracket, "*/");
    EXPECT_EQ(pair.ItemColor, clTeal);
    EXPECT_EQ(pair.ItemBkColor, clWhite);
    EXPECT_EQ(p.View.Brackets.Color, clTeal);
    EXPECT_EQ(p.View.Brackets.BkColor, clWhite);

    // The colour list: text colour, background and bold, in list order.
    const TEditorColor expected[TEditorColors::Count] = {
        {clBlack, clWhite, {}}, {clBlack, clWhite, {}},         {clBlack, clWhite, {}},
        {clBlack, clWhite, {}}, {clBlue, clWhite, {}},          {clBlue, clWhite, {}},
        {clBlack, clWhite, {}}, {clWhite, clNavy, {}},          {clBlack, clWhite, {true, false, false}},
        {clBlack, clGray, {}},  {clTeal, clWhite, {}}};
    for (int i = 0; i < TEditorColors::Count; ++i) EXPECT_TRUE(p.View.Colors[i] == expected[i]) << i;
    EXPECT_EQ(&p.View.Colors[9], &p.View.Colors.Hit);

    EXPECT_EQ(p.ReserveWordList,
              (QStringList{"", "action", "AddCancelItem", "AddItem", "boolean", "break", "case", "char", "Choice",
                           "else", "extern", "false", "for", "if", "import", "int", "string", "switch", "true",
                           "void", "while"}));
    // The classic named colours.
    EXPECT_EQ(clGray, QColor(128, 128, 128));
    EXPECT_EQ(clSilver, QColor(192, 192, 192));
    EXPECT_EQ(clNavy, QColor(0, 0, 128));
    EXPECT_EQ(clTeal, QColor(0, 128, 128));
}

TEST_F(HiveTest, WriteThenReadRestoresEveryProperty) {
    const TEditorExProp written = scrambled();
    written.WriteReg(kKey, "Editor", "Editor");
    TEditorExProp read;
    read.ReadReg(kKey, "Editor", "Editor");
    EXPECT_TRUE(read == written);
    EXPECT_TRUE(read.Caret == written.Caret);
    EXPECT_TRUE(read.View == written.View);
    // A shorter set written later leaves nothing of the longer one behind.
    TEditorExProp shorter = written;
    shorter.ReserveWordList = {"one"};
    shorter.View.Brackets.Items.clear();
    shorter.WriteReg(kKey, "Editor", "Editor");
    TEditorExProp again;
    again.ReadReg(kKey, "Editor", "Editor");
    EXPECT_TRUE(again == shorter);
}

TEST_F(HiveTest, MissingOrDamagedValuesGiveDefaults) {
    TEditorExProp fresh;
    fresh.ReadReg(kKey, "Editor", "Editor");
    EXPECT_TRUE(fresh == TEditorExProp());

    TRegIniFile(kKey).WriteString("Editor", "Editor",
                                  "Font.Height=huge\nCaret.TabSpaceCount=-3\nColor=not a colour\n"
                                  "ScrollBars=9\nView.Brackets.Count=5\nReserveWordList.Count=2000000000\n"
                                  "no equals sign\n=\nWordWrap=maybe\nFont.Name=\\");
    TEditorExProp damaged;
    damaged.ReadReg(kKey, "Editor", "Editor");
    EXPECT_EQ(damaged.Font.Height, 14);
    EXPECT_EQ(damaged.Caret.TabSpaceCount, 8);
    EXPECT_EQ(damaged.Color, editorcolors::clWhite);
    EXPECT_EQ(damaged.ScrollBars, ssBoth);
    EXPECT_TRUE(damaged.View.Brackets.Items.isEmpty());
    EXPECT_EQ(damaged.ReserveWordList, TEditorExProp::DefaultReserveWordList());
    EXPECT_FALSE(damaged.WordWrap);
    EXPECT_EQ(damaged.Font.Name, "\\");
}

TEST_F(HiveTest, AGarbledStoreReadsAsDefaults) {
    hive.setFileContents(QByteArray("[Quodex\\Editor]\n\x01\x02=\xff\xfe\n[[[\nEditor.Font.Height=@Invalid(\n"));
    TEditorExProp p;
    p.ReadReg(kKey, "Editor", "Editor");
    EXPECT_EQ(p.Font.Height, 14);
}

TEST(EditorExPropApply, ShowsTheSetInTheEditor) {
    TEditorEx e;
    e.resize(500, 300);
    e.show();
    TEditorExProp p;
    p.Color = QColor(10, 20, 30);
    p.View.Colors.Reserve = {QColor(255, 0, 0), QColor(0, 255, 0), {true, true, false}};
    p.Caret.TabSpaceCount = 4;
    p.Caret.AutoIndent = false;
    p.ScrollBars = ssVertical;
    p.WordWrap = true;
    p.Leftbar.ZeroBase = true;
    p.Leftbar.ZeroLead = true;
    p.Marks.HideMark.Visible = true;
    p.Marks.Underline.Visible = true;
    e.ApplyProp(p);
    e.Lines().SetText("int a;\r\nb");
    QApplication::processEvents();
    auto* v = e.Scintilla();
    auto send = [&](unsigned int msg, unsigned long w = 0, long l = 0) { return v->SendScintilla(msg, w, l); };
    EXPECT_EQ(send(B::SCI_STYLEGETBACK, B::STYLE_DEFAULT), 30 << 16 | 20 << 8 | 10);
    EXPECT_EQ(send(B::SCI_STYLEGETFORE, TEditorLexer::ReserveStyle), 0x0000FF);
    // The widget passes the toolkit's own weight, negated.
    EXPECT_EQ(std::abs(send(B::SCI_STYLEGETWEIGHT, TEditorLexer::ReserveStyle)), QFont::Bold);
    EXPECT_TRUE(send(B::SCI_STYLEGETITALIC, TEditorLexer::ReserveStyle));
    EXPECT_EQ(send(B::SCI_GETTABWIDTH), 4);
    EXPECT_FALSE(v->autoIndent());
    EXPECT_FALSE(send(B::SCI_GETHSCROLLBAR));
    EXPECT_TRUE(send(B::SCI_GETVSCROLLBAR));
    EXPECT_NE(send(B::SCI_GETWRAPMODE), B::SC_WRAP_NONE);
    EXPECT_EQ(send(B::SCI_GETEDGEMODE), B::EDGE_LINE);
    EXPECT_EQ(send(B::SCI_GETMARGINTYPEN, 0), B::SC_MARGIN_RTEXT);
    QByteArray number(int(send(B::SCI_MARGINGETTEXT, 1)), '\0');
    v->SendScintilla(B::SCI_MARGINGETTEXT, 1UL, number.data());
    EXPECT_EQ(number, "0001");
    EXPECT_TRUE(send(B::SCI_MARKERGET, 0) & (1 << 20));  // the caret row's underline
    // Line-end and end-of-file marks, ruler and hits draw without trouble.
    p.Marks.RetMark.Visible = true;
    e.ApplyProp(p);
    e.SetFindString("a");
    EXPECT_FALSE(e.grab().isNull());
    // The widget draws with an installed family.
    char family[200] = {};
    v->SendScintilla(B::SCI_STYLEGETFONT, 0UL, family);
    EXPECT_STRNE(family, "");
}

TEST(EditorLexer, ColoursASampleText) {
    TEditorEx e;
    e.resize(500, 300);
    e.show();
    e.Lines().SetText(sj("int x = 0x1F; // c\r\n\"s\" 表 /* a\r\nb */ http://ex.org me@ex.jp"));
    auto* v = e.Scintilla();
    v->SendScintilla(B::SCI_COLOURISE, 0UL, -1L);
    auto styleAt = [&](long pos) { return int(v->SendScintilla(B::SCI_GETSTYLEAT, pos)); };
    using L = TEditorLexer;
    EXPECT_EQ(styleAt(0), L::ReserveStyle);
    EXPECT_EQ(styleAt(4), L::AnkStyle);
    EXPECT_EQ(styleAt(6), L::SymbolStyle);
    EXPECT_EQ(styleAt(8), L::IntStyle);
    EXPECT_EQ(styleAt(15), L::CommentStyle);
    EXPECT_EQ(styleAt(20), L::StrStyle);
    EXPECT_EQ(styleAt(24), L::DbcsStyle);  // UTF-8 offset of 表
    EXPECT_EQ(styleAt(28), L::BracketBase);
    EXPECT_EQ(styleAt(34), L::BracketBase);  // the pair goes on in the next line
    EXPECT_EQ(styleAt(39), L::UrlStyle);
    EXPECT_EQ(styleAt(54), L::MailStyle);
}
