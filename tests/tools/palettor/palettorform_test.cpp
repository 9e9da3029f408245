// Palettor's window in a temporary program folder and settings hive, with
// its dialogs answered from the test's script.
#include "tools/palettor/palettorform.h"

#include "platform/cp932.h"
#include "platform/filebytes.h"
#include "platform/regini.h"
#include "settings/settingsrecord.h"
#include "settings/settingstable.h"
#include "tests/support/appfolderfixture.h"
#include "tests/support/qtprinters.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/settingshive.h"
#include "tests/support/accessibility.h"

#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

QStringList captionsOf(const QMenu* menu) {
    QStringList captions;
    for (const QAction* item : menu->actions()) captions.append(item->isSeparator() ? "-" : item->text());
    return captions;
}

QStringList headingsOf(const QTableWidget* grid) {
    QStringList headings;
    for (int c = 0; c < grid->columnCount(); ++c) headings.append(grid->horizontalHeaderItem(c)->text());
    return headings;
}

QString cell(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

void setRows(QTableWidget* grid, const QList<QStringList>& rows) {
    grid->setRowCount(rows.size());
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c) grid->setItem(r, c, new QTableWidgetItem(rows[r][c]));
}

class PalettorFormTest : public ::testing::Test {
protected:
    PalettorFormTest() { folder.writeFile("buttons/.keep", {}); }

    void showForm(const QString& package = {}) {
        form = std::make_unique<TForm1>(package);
        form->show();
    }
    void writeLines(const QString& name, const QString& text) {
        ASSERT_TRUE(folder.writeFile(name, cp932::encode(text)));
    }
    QByteArray fileBytes(const QString& name) const { return filebytes::read(folder.filePath(name)); }
    void openPackage(const QString& name) {
        prompts.answerOpenFiles({folder.filePath(name)});
        form->LoadQbpFile->trigger();
    }
    QString storedPackage() const {
        TSettings settings;
        settings.AppFolder = folder.path();
        qint32 wheel = 0;
        ReadStartupSettings(TRegIniFile("\\Software\\Telsor\\Quodex"), settings, wheel);
        return settings.PaletteFile;
    }

    ScopedSettingsHive hive;
    ScopedAppFolder folder;
    ScriptedPrompts prompts;
    std::unique_ptr<TForm1> form;
};

TEST_F(PalettorFormTest, TheWindowHasItsGridsHeadingsAndMenus) {
    showForm();
    EXPECT_EQ(form->windowTitle(), "Palettor");
    EXPECT_EQ(form->size(), QSize(529, 381));
    EXPECT_EQ(headingsOf(form->SG), QStringList({"挿入文字列", "説明", "引数/戻り値", "表示ビットマップ"}));
    EXPECT_EQ(headingsOf(form->QbpSG), QStringList({"表示文字列", "対応ファイル"}));
    EXPECT_EQ(form->QbpSG->columnWidth(1), 374);
    EXPECT_EQ(form->SG->columnWidth(3), 105);
    EXPECT_TRUE(form->SG->horizontalHeader()->sectionsMovable());
    EXPECT_TRUE(form->QbpSG->verticalHeader()->sectionsMovable());
    const QList<QAction*> menus = form->menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), "ファイル(&F)");
    EXPECT_EQ(captionsOf(menus[0]->menu()),
              QStringList({"qbpファイルを開く(&O)", "-", "qbpファイルの保存(&P)", "qbtファイルの保存(&S)", "-",
                           "Quodexで現在のqbpを使う(&U)", "-", "閉じる(&X)"}));
    EXPECT_EQ(menus[1]->text(), "編集(&E)");
    EXPECT_EQ(captionsOf(menus[1]->menu()), QStringList({"qbtファイルの表示(&G)", "要素を追加する(&A)"}));
    EXPECT_EQ(captionsOf(form->PopupMenu1), QStringList({"要素を追加する(&A)", "qbtファイルの表示(&G)"}));
}

TEST_F(PalettorFormTest, AddItemWaitsForAGridToHaveHadTheFocus) {
    showForm();
    const int qbpRows = form->QbpSG->rowCount();
    const int qbtRows = form->SG->rowCount();
    EXPECT_FALSE(form->AddItem->isEnabled());
    form->AddItem->trigger();
    EXPECT_EQ(form->QbpSG->rowCount(), qbpRows);
    EXPECT_EQ(form->SG->rowCount(), qbtRows);

    form->SGEnter();
    ASSERT_TRUE(form->AddItem->isEnabled());
    form->AddItem->trigger();
    EXPECT_EQ(form->SG->rowCount(), qbtRows + 1);
    for (int c = 0; c < 4; ++c) EXPECT_EQ(cell(form->SG, qbtRows, c), "");
    form->QbpSGEnter();
    form->AddItem->trigger();
    EXPECT_EQ(form->QbpSG->rowCount(), qbpRows + 1);
    EXPECT_EQ(form->SG->rowCount(), qbtRows + 1);
}

