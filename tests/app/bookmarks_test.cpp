// Bookmarks through the context menu's items of the real main window.
#include "components/editorex.h"
#include "tests/app/mainwindowfixture.h"
#include "tests/support/qtprinters.h"

#include <QAction>
#include <QTabWidget>

namespace {

class BookmarksTest : public MainWindowTest {
protected:
    TEditorEx& editor() { return *mf->CurEditor; }
    QAction* setItem(int n) { return mf->ActionList1.BookMarkSetMenuButton[n]; }
    QAction* moveItem(int n) { return mf->ActionList1.BookMarkMoveMenuButton[n]; }
    // Rows of the current editor that carry bookmark n.
    std::vector<int> rowsWith(int n) {
        std::vector<int> rows;
        for (int row = 0; row < editor().Lines().Count(); ++row)
            if (editor().GetListRowMarks(row).test(n)) rows.push_back(row);
        return rows;
    }
    void fill() { editor().Lines().SetText("zero\r\none\r\ntwo\r\nthree\r\nfour\r\nfive"); }
};

TEST_F(BookmarksTest, SettingABookmarkTwiceOnOneRowRemovesItAndBothChecksFollow) {
    showWindow();
    fill();
    editor().SetRow(2);
    setItem(3)->trigger();
    EXPECT_EQ(rowsWith(3), std::vector<int>{2});
    EXPECT_TRUE(setItem(3)->isChecked());
    EXPECT_TRUE(moveItem(3)->isChecked());
    EXPECT_FALSE(setItem(4)->isChecked());

    setItem(3)->trigger();
    EXPECT_TRUE(rowsWith(3).empty());
    EXPECT_FALSE(setItem(3)->isChecked());
    EXPECT_FALSE(moveItem(3)->isChecked());
}

TEST_F(BookmarksTest, MovingGoesToTheBookmarkAndAMissingOneMovesNothingSilently) {
    showWindow();
    fill();
    editor().SetRow(4);
    setItem(5)->trigger();
    editor().SetRow(0);

    moveItem(5)->trigger();
    EXPECT_EQ(editor().Row(), 4);
    EXPECT_TRUE(moveItem(5)->isChecked());

    moveItem(7)->trigger();
    EXPECT_EQ(editor().Row(), 4);
    EXPECT_FALSE(moveItem(7)->isChecked());
    EXPECT_TRUE(prompts.calls().empty());
}

TEST_F(BookmarksTest, EachTabShowsTheChecksOfItsOwnDocument) {
    TMF& mf = showWindow();
    fill();  // modified: the next NewText makes a second tab
    editor().SetRow(1);
    setItem(2)->trigger();

    mf.ActionList1.NewText->trigger();
    ASSERT_EQ(mf.EditorTabSheet->count(), 2);
    EXPECT_FALSE(setItem(2)->isChecked());
    fill();
    setItem(6)->trigger();

    mf.EditorTabSheet->setCurrentIndex(0);
    EXPECT_TRUE(setItem(2)->isChecked());
    EXPECT_FALSE(setItem(6)->isChecked());
    mf.EditorTabSheet->setCurrentIndex(1);
    EXPECT_FALSE(moveItem(2)->isChecked());
    EXPECT_TRUE(moveItem(6)->isChecked());
}

}  // namespace
