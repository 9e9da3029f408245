// The editor appearance window over a private hive: what it shows, what
// reaches the working copy, the preview and the store, and what does not.
#include "components/editorex.h"
#include "components/fontnamelistbox.h"
#include "platform/regini.h"
#include "settings/colorpanel.h"
#include "settings/editorconfigform.h"
#include "settings/editorsetframe.h"
#include "settings/radiogroup.h"
#include "tests/support/accessibility.h"
#include "tests/support/qtprinters.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/settingshive.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

constexpr const char* kKey = "\\Software\\Telsor\\Quodex";
const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);

class EditorConfigTest : public ::testing::Test {
protected:
    // Stores `stored` and opens the window on it, as the command does.
    TFrame1& open(const TEditorExProp& stored = {}) {
        stored.WriteReg(kKey, "Editor", "Editor");
        form = std::make_unique<TEditorConfigForm>(nullptr);
        form->EdSetFrm->SetStorage(kKey, "Editor", "Editor");
        form->EdSetFrm->Load();
        return *form->EdSetFrm;
    }
    static TEditorExProp storedProp() {
        TEditorExProp prop;
        prop.ReadReg(kKey, "Editor", "Editor");
        return prop;
    }
    const TEditorExProp& copy() const { return form->EdSetFrm->WorkingCopy(); }
    void expectPreviewShowsCopy() const { EXPECT_TRUE(form->EdSetFrm->EditorEx1->Prop() == copy()); }

    ScopedSettingsHive hive;
    ScriptedPrompts prompts;
    std::unique_ptr<TEditorConfigForm> form;
};

TEST_F(EditorConfigTest, TheWindowShowsTheStoredSetWithEveryControlNamed) {
    TFrame1& f = open();
    EXPECT_EQ(form->windowTitle(), "EditorConfigFM");
    EXPECT_GE(form->width(), 554);
    EXPECT_GE(form->height(), 467);
    const QStringList pages = {"表示", "色", "制御文字", "予約文字", "整形"};
    ASSERT_EQ(f.PageControl->count(), pages.size());
    for (int i = 0; i < pages.size(); ++i) EXPECT_EQ(f.PageControl->tabText(i), pages[i]);
    EXPECT_EQ(f.SaveButton->text(), "保存");
    EXPECT_EQ(f.CancelButton->text(), "キャンセル");

    EXPECT_EQ(f.FontSizeEdt->text(), "11");  // 14 pixels
    EXPECT_EQ(f.FontMarginEdit->text(), "0");
    EXPECT_EQ(f.WrapByteEdit->text(), "80");
    EXPECT_EQ(f.ScrollRadioGroup->ItemIndex(), 3);
    EXPECT_EQ(f.RulerRadioGroup->ItemIndex(), 0);
    EXPECT_TRUE(f.LeftBarModeCheckBox->isChecked());
    EXPECT_TRUE(f.OpenMailorUrlCheckBox->isChecked());
    EXPECT_TRUE(f.FreeCaretCheckBox->isChecked());
    EXPECT_FALSE(f.FreeRowCheckBox->isChecked());
    EXPECT_EQ(f.FreeCaretCheckBox->toolTip(), "カーソルを好きな位置に移動できるようにします");
    EXPECT_EQ(f.HexEdit->text(), "0x");
    EXPECT_EQ(f.CommentEdit->text(), "//");
    ASSERT_EQ(f.BracketsListBox->count(), 1);
    EXPECT_EQ(f.BracketsListBox->item(0)->text(), "/* */");
    EXPECT_EQ(f.ReserveEditor->toPlainText(), TEditorExProp::DefaultReserveWordList().join('\n'));
    ASSERT_EQ(f.EdtColorListBox->count(), 16);
    EXPECT_EQ(f.EdtColorListBox->item(10)->text(), "コメント ");
    EXPECT_EQ(f.EdtColorListBox->item(15)->text(), "アンダーライン");
    EXPECT_EQ(f.EdtColorListBox->currentRow(), 0);
    EXPECT_EQ(f.EditorEx1->Lines().Count(), 8);
    expectPreviewShowsCopy();

    form->show();
    EXPECT_EQ(form->focusWidget(), f.FontList);
    EXPECT_TRUE(copy() == TEditorExProp());  // taking the focus chose no font
    for (int page = 0; page < f.PageControl->count(); ++page) {
        f.PageControl->setCurrentIndex(page);
        EXPECT_EQ(unnamedControls(form.get()), QStringList()) << "page " << page;
    }
}

