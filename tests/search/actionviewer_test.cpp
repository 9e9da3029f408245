// The action tree on a real folder: building, keeping what the user had
// open across rebuilds, and jumping from a node to its file and line.
#include "search/actionviewer.h"
#include "tests/components/sjis.h"
#include "tests/search/fakesearchwindow.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

class ActionViewerTest : public ::testing::Test {
protected:
    ActionViewerTest() : viewer(&redraw, window) {
        window.settings.CurrentFolder = folder();
        window.explorerFolder = dir.path();
        QObject::connect(&redraw, &QAction::triggered, [this] { viewer.ActionVewExecute(); });
        viewer.resize(200, 300);
    }

    QString folder() const { return dir.path() + "/"; }
    void write(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QTreeWidgetItem* file(int i) const { return viewer.Tree->topLevelItem(i); }
    QStringList texts() const {
        QStringList out;
        for (QTreeWidgetItemIterator it(viewer.Tree); *it; ++it)
            out << ((*it)->parent() ? "  " : "") + (*it)->text(0);
        return out;
    }
    void doubleClick(QTreeWidgetItem* item) {
        // As the platform delivers one: a click, then the double-click.
        const QPoint at = viewer.Tree->visualItemRect(item).center();
        QTest::mouseClick(viewer.Tree->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(viewer.Tree->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(viewer.Tree->viewport(), Qt::LeftButton, {}, at);
    }
    void showViewer() {
        viewer.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
    }

    QTemporaryDir dir;
    FakeSearchWindow window;
    QAction redraw{"再描画"};
    TActionViewer viewer;
};

TEST_F(ActionViewerTest, TheButtonBuildsFilesWithTheirActions) {
    write("a.lum", sj("action 起動 {\r\nextern action X;\r\n"));
    write("b.txt", "action none\r\n");
    write("c.srx", "action Run {\r\n");
    EXPECT_EQ(viewer.RedrawButton->objectName(), "Action_ReDrawButton");
    viewer.RedrawButton->click();
    EXPECT_EQ(texts(), QStringList({"a.lum", "  起動 {", "c.srx", "  Run {", "b.txt"}));

    write("d.lum", "action Late\r\n");
    viewer.ActionVewExecute();  // a rebuild starts from nothing
    EXPECT_EQ(texts(), QStringList({"a.lum", "  起動 {", "d.lum", "  Late", "c.srx", "  Run {", "b.txt"}));
}

TEST_F(ActionViewerTest, NamesOfBinaryFilesAreReadable) {
    write("bin.lum", QByteArray("action \xff\x01z\tq\r\n", 13));
    viewer.ActionVewExecute();
    ASSERT_EQ(file(0)->childCount(), 1);
    EXPECT_EQ(file(0)->child(0)->text(0), QString("\uFFFD\uFFFDz q"));
}

TEST_F(ActionViewerTest, ARebuildKeepsExpandedFilesTheCurrentNodeAndTheScrollPlace) {
    for (int i = 0; i < 40; ++i) write(QString("f%1.lum").arg(i, 2, 10, QChar('0')), "action A\r\naction B\r\n");
    showViewer();
    viewer.ActionVewExecute();
    file(3)->setExpanded(true);
    file(30)->setExpanded(true);
    viewer.Tree->setCurrentItem(file(30)->child(1));
    viewer.Tree->scrollToItem(file(20), QAbstractItemView::PositionAtTop);
    write("f00.lum", "action A\r\naction B\r\naction C\r\n");

    viewer.ActionVewExecute();

    EXPECT_TRUE(file(3)->isExpanded());
    EXPECT_TRUE(file(30)->isExpanded());
    EXPECT_FALSE(file(0)->isExpanded());
    EXPECT_EQ(viewer.Tree->currentItem(), file(30)->child(1));
    EXPECT_EQ(viewer.Tree->itemAt(0, 0), file(20));
}

TEST_F(ActionViewerTest, DoubleClickOnAFileOpensItOrBringsItToTheFront) {
    write("a.lum", "action A\r\n");
    viewer.ActionVewExecute();
    viewer.Tree->setCurrentItem(file(0));
    viewer.TreeDblClick();
    EXPECT_EQ(window.opens, 1);
    EXPECT_EQ(window.current, window.documents.at(folder() + "a.lum").get());

    window.current = window.documents.at(QString()).get();
    viewer.TreeDblClick();
    EXPECT_EQ(window.opens, 1);
    EXPECT_EQ(window.activations, 1);
    EXPECT_EQ(window.current, window.documents.at(folder() + "a.lum").get());
}

TEST_F(ActionViewerTest, DoubleClickOnAnActionGoesToTheFirstLineNamingIt) {
    write("a.lum", "// Twice is done twice\r\nvar x;\r\naction Twice\r\naction Twice\r\naction Missing\r\n");
    viewer.ActionVewExecute();
    ASSERT_EQ(file(0)->childCount(), 3);

    viewer.Tree->setCurrentItem(file(0)->child(1));
    viewer.TreeDblClick();
    TEditorEx& opened = *window.documents.at(folder() + "a.lum");
    EXPECT_EQ(window.current, &opened);
    EXPECT_EQ(opened.Row(), 0);  // the comment names it first
    EXPECT_EQ(opened.Col(), 0);
    EXPECT_EQ(window.centred, 1);
    EXPECT_TRUE(viewer.TreeJumpText.isEmpty());

    // Open already: the editor's text counts, not the file's.
    opened.Lines().SetText("x\r\ny\r\nz\r\naction Missing\r\n");
    opened.SetSelStart(0);
    viewer.Tree->setCurrentItem(file(0)->child(2));
    viewer.TreeDblClick();
    EXPECT_EQ(window.opens, 1);
    EXPECT_EQ(window.activations, 1);
    EXPECT_EQ(opened.Row(), 3);

    // The next rebuild lists the actions again.
    viewer.ActionVewExecute();
    EXPECT_EQ(file(0)->childCount(), 3);
}

TEST_F(ActionViewerTest, EnterOnANodeActsAsADoubleClick) {
    write("a.lum", "x\r\naction Here\r\n");
    showViewer();
    viewer.ActionVewExecute();
    viewer.Tree->setCurrentItem(file(0)->child(0));
    viewer.Tree->setFocus();
    QTest::keyClick(viewer.Tree, Qt::Key_Return);
    ASSERT_EQ(window.opens, 1);
    EXPECT_EQ(window.editor().Row(), 1);
}

TEST_F(ActionViewerTest, DoubleClickLeavesAnExpandedFileOpenAndLaterCollapsesStillWork) {
    write("a.lum", "action A\r\naction B\r\n");
    showViewer();
    viewer.ActionVewExecute();
    file(0)->setExpanded(true);

    doubleClick(file(0));
    EXPECT_EQ(window.opens, 1);
    EXPECT_TRUE(file(0)->isExpanded());

    doubleClick(file(0)->child(0));  // a leaf: no collapse follows
    QTest::mouseClick(viewer.Tree->viewport(), Qt::LeftButton, {}, viewer.Tree->visualItemRect(file(0)).center());
    viewer.Tree->collapseItem(file(0));
    EXPECT_FALSE(file(0)->isExpanded());

    // A collapsed file opens out on a double-click, as a tree does.
    doubleClick(file(0));
    EXPECT_TRUE(file(0)->isExpanded());
}

TEST_F(ActionViewerTest, TheGuardRefusesOneCollapse) {
    write("a.lum", "action A\r\n");
    viewer.ActionVewExecute();
    bool allow = true;
    viewer.TreeCollapseGuard = true;
    viewer.TreeCollapsing(file(0), allow);
    EXPECT_FALSE(allow);
    EXPECT_FALSE(viewer.TreeCollapseGuard);
    viewer.TreeCollapsing(file(0), allow);
    EXPECT_TRUE(allow);
}

TEST_F(ActionViewerTest, DoubleClickOnAnEmptyTreeDoesNothing) {
    viewer.ActionVewExecute();
    viewer.TreeDblClick();
    EXPECT_EQ(window.opens, 0);
    EXPECT_FALSE(viewer.TreeCollapseGuard);
}

}  // namespace
