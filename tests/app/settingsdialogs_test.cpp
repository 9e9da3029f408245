// The settings dialog, the version window and the template picker on the
// real main window: their commands and keys, the picker's life, and the
// templates seeded at the first start.
#include "components/editorex.h"
#include "components/fontnamelistbox.h"
#include "platform/regini.h"
#include "settings/aboutbox.h"
#include "settings/codedlg.h"
#include "settings/codetemplates.h"
#include "settings/editorconfigform.h"
#include "settings/editorsetframe.h"
#include "settings/setdlg.h"
#include "settings/settingsdialogs.h"
#include "tests/app/mainwindowfixture.h"
#include "tests/support/modaldriver.h"
#include "tests/support/qtprinters.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <Qsci/qsciscintilla.h>

namespace {

constexpr const char* kKey = "\\Software\\Telsor\\Quodex";

class SettingsDialogsTest : public MainWindowTest {
protected:
    TCDlg* picker() const { return mf->SettingsDialogs->Picker(); }
    static void pressCtrl(TEditorEx& view, Qt::Key key, const char* control) {
        QKeyEvent down(QEvent::KeyPress, key, Qt::ControlModifier, control);
        QApplication::sendEvent(view.Scintilla(), &down);
    }
    QStringList storedNames() const {
        QStringList names, bodies;
        LoadTemplates(TRegIniFile(kKey), names, bodies);
        return names;
    }
};

TEST_F(SettingsDialogsTest, TheButtonAndTheMenuItemOpenTheSettingsDialogWhoseOKReachesTheWindow) {
    TMF& mf = showWindow();
    for (QAction* command : {mf.ActionList1.SystemButton, mf.ActionList1.N12}) {
        EXPECT_TRUE(command->isEnabled());
        bool shown = false;
        whenModalShown<TSDlg>([&](TSDlg* dialog) {
            shown = true;
            EXPECT_EQ(dialog->parentWidget(), &mf);
            EXPECT_EQ(dialog->PathEdit->text(), mf.Settings.CurrentFolder);
            EXPECT_EQ(dialog->WheelScrollCountEdit->text(), "2");
            dialog->WheelScrollCountEdit->setText("5");
            dialog->KioEdit->setText("/k/run.kio");
            dialog->OKButton->click();
        });
        command->trigger();
        EXPECT_TRUE(shown);
        EXPECT_EQ(mf.Wheel.LineCount, 5);
        EXPECT_EQ(mf.Settings.KioFile, "/k/run.kio");
        mf.Wheel.LineCount = 2;
    }
}

TEST_F(SettingsDialogsTest, VersionInformationShowsTheVersionWindow) {
    TMF& mf = showWindow();
    EXPECT_TRUE(mf.ActionList1.About1->isEnabled());
    bool shown = false;
    whenModalShown<TAboutBox>([&](TAboutBox* box) {
        shown = true;
        EXPECT_EQ(box->parentWidget(), &mf);
        box->OKButton->click();
    });
    mf.ActionList1.About1->trigger();
    EXPECT_TRUE(shown);
}

TEST_F(SettingsDialogsTest, EditorConfigCancelLeavesDocumentsAndStoreAloneAndSaveReachesEveryView) {
    TMF& mf = showWindow();
    ASSERT_TRUE(mf.ActionList1.ShowEditorConfig->isEnabled());
    const auto stored = [] {
        TEditorExProp prop;
        prop.ReadReg(kKey, "Editor", "Editor");
        return prop;
    };
    const TEditorExProp shown = mf.CurEditor->Prop();
    bool opened = false;
    whenModalShown<TEditorConfigForm>([&](TEditorConfigForm* form) {
        opened = true;
        TFrame1& f = *form->EdSetFrm;
        EXPECT_EQ(form->parentWidget(), &mf);
        EXPECT_TRUE(f.WorkingCopy() == shown);
        ASSERT_GT(f.FontList->count(), 1);
        f.FontList->setCurrentRow(f.FontList->currentRow() == 0 ? 1 : 0);
        EXPECT_NE(f.WorkingCopy().Font.Name, shown.Font.Name);
        f.CancelButton->click();
    });
    mf.ActionList1.ShowEditorConfig->trigger();
    ASSERT_TRUE(opened);
    EXPECT_TRUE(mf.CurEditor->Prop() == shown);
    EXPECT_TRUE(mf.EditProp == shown);
    EXPECT_TRUE(stored() == shown);  // as written when the window opened

    mf.CurEditor->Lines().SetText("x");  // so that a second untitled document is made
    mf.NewTextExecute();
    mf.ActionList1.DivideEditor->trigger();
    ASSERT_EQ(mf.DocTabs.Count(), 2);
    whenModalShown<TEditorConfigForm>([&](TEditorConfigForm* form) {
        form->EdSetFrm->LeftBarCheckBox->click();
        form->EdSetFrm->OpenMailorUrlCheckBox->click();
        form->EdSetFrm->SaveButton->click();
    });
    mf.ActionList1.ShowEditorConfig->trigger();
    EXPECT_FALSE(mf.EditProp.Leftbar.Visible);
    EXPECT_FALSE(mf.Settings.OpenMailOrMail);
    EXPECT_FALSE(stored().Leftbar.Visible);
    int views = 0;
    for (const TDocTab& doc : mf.DocTabs.All())
        for (const TEditorEx* view : {doc.Editor, doc.LowerEditor})
            if (view) {
                ++views;
                EXPECT_TRUE(view->Prop() == mf.EditProp);
            }
    EXPECT_EQ(views, 3);
}

TEST_F(SettingsDialogsTest, ThePickerLivesFromTheFirstShowingToTheClose) {
    auto early = std::make_unique<TMF>(QStringList{"quodex"});
    EXPECT_EQ(early->SettingsDialogs->Picker(), nullptr);
    early.reset();
    TMF& mf = showWindow();
    ASSERT_NE(picker(), nullptr);
    mf.close();
    EXPECT_EQ(picker(), nullptr);
}

TEST_F(SettingsDialogsTest, CtrlJOpensTheTemplatesBesideTheCaretAndInsertsIntoThatView) {
    TMF& mf = showWindow();
    TRegIniFile reg(kKey);
    StoreTemplates(reg, {"if"}, {"if {\r\n}"});
    mf.CurEditor->Lines().SetText("\tx");
    mf.CurEditor->SetCol(2);
    pressCtrl(*mf.CurEditor, Qt::Key_J, "\n");
    ASSERT_TRUE(picker()->isVisible());
    EXPECT_EQ(picker()->CurrentMode(), TCDlg::TemplateMode);
    EXPECT_EQ(picker()->x(), mf.CurEditor->mapToGlobal(mf.CurEditor->CaretPos()).x() + 10);
    QTest::keyClick(picker()->ListBox, Qt::Key_Return);
    EXPECT_EQ(mf.CurEditor->Lines().Text(), "\txif {\r\n\t}\r\n");

    // In the lower view of a split tab the picker works at that view's caret.
    mf.ActionList1.DivideEditor->trigger();
    TEditorEx& lower = *mf.CurDocTab->LowerEditor;
    lower.SetRow(2);
    lower.SetCol(0);
    pressCtrl(lower, Qt::Key_J, "\n");
    EXPECT_EQ(picker()->TemplateEditor(), &lower);
    QTest::keyClick(picker()->ListBox, Qt::Key_Return);
    EXPECT_EQ(mf.CurEditor->Lines().Text(), "\txif {\r\n\t}\r\nif {\r\n}\r\n");
}

TEST_F(SettingsDialogsTest, CtrlECompletesTheWordFromTheSnippetList) {
    TMF& mf = showWindow();
    mf.SnippetList = QStringList{"print(\tp.bmp\t表示", "pause(\tq.bmp\t停止"};
    mf.CurEditor->Lines().SetText("pri");
    mf.CurEditor->SetCol(3);
    pressCtrl(*mf.CurEditor, Qt::Key_E, "\x05");
    ASSERT_TRUE(picker()->isVisible());
    EXPECT_EQ(picker()->CurrentMode(), TCDlg::SnippetMode);
    EXPECT_EQ(picker()->ListBox->currentItem()->text(), "print(    表示");
    QTest::keyClick(picker()->ListBox, Qt::Key_Return);
    EXPECT_EQ(mf.CurEditor->Lines().Text(), "print(");
}

TEST_F(SettingsDialogsTest, TheFirstStartSeedsTheTemplatesFromTheProgramFolderOnce) {
    ASSERT_TRUE(appFolder.writeFile("KioroTemplate.qtf", QByteArray("while\x02while () {\r\n}\x03")));
    showWindow();
    EXPECT_EQ(storedNames(), QStringList({"while"}));
    mf.reset();

    TRegIniFile reg(kKey);
    StoreTemplates(reg, {}, {});
    showWindow();
    EXPECT_EQ(storedNames(), QStringList());
}

TEST_F(SettingsDialogsTest, ASeedFileThatCannotBeReadIsReportedAndTheStartGoesOn) {
    ASSERT_TRUE(appFolder.writeFile("KioroTemplate.qtf/inside", "x"));  // a folder in its place
    prompts.expectError();
    TMF& mf = showWindow();
    EXPECT_TRUE(prompts.calls().back().text.contains("KioroTemplate.qtf"));
    EXPECT_NE(mf.CurEditor, nullptr);
    EXPECT_FALSE(TRegIniFile(kKey).SectionExists("CodeTemplate"));
}

}  // namespace