TEST_F(EditorConfigTest, ChangesReachCopyAndPreviewAtOnceAndTheStoreOnlyThroughSave) {
    const TEditorExProp before = storedProp();
    TFrame1& f = open();
    f.FreeRowCheckBox->click();
    f.HideCheckBox->click();
    f.OnWrapCheckBox->click();
    f.LeftBarModeCheckBox->click();
    f.ScrollRadioGroup->Item(0)->click();
    f.RulerRadioGroup->Item(1)->click();
    f.RulerCheckBox->click();
    f.HexEdit->setText("&h");
    f.OpenMailorUrlCheckBox->click();
    EXPECT_TRUE(copy().Caret.FreeRow);
    EXPECT_TRUE(copy().Marks.HideMark.Visible);
    EXPECT_TRUE(copy().WordWrap);
    EXPECT_EQ(copy().Leftbar.ShowNumberMode, nmRow);
    EXPECT_EQ(copy().ScrollBars, ssNone);
    EXPECT_EQ(copy().Ruler.GaugeRange, 8);
    EXPECT_FALSE(copy().Ruler.Visible);
    EXPECT_FALSE(f.RulerGroupBox->isEnabled());
    EXPECT_EQ(copy().View.HexPrefix, "&h");
    expectPreviewShowsCopy();
    EXPECT_TRUE(storedProp() == before);

    f.SaveButton->click();
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_TRUE(storedProp() == copy());
    EXPECT_FALSE(TRegIniFile(kKey).ReadBool("Editor", "OpenMailOrMail", true));
}

TEST_F(EditorConfigTest, CancelStoresNothingNotEvenAnAppliedWordList) {
    TFrame1& f = open();
    const QByteArray stored = hive.fileContents();
    f.FontSizeEdt->setText("20");
    f.ReserveEditor->setPlainText("alpha\nbeta");
    f.ReserveApplyButton->click();
    EXPECT_EQ(copy().ReserveWordList, QStringList({"alpha", "beta"}));
    EXPECT_EQ(copy().Font.Size(), 20);
    f.CancelButton->click();
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_EQ(hive.fileContents(), stored);
}

TEST_F(EditorConfigTest, EditedWordsAreStoredOnlyAfterApply) {
    TFrame1& f = open();
    f.ReserveEditor->setPlainText("alpha\nbeta");
    f.SaveButton->click();
    EXPECT_EQ(storedProp().ReserveWordList, TEditorExProp::DefaultReserveWordList());

    open();
    form->EdSetFrm->ReserveEditor->setPlainText("alpha\nbeta");
    form->EdSetFrm->ReserveApplyButton->click();
    form->EdSetFrm->SaveButton->click();
    EXPECT_EQ(storedProp().ReserveWordList, QStringList({"alpha", "beta"}));
}

TEST_F(EditorConfigTest, MarkEntriesShowTheirOneColourWithBackgroundAndStylesDisabled) {
    TEditorExProp stored;
    stored.Marks.RetMark.Color = kRed;
    TFrame1& f = open(stored);
    for (int entry = 11; entry < 16; ++entry) {
        f.EdtColorListBox->setCurrentRow(entry);
        EXPECT_FALSE(f.FontBGColorPanel->isEnabled()) << entry;
        for (QCheckBox* box : {f.FBoldCheckBox, f.FItalicCheckBox, f.FUnderLineCheckBox})
            EXPECT_FALSE(box->isEnabled()) << entry;
        EXPECT_EQ(f.FontColorPanel->Color(), f.FontBGColorPanel->Color());
        f.FontBGColorPanelClick();  // opens nothing: no colour was scripted
    }
    f.EdtColorListBox->setCurrentRow(12);
    EXPECT_EQ(f.FontColorPanel->Color(), kRed);
    prompts.answerColour(kYellow);
    f.FontColorPanel->click();
    EXPECT_EQ(copy().Marks.RetMark.Color, kYellow);
    EXPECT_EQ(f.FontBGColorPanel->Color(), kYellow);

    f.EdtColorListBox->setCurrentRow(8);  // 予約語, bold
    EXPECT_TRUE(f.FontBGColorPanel->isEnabled());
    EXPECT_TRUE(f.FBoldCheckBox->isEnabled());
    EXPECT_TRUE(f.FBoldCheckBox->isChecked());
    EXPECT_TRUE(copy().View.Colors.Reserve.Style.Bold);  // showing it wrote nothing
    f.FBoldCheckBox->click();
    f.FUnderLineCheckBox->click();
    EXPECT_TRUE((copy().View.Colors.Reserve.Style == TFontStyles{false, false, true}));
    expectPreviewShowsCopy();
}

