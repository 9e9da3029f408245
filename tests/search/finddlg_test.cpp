// The find and replace dialog on its own: its two modes, what it shows at
// opening, and what it stores and hands over at execution.
#include "platform/regini.h"
#include "search/finddlg.h"
#include "search/searchstate.h"
#include "tests/components/sjis.h"
#include "tests/search/fakesearchwindow.h"
#include "tests/support/accessibility.h"
#include "tests/support/modaldriver.h"
#include "tests/support/qtprinters.h"
#include "tests/support/settingshive.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

class FindDialogTest : public ::testing::Test {
protected:
    std::unique_ptr<TFDlg> open(TFDlg::Mode mode) {
        return std::make_unique<TFDlg>(&window.owner, mode, window.editor(), window.settings, state, replaceAll);
    }
    ScopedSettingsHive hive;
    TRegIniFile reg{stored::kRegKey};
    FakeSearchWindow window;
    SearchState state;
    bool replaceAll = false;
};

QStringList itemsOf(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    return items;
}

TEST_F(FindDialogTest, FindModeHidesTheReplacementRowAndIs245PixelsHigh) {
    auto find = open(TFDlg::Mode::Find);
    find->show();
    EXPECT_EQ(find->windowTitle(), "検索");
    EXPECT_TRUE(find->ReplaceCombo->isHidden());
    EXPECT_TRUE(find->Label2->isHidden());
    EXPECT_TRUE(find->AllBtn->isHidden());
    EXPECT_EQ(find->height(), TFDlg::kFindModeHeight);

    auto replace = open(TFDlg::Mode::Replace);
    replace->show();
    EXPECT_EQ(replace->windowTitle(), "置換");
    EXPECT_FALSE(replace->ReplaceCombo->isHidden());
    EXPECT_EQ(replace->Label2->text(), "置換文字列(&E)");
    EXPECT_FALSE(replace->AllBtn->isHidden());
    EXPECT_GT(replace->height(), TFDlg::kFindModeHeight);
    // Everything fits in both modes.
    for (TFDlg* dialog : {find.get(), replace.get()}) {
        for (QWidget* part : {static_cast<QWidget*>(dialog->OptionBox), static_cast<QWidget*>(dialog->StartRg),
                              static_cast<QWidget*>(dialog->NoBtn)})
            EXPECT_LE(part->geometry().bottom(), dialog->height()) << part->objectName().toStdString();
    }
}

TEST_F(FindDialogTest, TabGoesThroughTheControlsInTheirOrder) {
    auto dialog = open(TFDlg::Mode::Replace);
    QStringList order;
    QWidget* at = dialog->FindCombo;
    for (int step = 0; step < 60; ++step, at = at->nextInFocusChain()) {
        if (!(at->focusPolicy() & Qt::TabFocus)) continue;
        QString name = qobject_cast<QRadioButton*>(at) ? at->parentWidget()->objectName() : at->objectName();
        if (name.isEmpty() && at->parentWidget()) name = at->parentWidget()->objectName();  // a combo's edit
        if (!name.isEmpty() && !order.contains(name)) order << name;
    }
    EXPECT_EQ(order, QStringList({"FindCombo", "ReplaceCombo", "BigAndSmallChk", "WordOnlyChk", "OnAwkChk",
                                  "OnAimaiChk", "NextRg", "StartRg", "OkBtn", "NoBtn", "AllBtn"}));
}

TEST_F(FindDialogTest, OpeningShowsTheStoredOptionsOrTheirDefaults) {
    auto defaults = open(TFDlg::Mode::Find);
    EXPECT_TRUE(defaults->BigAndSmallChk->isChecked());
    EXPECT_TRUE(defaults->WordOnlyChk->isChecked());
    EXPECT_FALSE(defaults->OnAwkChk->isChecked());
    EXPECT_FALSE(defaults->OnAimaiChk->isChecked());
    EXPECT_EQ(defaults->StartIndex(), 0);
    EXPECT_EQ(defaults->NextIndex(), 0);

    reg.WriteBool("Find", "MatchCase", false);
    reg.WriteBool("Find", "WholeWord", false);
    reg.WriteBool("Find", "Regexp", true);
    reg.WriteBool("Find", "Fuzzy", true);
    reg.WriteInteger("Find", "Start", 1);
    reg.WriteInteger("Find", "Next", 1);
    auto stored = open(TFDlg::Mode::Find);
    EXPECT_FALSE(stored->BigAndSmallChk->isChecked());
    EXPECT_FALSE(stored->WordOnlyChk->isChecked());
    EXPECT_TRUE(stored->OnAwkChk->isChecked());
    EXPECT_TRUE(stored->OnAimaiChk->isChecked());
    EXPECT_EQ(stored->StartIndex(), 1);
    EXPECT_EQ(stored->NextIndex(), 1);
}

TEST_F(FindDialogTest, TheFindBoxHoldsTheSelectionOrNothing) {
    window.settings.FindHistory = {"old", "older"};
    state.FindText = "last";
    window.editor().Lines().SetText(sj("前の 表示 後"));

    auto empty = open(TFDlg::Mode::Find);
    EXPECT_EQ(empty->FindCombo->currentText(), "");
    EXPECT_EQ(itemsOf(empty->FindCombo), QStringList({"old", "older"}));

    window.editor().SetSelStart(5);  // 前の and a space before it
    window.editor().SetSelLength(4);
    auto selected = open(TFDlg::Mode::Find);
    EXPECT_EQ(selected->FindCombo->currentText(), "表示");
    EXPECT_EQ(selected->FindCombo->lineEdit()->selectedText(), "表示");
}

