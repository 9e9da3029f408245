// Find and replace and the action tree on the real window: the commands and
// the quick-find box act on the current document, and the tree follows the
// current folder, the folder explorer and the files saved there.
#include "app/dirlistbox.h"
#include "app/tabcaption.h"
#include "components/editorex.h"
#include "platform/regini.h"
#include "search/actionviewer.h"
#include "search/finddlg.h"
#include "search/findreplace.h"
#include "tests/app/mainwindowfixture.h"
#include "tests/search/eventwait.h"
#include "tests/support/modaldriver.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QThread>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

namespace {

class SearchWiringTest : public MainWindowTest {
protected:
    void SetUp() override { ASSERT_TRUE(QDir(work.path()).mkpath("src") && QDir(work.path()).mkpath("other")); }

    QString folder(const QString& name) const { return work.path() + "/" + name + "/"; }
    void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // The window, started in `current`.
    TMF& start(const QString& current) {
        TRegIniFile("\\Software\\Telsor\\Quodex").WriteString("Path", "Path", current);
        return showWindow();
    }
    QTreeWidget& tree() { return *mf->ActionViewPanel->Tree; }
    QStringList topTexts() {
        QStringList texts;
        for (int i = 0; i < tree().topLevelItemCount(); ++i) texts << tree().topLevelItem(i)->text(0);
        return texts;
    }
    QStringList actionsOf(int file) {
        QStringList texts;
        for (int i = 0; i < tree().topLevelItem(file)->childCount(); ++i)
            texts << tree().topLevelItem(file)->child(i)->text(0);
        return texts;
    }

    QTemporaryDir work;
};

TEST_F(SearchWiringTest, TheFindCommandsAndTheQuickFindBoxAreReady) {
    TMF& mf = showWindow();
    const TActionList& a = mf.ActionList1;
    for (QAction* action : {a.Find, a.Replace, a.FindNext, a.FindBack, a.ActionVew})
        EXPECT_TRUE(action->isEnabled()) << action->objectName().toStdString();
    const auto* findButton = mf.FindBar->findChild<QToolButton*>("FindButton");
    ASSERT_NE(findButton, nullptr);
    EXPECT_EQ(findButton->defaultAction(), a.Find);
    EXPECT_TRUE(mf.MFFindComboBox->isEnabled());

    mf.CurEditor->Lines().SetText("one two one two");
    mf.MFFindComboBox->setEditText("two");
    QTest::keyClick(mf.MFFindComboBox, Qt::Key_Return);
    EXPECT_EQ(mf.CurEditor->GetSelStart(), 4);
    a.FindNext->trigger();
    EXPECT_EQ(mf.CurEditor->GetSelStart(), 12);
    a.FindBack->trigger();
    EXPECT_EQ(mf.CurEditor->GetSelStart(), 4);
}

TEST_F(SearchWiringTest, ReplaceAllMarksTheTabAsChanged) {
    TMF& mf = showWindow();
    const QString caption = mf.PageCaption(mf.ActivePage());
    whenModalShown<TFDlg>([](TFDlg* dialog) {
        dialog->FindCombo->setEditText("nothing");
        dialog->AllBtnClick();
    });
    prompts.expectNotice();
    mf.ActionList1.Replace->trigger();
    EXPECT_TRUE(mf.CurEditor->Modified());
    EXPECT_EQ(mf.PageCaption(mf.ActivePage()), withModifiedMark(caption));
}

TEST_F(SearchWiringTest, TheTreeListsTheCurrentFolderAndFollowsTheExplorer) {
    write(folder("src") + "b.txt", "action B\r\n");
    write(folder("src") + "a.lum", "action A {\r\n");
    write(folder("other") + "o.srx", "action O\r\n");
    TMF& mf = start(folder("src"));
    EXPECT_EQ(topTexts(), QStringList({"a.lum", "b.txt"}));
    EXPECT_EQ(actionsOf(0), QStringList({"A {"}));
    EXPECT_FALSE(tree().topLevelItem(0)->icon(0).isNull());
    EXPECT_FALSE(tree().topLevelItem(0)->child(0)->icon(0).isNull());

    mf.DirList->SetDirectory(folder("other"));
    EXPECT_EQ(topTexts(), QStringList({"o.srx"}));
}

TEST_F(SearchWiringTest, DoubleClickOnAnActionOpensItsFileAtItsLine) {
    QByteArray text;
    for (int i = 0; i < 200; ++i) text += "line\r\n";
    write(folder("src") + "a.lum", text + "action Far\r\n");
    TMF& mf = start(folder("src"));
    tree().setCurrentItem(tree().topLevelItem(0)->child(0));
    mf.ActionViewPanel->TreeDblClick();
    EXPECT_EQ(mf.DocNames(), QStringList{folder("src") + "a.lum"});
    EXPECT_EQ(mf.CurEditor->Row(), 200);
    EXPECT_EQ(mf.CurEditor->Col(), 0);
    EXPECT_TRUE(prompts.calls().empty());  // an open file is brought forward, never reopened

    mf.NewTextExecute();
    mf.ActionViewPanel->TreeDblClick();
    EXPECT_EQ(mf.DocNames().size(), 2);
    EXPECT_EQ(mf.DocTabs.Name(mf.ActiveDocIndex()), folder("src") + "a.lum");
    EXPECT_TRUE(prompts.calls().empty());
}

TEST_F(SearchWiringTest, SavingInTheCurrentFolderRebuildsTheTreeOnceForSaveAll) {
    write(folder("src") + "a.lum", "action A\r\n");
    write(folder("src") + "b.lum", "action B\r\n");
    TMF& mf = start(folder("src"));
    int rebuilds = 0;
    QObject::connect(mf.ActionList1.ActionVew, &QAction::triggered, [&] { ++rebuilds; });

    mf.OpenDocument(folder("src") + "a.lum", true);
    mf.CurEditor->Lines().SetText("action A2\r\n");
    mf.OverSaveTextExecute();
    ASSERT_TRUE(pumpUntil([&] { return actionsOf(0) == QStringList{"A2"}; }, 3000));

    mf.OpenDocument(folder("src") + "b.lum", true);
    mf.CurEditor->Lines().SetText("action B2\r\n");
    mf.DocTabs[0].Editor->Lines().SetText("action A3\r\n");
    QThread::msleep(300);
    rebuilds = 0;
    mf.SaveAllExecute();
    ASSERT_TRUE(pumpUntil([&] { return actionsOf(0) == QStringList{"A3"} && actionsOf(1) == QStringList{"B2"}; }, 3000));
    QTest::qWait(400);
    EXPECT_EQ(rebuilds, 1);
}

}  // namespace