TEST_F(EditorConfigTest, ApplyToAllGivesRedOnYellowBoldToEveryElementAndRedToEveryMark) {
    TFrame1& f = open();
    prompts.answerColour(kRed);
    prompts.answerColour(kYellow);
    f.FontColorPanel->click();
    f.FontBGColorPanel->click();
    f.FBoldCheckBox->click();
    f.SetSomeColorSettingButton->click();
    for (int i = 0; i < TEditorColors::Count; ++i)
        EXPECT_TRUE((copy().View.Colors[i] == TEditorColor{kRed, kYellow, {true, false, false}})) << i;
    for (int i = 0; i < TEditorMarks::Count; ++i) EXPECT_EQ(copy().Marks[i].Color, kRed) << i;
    expectPreviewShowsCopy();
}

TEST_F(EditorConfigTest, TheBackgroundColourAlsoSetsTheLineNumberBackground) {
    TFrame1& f = open();
    prompts.answerColour(kYellow);
    f.EdtBGColorPanel->click();
    ASSERT_EQ(prompts.calls().size(), 1u);
    EXPECT_EQ(prompts.calls()[0].initialColour, QColor(Qt::white));
    EXPECT_EQ(copy().Color, kYellow);
    EXPECT_EQ(copy().Leftbar.BkColor, kYellow);
    EXPECT_EQ(f.LeftBarBGColorPanel->Color(), kYellow);
    prompts.answerColour(std::nullopt);
    f.EdtBGColorPanel->click();
    EXPECT_EQ(copy().Color, kYellow);
    expectPreviewShowsCopy();
}

TEST_F(EditorConfigTest, BracketsAddToAnEmptyListInTealAndCopyThePanelsOfASelectedPair) {
    TEditorExProp stored;
    stored.View.Brackets.Items.clear();
    TFrame1& f = open(stored);
    f.LeftBracketEdit->setText("(");
    prompts.expectNotice();
    f.AddBracketButton->click();
    EXPECT_EQ(prompts.calls().back().text, "括弧を両方に入力してください");
    EXPECT_TRUE(copy().View.Brackets.Items.isEmpty());

    f.RightBracketEdit->setText(")");
    f.AddBracketButton->click();
    ASSERT_EQ(copy().View.Brackets.Items.size(), 1);
    EXPECT_TRUE((copy().View.Brackets.Items[0] ==
                 TEditorBracketItem{"(", ")", editorcolors::clTeal, editorcolors::clWhite, {}}));
    EXPECT_EQ(f.BracketsListBox->currentRow(), 0);

    prompts.answerColour(kRed);
    f.BracketColorPanel->click();
    f.LeftBracketEdit->setText("[");
    f.RightBracketEdit->setText("]");
    f.BrItalicCheckBox->click();  // also restyles the selected pair
    f.AddBracketButton->click();
    ASSERT_EQ(copy().View.Brackets.Items.size(), 2);
    EXPECT_TRUE((copy().View.Brackets.Items[1] ==
                 TEditorBracketItem{"[", "]", kRed, editorcolors::clWhite, {false, true, false}}));
    EXPECT_EQ(f.BracketsListBox->item(1)->text(), "[ ]");
    EXPECT_EQ(f.BracketsListBox->currentRow(), 1);
    expectPreviewShowsCopy();

    f.DeleteBracketButton->click();
    ASSERT_EQ(copy().View.Brackets.Items.size(), 1);
    EXPECT_EQ(f.BracketsListBox->currentRow(), 0);
    EXPECT_EQ(f.LeftBracketEdit->text(), "(");

    prompts.answerColour(kYellow);
    f.BracketBGColorPanel->click();
    f.SetSameBracketsStyleButton->click();
    EXPECT_EQ(copy().View.Brackets.BkColor, kYellow);
    EXPECT_EQ(copy().View.Brackets.Color, kRed);
}