TEST_F(PalettorFormTest, OpeningAPackageFillsItsGridByTheFieldRule) {
    writeLines("buttons/my.qbp", "構文\tbuttons\\syntax.qbt\r\nno tab\r\n");
    showForm();
    openPackage("buttons/my.qbp");
    const PromptCall& open = prompts.calls().at(0);
    EXPECT_EQ(open.file.filter, "Quodexボタンパッケージ(*.qbp)|*.qbp");
    EXPECT_EQ(open.file.initialFolder, folder.filePath("buttons"));
    ASSERT_EQ(form->QbpSG->rowCount(), 2);
    EXPECT_EQ(cell(form->QbpSG, 0, 1), "buttons\\syntax.qbt");
    EXPECT_EQ(cell(form->QbpSG, 1, 0), "no tab");
    EXPECT_EQ(cell(form->QbpSG, 1, 1), "no tab");
    EXPECT_EQ(form->PackagePath, folder.filePath("buttons/my.qbp"));
    EXPECT_FALSE(form->IsModified(form->QbpSG));
}

TEST_F(PalettorFormTest, ShowItemsLoadsTheSelectedRowsDefinitionAndNothingForAnEmptyCell) {
    writeLines("buttons/my.qbp", "A\tbuttons\\A.qbt\r\nB\t\r\n");
    writeLines("buttons/a.qbt", "if\t条件\tif ()\tbuttons\\if.bmp\r\nelse\r\n");
    showForm();
    openPackage("buttons/my.qbp");
    form->QbpSG->setCurrentCell(1, 0);
    form->ShowItems->trigger();
    EXPECT_TRUE(form->DefinitionPath.isEmpty());
    form->QbpSG->setCurrentCell(0, 0);
    form->ShowItems->trigger();
    EXPECT_EQ(form->DefinitionPath, folder.filePath("buttons/a.qbt"));
    ASSERT_EQ(form->SG->rowCount(), 2);
    EXPECT_EQ(cell(form->SG, 0, 3), "buttons\\if.bmp");
    EXPECT_EQ(cell(form->SG, 1, 2), "else");
    EXPECT_TRUE(prompts.calls().size() == 1u);
}

TEST_F(PalettorFormTest, SavingLeavesOutRowsWithEmptyCellsAndSaysWhich) {
    showForm();
    setRows(form->SG, {{"a", "b", "c", "d"}, {"e", "", "g", "h"}, {"i", "j", "k", "l"}, {"", "", "", ""}});
    form->DefinitionPath = folder.filePath("buttons/old.qbt");
    prompts.answerSaveFile(folder.filePath("buttons/new.qbt"));
    prompts.expectNotice();
    form->SaveQbt->trigger();
    EXPECT_EQ(fileBytes("buttons/new.qbt"), "a\tb\tc\td\r\ni\tj\tk\tl\r\n");
    const PromptCall& save = prompts.calls().at(0);
    EXPECT_EQ(save.file.filter, "Quodexボタン定義ファイル(*.qbt)|*.qbt");
    EXPECT_EQ(save.file.fileName, "old.qbt");
    EXPECT_EQ(save.file.defaultExtension, "qbt");
    EXPECT_TRUE(save.file.overwritePrompt);
    EXPECT_EQ(prompts.calls().at(1).text, "空欄のある次の行は保存しませんでした: 2行目");
    EXPECT_EQ(form->DefinitionPath, folder.filePath("buttons/old.qbt"));
    EXPECT_FALSE(form->IsModified(form->SG));
}

TEST_F(PalettorFormTest, ACellWithATabOrLineBreakIsRefusedAndNothingWritten) {
    writeLines("buttons/keep.qbp", "old\tline\r\n");
    showForm();
    setRows(form->QbpSG, {{"ok", "x.qbt"}, {"two", "bad\ttab"}});
    form->QbpSG->horizontalHeader()->moveSection(1, 0);  // the bad cell now shows in column 1
    prompts.expectNotice();
    form->SaveQbp->trigger();
    ASSERT_EQ(prompts.calls().size(), 1u);
    EXPECT_EQ(prompts.calls()[0].text,
              "2行目の1列目（対応ファイル）にタブか改行が含まれているため、保存できません。この文字を取り除いてから保存してください。");
    EXPECT_EQ(fileBytes("buttons/keep.qbp"), "old\tline\r\n");
    EXPECT_TRUE(form->PackagePath.isEmpty());
}

TEST_F(PalettorFormTest, ColumnsAndRowsAreSavedWhereTheyAreShown) {
    showForm();
    setRows(form->QbpSG, {{"Caption1", "one.qbt"}, {"Caption2", "two.qbt"}});
    form->QbpSG->horizontalHeader()->moveSection(0, 1);
    form->QbpSG->verticalHeader()->moveSection(1, 0);
    prompts.answerSaveFile(folder.filePath("buttons/moved.qbp"));
    form->SaveQbp->trigger();
    EXPECT_EQ(fileBytes("buttons/moved.qbp"), "two.qbt\tCaption2\r\none.qbt\tCaption1\r\n");
    EXPECT_EQ(form->PackagePath, folder.filePath("buttons/moved.qbp"));
    EXPECT_EQ(form->QbpSG->verticalHeaderItem(1)->text(), "1");  // rows numbered as shown
}

