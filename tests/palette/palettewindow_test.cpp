// The palette in the main window: built at the start from the package the
// settings name, before the first document.
#include "components/editorex.h"
#include "palette/functionpalette.h"
#include "platform/cp932.h"
#include "platform/regini.h"
#include "tests/app/mainwindowfixture.h"
#include "tests/support/qtprinters.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>

namespace {

class PaletteWindowTest : public MainWindowTest {
protected:
    void writeLines(const QString& name, const QStringList& lines) {
        ASSERT_TRUE(appFolder.writeFile(name, cp932::encode(lines.join("\r\n") + "\r\n")));
    }
    void writePackage(const QString& name) {
        writeLines(name, {"構文\tbuttons\\syntax.qbt"});
        writeLines("buttons/syntax.qbt", {"if ()\t条件\tif (条件)\tbuttons\\if.bmp", "else\td\tx\tbuttons\\if.bmp"});
        QFile::copy(QStringLiteral(QUODEX_PALETTE_SOURCE) + "/buttons/if.bmp", appFolder.filePath("buttons/if.bmp"));
        QFile::copy(QStringLiteral(QUODEX_PALETTE_SOURCE) + "/buttons/NewLine.bmp",
                    appFolder.filePath("buttons/NewLine.bmp"));
    }
    QString documentText() const { return cp932::decode(mf->CurEditor->Lines().Text()); }
};

TEST_F(PaletteWindowTest, TheStartBuildsThePaletteTheSnippetListAndTheContextMenus) {
    writePackage("buttons/buttons.qbp");
    TRegIniFile("\\Software\\Telsor\\Quodex").WriteBool("Other", "NewLine", true);
    TMF& mf = showWindow();

    ASSERT_EQ(mf.PalettePanel->PC->count(), 1);
    EXPECT_EQ(mf.PalettePanel->PC->tabText(0), "構文");
    EXPECT_EQ(mf.SnippetList, QStringList({"if ()\t条件\tif (条件)\tbuttons\\if.bmp", "else\td\tx\tbuttons\\if.bmp"}));
    const QList<QAction*> items = mf.Menus.PM->actions();
    ASSERT_TRUE(items.last()->menu());
    EXPECT_EQ(items.last()->text(), "構文");
    EXPECT_TRUE(items[items.size() - 2]->isSeparator());

    ASSERT_FALSE(mf.NewLineButtons.isEmpty());
    for (const QAbstractButton* button : mf.NewLineButtons) EXPECT_TRUE(button->isChecked());
    mf.CurEditor->Lines().SetText("\tx");
    mf.CurEditor->SetSelStart(2);
    mf.PalettePanel->SnippetButtons()[0]->click();
    EXPECT_EQ(documentText(), "\txif ()\r\n\t");

    mf.PalettePanel->NewLineButtons()[0]->click();  // off
    EXPECT_FALSE(mf.Settings.InsertNewLine);
    EXPECT_FALSE(mf.PalettePanel->NewLineButtons()[0]->isChecked());
    items.last()->menu()->actions()[1]->trigger();
    EXPECT_EQ(documentText(), "\txif ()\r\n\telse");
    EXPECT_TRUE(prompts.calls().empty());
}

TEST_F(PaletteWindowTest, ThePackageIsTheOneTheSettingsName) {
    writePackage("mine/Mine.qbp");
    TRegIniFile("\\Software\\Telsor\\Quodex").WriteString("QBP", "File", appFolder.filePath("MINE\\mine.qbp"));
    TMF& mf = showWindow();
    EXPECT_EQ(mf.PalettePanel->PC->count(), 1);
    EXPECT_EQ(mf.SnippetList.size(), 2);
}

TEST_F(PaletteWindowTest, AMissingPackageIsToldOnceAfterTheStart) {
    QFile::remove(appFolder.filePath("buttons/buttons.qbp"));
    prompts.expectNotice();
    TMF& mf = showWindow();
    QApplication::processEvents();
    ASSERT_EQ(prompts.calls().size(), 1u);
    EXPECT_TRUE(prompts.calls()[0].text.contains(appFolder.filePath("buttons/buttons.qbp")));
    EXPECT_EQ(mf.PalettePanel->PC->count(), 0);
    EXPECT_NE(mf.CurEditor, nullptr);
}

}  // namespace