TEST_F(EditorConfigTest, AGaugeOtherThanTenLoadsAsEightBase) {
    TEditorExProp stored;
    stored.Ruler.GaugeRange = 16;
    TFrame1& f = open(stored);
    EXPECT_EQ(f.RulerRadioGroup->ItemIndex(), 1);
    EXPECT_EQ(f.RulerRadioGroup->Item(1)->text(), "8ベース");
    EXPECT_EQ(copy().Ruler.GaugeRange, 16);
}

TEST_F(EditorConfigTest, NumberFieldsStoreOnlyInRangeAndReportWhatIsNoNumber) {
    TFrame1& f = open();
    struct Case {
        QLineEdit* edit;
        const char* text;
        int expected;  // the property afterwards
        bool reported;
    };
    const auto size = [this] { return copy().Font.Size(); };
    const auto spacing = [this] { return copy().Margin.Character; };
    const auto width = [this] { return copy().WrapOption.WrapByte; };
    const struct {
        Case c;
        std::function<int()> property;
    } cases[] = {
        {{f.FontSizeEdt, "0", 11, false}, size},      {{f.FontSizeEdt, "141", 11, false}, size},
        {{f.FontSizeEdt, "12", 12, false}, size},     {{f.FontSizeEdt, "1２", 12, true}, size},
        {{f.FontSizeEdt, "", 12, false}, size},       {{f.FontMarginEdit, "-1", 0, false}, spacing},
        {{f.FontMarginEdit, "3", 3, false}, spacing}, {{f.FontMarginEdit, "x", 3, true}, spacing},
        {{f.WrapByteEdit, "19", 80, false}, width},   {{f.WrapByteEdit, "251", 80, false}, width},
        {{f.WrapByteEdit, "250", 250, false}, width}, {{f.WrapByteEdit, "20", 20, false}, width},
        {{f.WrapByteEdit, "2O", 20, true}, width},
    };
    for (const auto& [c, property] : cases) {
        prompts.clear();
        if (c.reported) prompts.expectError();
        c.edit->setText(c.text);
        EXPECT_EQ(property(), c.expected) << c.edit->objectName().toStdString() << " " << c.text;
        if (c.reported) EXPECT_EQ(prompts.calls().back().text, QString("'%1' は有効な整数値ではありません").arg(c.text));
    }
    expectPreviewShowsCopy();
}

TEST_F(EditorConfigTest, StandardButtonsPutBackTheBuiltInSets) {
    TFrame1& f = open();
    const struct {
        QLineEdit* edit;
        QPushButton* standard;
        const char* builtIn;
        QString TEditorWrapOption::*property;
    } sets[] = {
        {f.FollowStrEdit, f.FollowStrStandardButton, "、。，．・？！゛゜ヽヾゝゞ々ー）］｝」』!),.:;?]}｡｣､･ｰﾞﾟ",
         &TEditorWrapOption::FollowStr},
        {f.LeadStrEdit, f.LeadStrStandardButton, "（［｛「『([{｢", &TEditorWrapOption::LeadStr},
        {f.PunctuationStrEdit, f.PunctuationStrStandardButton, "、。，．,.｡､", &TEditorWrapOption::PunctuationStr},
    };
    for (const auto& set : sets) {
        set.edit->setText("x");
        EXPECT_EQ(copy().WrapOption.*set.property, "x");
        EXPECT_EQ(set.standard->text(), "標準");
        set.standard->click();
        EXPECT_EQ(set.edit->text(), QString::fromUtf8(set.builtIn));
        EXPECT_EQ(copy().WrapOption.*set.property, QString::fromUtf8(set.builtIn));
    }
    expectPreviewShowsCopy();
}

}  // namespace
