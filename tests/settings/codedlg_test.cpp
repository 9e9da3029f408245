// The code template picker on a real editor: its two modes, accepting and
// dismissing, and where it opens.
#include "settings/codedlg.h"

#include "components/editorex.h"
#include "platform/regini.h"
#include "settings/codetemplates.h"
#include "settings/settingsrecord.h"
#include "tests/support/accessibility.h"
#include "tests/support/qtprinters.h"
#include "tests/support/settingshive.h"

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr const char* kKey = "\\Software\\Telsor\\Quodex";

class PickerTest : public ::testing::Test {
protected:
    PickerTest() {
        settings.RegKey = kKey;
        window.resize(600, 400);
        editor = new TEditorEx(&window);
        editor->resize(600, 400);
        window.show();
        QApplication::processEvents();
        picker.SetTemplateEditor(editor);
    }

    void storeTemplates(const QStringList& names, const QStringList& bodies) {
        TRegIniFile reg(kKey);
        StoreTemplates(reg, names, bodies);
    }
    // The text with the caret at `row`, `col`.
    void edit(const QByteArray& text, int row, int col) {
        editor->Lines().SetText(text);
        editor->SetRow(row);
        editor->SetCol(col);
    }
    QStringList items() const {
        QStringList shown;
        for (int i = 0; i < picker.ListBox->count(); ++i) shown << picker.ListBox->item(i)->text();
        return shown;
    }
    QString current() const {
        return picker.ListBox->currentItem() ? picker.ListBox->currentItem()->text() : QString();
    }
    void press(int key) { QTest::keyClick(picker.ListBox, Qt::Key(key)); }
    void clickOutside() {
        const QPointF outside(-20, -20);
        QMouseEvent click(QEvent::MouseButtonPress, outside, picker.mapToGlobal(outside), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&picker, &click);
    }

    ScopedSettingsHive hive;
    TSettings settings;
    QStringList snippets{"print(\tp.bmp\t文字列", "Abs(\ta.bmp\t絶対値", "printf(\tq.bmp\t書式"};
    QWidget window;
    TEditorEx* editor = nullptr;
    TCDlg picker{&window, settings, snippets};
};