TEST_F(FindDialogTest, ExecutionHandsOverTheOptionsAndTheCaret) {
    window.editor().Lines().SetText("0123456789");
    window.editor().SetSelStart(4);
    auto dialog = open(TFDlg::Mode::Replace);
    dialog->FindCombo->setEditText("find");
    dialog->ReplaceCombo->setEditText("置き換え");
    dialog->WordOnlyChk->setChecked(false);
    dialog->OnAimaiChk->setChecked(true);
    dialog->StartRg->findChildren<QRadioButton*>().at(1)->setChecked(true);
    dialog->OkBtnClick();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(state.Confirmed);
    EXPECT_EQ(state.FindText, "find");
    EXPECT_EQ(state.ReplaceText, sj("置き換え"));
    EXPECT_TRUE(state.MatchCase && state.Fuzzy && !state.WholeWord && !state.Regexp);
    EXPECT_EQ(state.FromCaret, 1);
    EXPECT_EQ(state.StartPos, 4);
    EXPECT_EQ(state.Backward, 0);
    EXPECT_FALSE(replaceAll);

    auto backward = open(TFDlg::Mode::Replace);
    backward->NextRg->findChildren<QRadioButton*>().at(1)->setChecked(true);
    backward->StartRg->findChildren<QRadioButton*>().at(0)->setChecked(true);
    backward->AllBtnClick();
    EXPECT_TRUE(replaceAll);
    EXPECT_EQ(state.Backward, 1);
    EXPECT_EQ(state.FromCaret, 10);  // the text length: from the caret
    EXPECT_EQ(state.StartPos, 0);
    EXPECT_EQ(reg.ReadInteger("Find", "Next", -1), 1);
    EXPECT_EQ(reg.ReadInteger("Find", "Start", -1), 0);
    EXPECT_FALSE(reg.ReadBool("Find", "WholeWord", true));
    EXPECT_TRUE(reg.ReadBool("Find", "Fuzzy", false));

    auto cancelled = open(TFDlg::Mode::Find);
    cancelled->NoBtnClick();
    EXPECT_EQ(cancelled->result(), QDialog::Rejected);
    EXPECT_FALSE(state.Confirmed);
}

TEST_F(FindDialogTest, HistoriesKeepDuplicatesAndOnlyTheFirstTenAreStored) {
    const QStringList texts = {"a", "b", "a", "c", "d", "e", "f", "g", "h", "i", "j", "k"};
    for (const QString& text : texts) {
        auto dialog = open(TFDlg::Mode::Replace);
        dialog->FindCombo->setEditText(text);
        dialog->ReplaceCombo->setEditText(text + "2");
        dialog->OkBtnClick();
    }
    auto empty = open(TFDlg::Mode::Find);
    empty->OkBtnClick();  // an empty text joins no history

    ASSERT_EQ(window.settings.FindHistory.size(), 12);
    EXPECT_EQ(window.settings.FindHistory.mid(0, 3), QStringList({"k", "j", "i"}));
    EXPECT_EQ(window.settings.FindHistory.mid(9), QStringList({"a", "b", "a"}));
    EXPECT_EQ(window.settings.ReplaceHistory.value(0), "k2");
    for (int n = 0; n < 10; ++n) {
        EXPECT_EQ(reg.ReadString("Find", QString("Items[%1]").arg(n), ""), window.settings.FindHistory[n]);
        EXPECT_EQ(reg.ReadString("Replace", QString("Items[%1]").arg(n), ""), window.settings.ReplaceHistory[n]);
    }
    EXPECT_FALSE(reg.ValueExists("Find", "Items[10]"));
}

TEST_F(FindDialogTest, EnterInTheBoxesAndCheckBoxesExecutesAndEscapeCloses) {
    for (const char* control : {"FindCombo", "ReplaceCombo", "OnAwkChk", "OnAimaiChk"}) {
        state.Confirmed = false;
        auto dialog = open(TFDlg::Mode::Replace);
        whenModalShown<TFDlg>([control](TFDlg* shown) {
            QWidget* target = shown->findChild<QWidget*>(control);
            if (auto* combo = qobject_cast<QComboBox*>(target)) target = combo->lineEdit();
            target->setFocus();
            QTest::keyClick(target, Qt::Key_Return);
        });
        EXPECT_EQ(dialog->exec(), QDialog::Accepted) << control;
        EXPECT_TRUE(state.Confirmed) << control;
    }

    state.Confirmed = false;
    auto dialog = open(TFDlg::Mode::Find);
    whenModalShown<TFDlg>([](TFDlg* shown) { QTest::keyClick(shown->FindCombo->lineEdit(), Qt::Key_Escape); });
    EXPECT_EQ(dialog->exec(), QDialog::Rejected);
    EXPECT_FALSE(state.Confirmed);
}

TEST_F(FindDialogTest, EveryControlIsNamedAndTheBoxesByTheirLabels) {
    for (TFDlg::Mode mode : {TFDlg::Mode::Find, TFDlg::Mode::Replace}) {
        auto dialog = open(mode);
        dialog->show();
        EXPECT_EQ(unnamedControls(dialog.get()), QStringList());
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(dialog->FindCombo)->text(QAccessible::Name).startsWith("検索文字列"));
    }
}

}  // namespace