TEST_F(PalettorFormTest, TheEditorsPackageIsSetOnlyOnceAPackageIsNamed) {
    writeLines("buttons/my.qbp", "A\tbuttons\\a.qbt\r\n");
    showForm();
    prompts.expectNotice();
    form->UseCurrentQbp->trigger();
    EXPECT_EQ(prompts.calls().at(0).text, "ファイルが指定されていません");
    EXPECT_FALSE(TRegIniFile("\\Software\\Telsor\\Quodex").ValueExists("QBP", "File"));

    openPackage("buttons/my.qbp");
    prompts.expectNotice();
    form->UseCurrentQbp->trigger();
    EXPECT_EQ(prompts.calls().back().text, "正常に完了しました");
    EXPECT_EQ(storedPackage(), folder.filePath("buttons/my.qbp"));
}

TEST_F(PalettorFormTest, ClosingWithUnsavedEditsAsksAndKeepsTheWindowUnlessTheyAreSavedOrGivenUp) {
    showForm();
    setRows(form->SG, {{"a", "b", "c", "d"}});
    prompts.answerQuestion(IdCancel);
    EXPECT_FALSE(form->close());
    EXPECT_EQ(prompts.calls().at(0).text, "qbtファイルの変更が保存されていません。保存しますか？");
    EXPECT_EQ(prompts.calls().at(0).caption, "確認");

    prompts.answerQuestion(IdYes);
    prompts.answerSaveFile({});  // the save dialog cancelled: still nothing lost
    EXPECT_FALSE(form->close());

    prompts.answerQuestion(IdYes);
    prompts.answerSaveFile(folder.filePath("buttons/closing.qbt"));
    EXPECT_TRUE(form->close());
    EXPECT_EQ(fileBytes("buttons/closing.qbt"), "a\tb\tc\td\r\n");
}

TEST_F(PalettorFormTest, EditsAreGivenUpOnlyWhenTheUserSaysSo) {
    writeLines("buttons/my.qbp", "A\tbuttons\\a.qbt\r\n");
    writeLines("buttons/a.qbt", "x\ty\tz\tw\r\n");
    showForm();
    openPackage("buttons/my.qbp");
    setRows(form->SG, {{"typed", "b", "c", "d"}});
    form->QbpSG->setCurrentCell(0, 0);
    prompts.answerQuestion(IdCancel);
    form->ShowItems->trigger();
    EXPECT_EQ(cell(form->SG, 0, 0), "typed");
    prompts.answerQuestion(IdNo);
    form->ShowItems->trigger();
    EXPECT_EQ(cell(form->SG, 0, 0), "x");
    EXPECT_TRUE(form->close());
}

TEST_F(PalettorFormTest, ReadAndWriteFailuresNameTheFileAndKeepTheGrids) {
    writeLines("buttons/my.qbp", "A\tbuttons\\missing.qbt\r\n");
    showForm();
    openPackage("buttons/my.qbp");
    form->QbpSG->setCurrentCell(0, 0);
    setRows(form->SG, {{"a", "b", "c", "d"}});
    prompts.answerQuestion(IdNo);
    prompts.expectError();
    form->ShowItems->trigger();
    EXPECT_TRUE(prompts.calls().back().text.contains(folder.filePath("buttons/missing.qbt")));
    EXPECT_EQ(cell(form->SG, 0, 0), "a");

    prompts.answerOpenFiles({folder.filePath("buttons/gone.qbp")});
    prompts.expectError();
    form->LoadQbpFile->trigger();
    EXPECT_EQ(form->PackagePath, folder.filePath("buttons/my.qbp"));
    EXPECT_EQ(cell(form->QbpSG, 0, 0), "A");

    prompts.answerSaveFile(folder.filePath("no/such/folder/x.qbt"));
    prompts.expectError();
    form->SaveQbt->trigger();
    EXPECT_TRUE(prompts.calls().back().text.contains(folder.filePath("no/such/folder/x.qbt")));
    EXPECT_TRUE(form->IsModified(form->SG));
}

TEST_F(PalettorFormTest, APackageOnTheCommandLineIsOpenedAtTheStart) {
    writeLines("buttons/my.qbp", "A\tbuttons\\a.qbt\r\n");
    showForm(folder.filePath("buttons/my.qbp"));
    EXPECT_EQ(form->PackagePath, folder.filePath("buttons/my.qbp"));
    EXPECT_EQ(cell(form->QbpSG, 0, 0), "A");
}

TEST_F(PalettorFormTest, EveryControlHasAName) {
    showForm();
    EXPECT_EQ(unnamedControls(form.get()), QStringList());
}

}  // namespace