TEST_F(PickerTest, TemplatesComeFromTheStoreWithTheFirstSelected) {
    storeTemplates({"if", "for"}, {"if {\r\n}", "for {\r\n}"});
    edit("", 0, 0);
    picker.Popup(TCDlg::TemplateMode);
    EXPECT_TRUE(picker.isVisible());
    EXPECT_EQ(picker.size(), QSize(367, 154));
    EXPECT_TRUE(picker.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(picker.ListBox->font().family(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(items(), QStringList({"for", "if"}));
    EXPECT_EQ(picker.ListBox->currentRow(), 0);
    press(Qt::Key_Escape);
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(editor->Lines().Text(), "");
}

TEST_F(PickerTest, TheListAndItsItemsReadAsTheirTexts) {
    storeTemplates({"if", "for"}, {"if {\r\n}", "for {\r\n}"});
    edit("", 0, 0);
    picker.Popup(TCDlg::TemplateMode);
    EXPECT_EQ(unnamedControls(&picker), QStringList());
    const QStringList texts = accessibleTexts(&picker);
    EXPECT_TRUE(texts.contains("for") && texts.contains("if")) << texts.join(", ").toStdString();
}

TEST_F(PickerTest, ATemplateTakesTheIndentationOfTheCaretLineAndTheCaretStaysAtItsStart) {
    storeTemplates({"if"}, {"if {\r\n}"});
    edit("\t  x = 1;", 0, 8);
    picker.Popup(TCDlg::TemplateMode);
    press(Qt::Key_Return);
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(editor->Lines().Text(), "\t  x = 1if {\r\n\t  }\r\n;");
    EXPECT_EQ(editor->Row(), 0);
    EXPECT_EQ(editor->Col(), 8);
}

TEST_F(PickerTest, OnAnEmptyLineTheCaretColumnIsTheIndentation) {
    storeTemplates({"if"}, {"if {\r\n\tx;\r\n}"});
    edit("a\r\n\r\nb", 1, 4);  // free caret
    ASSERT_EQ(editor->Col(), 4);
    picker.Popup(TCDlg::TemplateMode);
    QTest::mouseDClick(picker.ListBox->viewport(), Qt::LeftButton, {},
                       picker.ListBox->visualItemRect(picker.ListBox->item(0)).center());
    EXPECT_EQ(editor->Lines().Text(), "a\r\n    if {\r\n    \tx;\r\n    }\r\n\r\nb");
    EXPECT_EQ(editor->Row(), 1);
    EXPECT_EQ(editor->Col(), 4);
}

TEST_F(PickerTest, CompletionListsSnippetsSortedAndReplacesTheWordAtTheCaret) {
    edit("x = PRIN(1)", 0, 5);
    picker.Popup(TCDlg::SnippetMode);
    EXPECT_EQ(items(), QStringList({"Abs(    絶対値", "print(    文字列", "printf(    書式"}));
    EXPECT_EQ(current(), "print(    文字列");
    EXPECT_FALSE(picker.CaretMovedBack);
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    EXPECT_EQ(editor->Lines().Text(), "x = printf((1)");
}

TEST_F(PickerTest, AWordEndingAtTheCaretIsFoundOneToTheLeftAndEscapePutsTheCaretBack) {
    edit("x = ab", 0, 6);
    picker.Popup(TCDlg::SnippetMode);
    EXPECT_TRUE(picker.CaretMovedBack);
    EXPECT_EQ(current(), "Abs(    絶対値");
    EXPECT_EQ(editor->Col(), 5);
    press(Qt::Key_Escape);
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(editor->Col(), 6);
    EXPECT_EQ(editor->Lines().Text(), "x = ab");
}

TEST_F(PickerTest, LosingTheFocusPutsTheCaretBackToo) {
    edit("pr\r\n", 0, 2);
    picker.Popup(TCDlg::SnippetMode);
    ASSERT_TRUE(picker.CaretMovedBack);
    clickOutside();
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(editor->Row(), 0);
    EXPECT_EQ(editor->Col(), 2);
}

TEST_F(PickerTest, AcceptingAfterTheStepToTheLeftCompletesTheWordAndKeepsTheCaretAfterIt) {
    edit("x = ab", 0, 6);
    picker.Popup(TCDlg::SnippetMode);
    press(Qt::Key_Return);
    EXPECT_EQ(editor->Lines().Text(), "x = Abs(");
    EXPECT_EQ(editor->Col(), 8);
}

TEST_F(PickerTest, WithoutAWordEvenToTheLeftTheCaretStaysAndNothingIsChosen) {
    edit("a  ", 0, 3);
    picker.Popup(TCDlg::SnippetMode);
    EXPECT_FALSE(picker.CaretMovedBack);
    EXPECT_EQ(editor->Col(), 3);
    EXPECT_TRUE(picker.ListBox->selectedItems().isEmpty());
    press(Qt::Key_Return);  // no item: nothing
    EXPECT_TRUE(picker.isVisible());
    picker.ListBox->setCurrentRow(1);
    press(Qt::Key_Return);
    EXPECT_EQ(editor->Lines().Text(), "a  print(");
}

TEST_F(PickerTest, ATemplateShowingNeverUndoesAStepOfAnEarlierCompletion) {
    storeTemplates({"if"}, {"if"});
    edit("x = ab", 0, 6);
    picker.Popup(TCDlg::SnippetMode);
    press(Qt::Key_Return);  // accepted with the caret stepped back
    const int col = editor->Col();
    picker.Popup(TCDlg::TemplateMode);
    EXPECT_FALSE(picker.CaretMovedBack);
    press(Qt::Key_Escape);
    EXPECT_EQ(editor->Col(), col);
}

TEST_F(PickerTest, ItOpensRightOfTheCaretBelowItsLine) {
    edit("abc\r\nabc", 1, 2);
    picker.Popup(TCDlg::TemplateMode);
    const QPoint caret = editor->mapToGlobal(editor->CaretPos());
    const QRect room = editor->screen()->availableGeometry();
    EXPECT_EQ(picker.x(), caret.x() + 10);
    EXPECT_GT(picker.y(), caret.y());
    EXPECT_LT(picker.y(), caret.y() + 40);
    EXPECT_TRUE(room.contains(picker.geometry())) << picker.y();
}

TEST_F(PickerTest, WithoutAnEditorNothingOpens) {
    picker.SetTemplateEditor(nullptr);
    picker.Popup(TCDlg::TemplateMode);
    EXPECT_FALSE(picker.isVisible());
}

}  // namespace
