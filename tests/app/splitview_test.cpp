// The split view through the real main window: one text in two views, the
// lower view's place and events, and what becomes of it.
#include "app/statusbar.h"
#include "components/editorex.h"
#include "platform/filebytes.h"
#include "tests/app/mainwindowfixture.h"
#include "tests/support/qtprinters.h"

#include <QAction>
#include <QFile>
#include <QKeyEvent>
#include <QPointer>
#include <QSplitter>
#include <QTabWidget>
#include <Qsci/qsciscintilla.h>

namespace {

class SplitViewTest : public MainWindowTest {
protected:
    TEditorEx& editor() { return *mf->CurEditor; }
    TEditorEx* lower() { return mf->CurDocTab ? mf->CurDocTab->LowerEditor : nullptr; }
    void divide() { mf->ActionList1.DivideEditor->trigger(); }

    // A file of `rows` numbered rows, opened in the current tab.
    QString openNumbered(int rows) {
        QByteArray bytes;
        for (int i = 0; i < rows; ++i) bytes += "row " + QByteArray::number(i) + "\r\n";
        const QString path = work_.filePath("split.lum");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        mf->OpenDocument(path, true);
        return path;
    }

private:
    QTemporaryDir work_;
};

TEST_F(SplitViewTest, DividingAddsASecondViewOnTheSameTextBelowASplitter) {
    TMF& mf = showWindow();
    openNumbered(5);
    divide();

    ASSERT_NE(lower(), nullptr);
    ASSERT_NE(mf.CurDocTab->LowerSplitter, nullptr);
    EXPECT_TRUE(mf.ActionList1.DivideEditor->isChecked());
    EXPECT_EQ(lower()->Lines().Text(), editor().Lines().Text());
    EXPECT_TRUE(lower()->isVisible());
    EXPECT_TRUE(editor().isVisible());
    EXPECT_TRUE(mf.CurDocTab->Sheet->isAncestorOf(lower()));
    // Below the main view, about half the sheet high.
    const QRect upperArea(editor().mapTo(mf.CurDocTab->Sheet, QPoint()), editor().size());
    const QRect lowerArea(lower()->mapTo(mf.CurDocTab->Sheet, QPoint()), lower()->size());
    EXPECT_GE(lowerArea.top(), upperArea.bottom());
    EXPECT_NEAR(lowerArea.height(), mf.CurDocTab->Sheet->height() / 2, 8);
}

TEST_F(SplitViewTest, EditsInTheLowerViewReachTheSavedFile) {
    TMF& mf = showWindow();
    const QString path = openNumbered(3);
    divide();
    lower()->SetSelStart(0);
    lower()->SetSelText("lower ");

    EXPECT_TRUE(editor().Modified());
    EXPECT_EQ(mf.EditorTabSheet->tabText(mf.EditorTabSheet->currentIndex()), "split.lum [変更]");
    mf.ActionList1.OverSaveText->trigger();
    EXPECT_EQ(filebytes::read(path), QByteArray("lower row 0\r\nrow 1\r\nrow 2\r\n"));
    EXPECT_FALSE(editor().Modified());
}

TEST_F(SplitViewTest, TheLowerViewContinuesBelowTheRowsTheUpperViewShows) {
    showWindow();
    openNumbered(400);
    editor().SetTopRow(50);
    divide();
    const int visible = editor().VisibleRows();
    ASSERT_GT(visible, 0);
    EXPECT_EQ(lower()->TopRow(), 50 + visible);
}

TEST_F(SplitViewTest, CommandsActOnTheMainViewWhileTheLowerViewHasTheFocus) {
    TMF& mf = showWindow();
    openNumbered(3);
    divide();
    lower()->setFocus();
    lower()->SetSelStart(0);
    mf.ActionList1.SelectAll->trigger();
    EXPECT_EQ(editor().GetSelLength(), editor().TextLength());
    EXPECT_EQ(lower()->GetSelLength(), 0);
}

TEST_F(SplitViewTest, TheLowerViewSwallowsCtrlMButTypesLetters) {
    showWindow();
    divide();
    QKeyEvent ctrlM(QEvent::KeyPress, Qt::Key_M, Qt::ControlModifier, "m");
    QApplication::sendEvent(lower()->Scintilla(), &ctrlM);
    QKeyEvent m(QEvent::KeyPress, Qt::Key_M, Qt::NoModifier, "m");
    QApplication::sendEvent(lower()->Scintilla(), &m);
    EXPECT_EQ(editor().Lines().Text(), "m");
}

TEST_F(SplitViewTest, TheWheelOverTheLowerViewScrollsTheLowerView) {
    TMF& mf = showWindow();
    openNumbered(400);
    divide();
    const int upperTop = editor().TopRow();
    const int lowerTop = lower()->TopRow();
    mf.EditorWheel(*lower(), WheelScroller::Direction::Down);
    EXPECT_EQ(lower()->TopRow(), lowerTop + 2);
    EXPECT_EQ(editor().TopRow(), upperTop);
}

TEST_F(SplitViewTest, TheStatusBarFollowsTheMainViewOnly) {
    TMF& mf = showWindow();
    openNumbered(10);
    divide();
    editor().SetRow(1);
    lower()->SetRow(7);
    QApplication::processEvents();
    EXPECT_EQ(mf.StB->PanelText(2), "2行0桁");
}

TEST_F(SplitViewTest, DividingAgainJoinsTheViews) {
    TMF& mf = showWindow();
    openNumbered(3);
    divide();
    QPointer<TEditorEx> was = lower();
    QPointer<QWidget> splitter = mf.CurDocTab->LowerSplitter;
    divide();
    QApplication::processEvents();

    EXPECT_EQ(lower(), nullptr);
    EXPECT_EQ(mf.CurDocTab->LowerSplitter, nullptr);
    EXPECT_TRUE(was.isNull());
    EXPECT_TRUE(splitter.isNull());
    EXPECT_FALSE(mf.ActionList1.DivideEditor->isChecked());
    EXPECT_TRUE(editor().isVisible());
    EXPECT_EQ(editor().parentWidget(), mf.CurDocTab->Sheet);
    EXPECT_EQ(editor().size(), mf.CurDocTab->Sheet->size());
    editor().SetSelText("still ");
    EXPECT_TRUE(editor().Lines().Text().startsWith("still "));

    divide();  // and once more
    EXPECT_NE(lower(), nullptr);
}

TEST_F(SplitViewTest, TheSplitCheckFollowsTheTab) {
    TMF& mf = showWindow();
    openNumbered(3);
    divide();
    mf.ActionList1.NewText->trigger();
    ASSERT_EQ(mf.EditorTabSheet->count(), 2);
    EXPECT_FALSE(mf.ActionList1.DivideEditor->isChecked());
    mf.EditorTabSheet->setCurrentIndex(0);
    EXPECT_TRUE(mf.ActionList1.DivideEditor->isChecked());
}

TEST_F(SplitViewTest, ClosingTheTabFreesTheLowerView) {
    TMF& mf = showWindow();
    openNumbered(3);
    divide();
    QPointer<TEditorEx> was = lower();
    mf.ActionList1.CloseThisPage->trigger();
    EXPECT_TRUE(was.isNull());
    EXPECT_FALSE(mf.ActionList1.DivideEditor->isChecked());
}

}  // namespace
