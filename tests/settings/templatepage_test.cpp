// The settings dialog's template page: its copy of the templates, the add,
// rename, delete, import and export rules, and what reaches the store.
#include "settings/setdlg.h"
#include "settings/templatepage.h"

#include "platform/regini.h"
#include "settings/codetemplates.h"
#include "settings/settingsrecord.h"
#include "tests/support/qtprinters.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/settingshive.h"

#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr const char* kKey = "\\Software\\Telsor\\Quodex";

class TemplatePageTest : public ::testing::Test {
protected:
    TemplatePageTest() {
        TRegIniFile reg(kKey);
        StoreTemplates(reg, {"for", "if"}, {"for {\r\n}", "if {\r\n}"});
        page.Load();
    }

    QStringList shownNames() const { return page.Names(); }
    QStringList storedNames() const {
        QStringList names, bodies;
        LoadTemplates(TRegIniFile(kKey), names, bodies);
        return names;
    }
    QString storedBody(const QString& name) const { return TRegIniFile(kKey).ReadString("CodeTemplate", name, "<absent>"); }
    QListWidget& list() { return *page.CodeNameListBox; }
    QString memo() const { return page.CodeContentsEdit->toPlainText(); }
    QString writeFile(const QByteArray& bytes) {
        const QString file = dir.filePath("in.qtf");
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return file;
    }

    ScopedSettingsHive hive;
    ScriptedPrompts prompts;
    QTemporaryDir dir;
    TTemplatePage page{kKey};
};

TEST_F(TemplatePageTest, ChoosingATemplateShowsItsBodyAndTypingChangesIt) {
    EXPECT_EQ(shownNames(), QStringList({"for", "if"}));
    EXPECT_EQ(page.TemplateAddButton->text(), "追加(&A)");
    EXPECT_EQ(page.TemplateEditButton->text(), "編集(&E)");
    EXPECT_EQ(page.TemplateDelButton->text(), "削除(&L)");
    EXPECT_EQ(page.TemplateImportButton->text(), "インポート");
    EXPECT_EQ(page.TemplateExportButton->text(), "エクスポート");
    list().setCurrentRow(1);
    EXPECT_EQ(memo(), "if {\n}");
    page.CodeContentsEdit->moveCursor(QTextCursor::End);
    QTest::keyClick(page.CodeContentsEdit, Qt::Key_Tab);  // the memo keeps TAB
    QTest::keyClicks(page.CodeContentsEdit, "x");
    EXPECT_EQ(page.Bodies[1], "if {\r\n}\tx");
    EXPECT_EQ(page.Bodies[0], "for {\r\n}");
    EXPECT_EQ(storedBody("if"), "if {\r\n}");  // only OK or Export store
}

TEST_F(TemplatePageTest, AddAppendsANewEmptyTemplateUnlessTheNameIsTaken) {
    prompts.answerText("while");
    page.TemplateAddButton->click();
    EXPECT_EQ(prompts.calls().back().caption, "名前を入力してください");
    EXPECT_EQ(prompts.calls().back().text, "名前");
    EXPECT_EQ(prompts.calls().back().initialText, "");
    EXPECT_EQ(shownNames(), QStringList({"for", "if", "while"}));
    EXPECT_EQ(list().currentRow(), 2);
    EXPECT_EQ(page.Bodies.size(), 3);
    EXPECT_EQ(memo(), "");

    prompts.answerText("IF");
    prompts.expectNotice();
    page.TemplateAddButton->click();
    EXPECT_EQ(prompts.calls().back().text, "既にその名前をもつテンプレートが存在します");

    prompts.answerText("");
    page.TemplateAddButton->click();
    prompts.answerText(std::nullopt);
    page.TemplateAddButton->click();
    EXPECT_EQ(shownNames(), QStringList({"for", "if", "while"}));
    EXPECT_EQ(page.Bodies.size(), 3);
}

TEST_F(TemplatePageTest, RenameAsksWithTheSelectedNameAndTakesAnyNonEmptyAnswer) {
    page.TemplateEditButton->click();  // nothing selected: no question
    list().setCurrentRow(0);
    prompts.answerText("if");  // no duplicate check on rename
    page.TemplateEditButton->click();
    EXPECT_EQ(prompts.calls().back().initialText, "for");
    EXPECT_EQ(shownNames(), QStringList({"if", "if"}));
    prompts.answerText(std::nullopt);
    page.TemplateEditButton->click();
    EXPECT_EQ(shownNames(), QStringList({"if", "if"}));
}

TEST_F(TemplatePageTest, DeleteSelectsTheNextOrTheNewLastItem) {
    page.TemplateDelButton->click();  // nothing selected
    EXPECT_EQ(shownNames().size(), 2);
    list().setCurrentRow(0);
    page.TemplateDelButton->click();
    EXPECT_EQ(shownNames(), QStringList({"if"}));
    EXPECT_EQ(page.Bodies, QStringList({"if {\r\n}"}));
    EXPECT_EQ(list().currentRow(), 0);
    EXPECT_EQ(memo(), "if {\n}");
    page.TemplateDelButton->click();
    EXPECT_EQ(list().count(), 0);
    EXPECT_EQ(memo(), "");

    page.Store();
    EXPECT_EQ(storedNames(), QStringList());
    EXPECT_TRUE(TRegIniFile(kKey).SectionExists("CodeTemplate"));
}

TEST_F(TemplatePageTest, ImportAppendsInFileOrderAndDuplicatesResolveOnStoring) {
    list().setCurrentRow(0);
    prompts.answerOpenFiles({writeFile(QByteArray("if\x02new if\x03" "do\x02" "do {\x03"))});
    page.TemplateImportButton->click();
    const PromptCall& call = prompts.calls().back();
    EXPECT_EQ(call.file.filter, "テンプレートファイル(*.qtf)|*.qtf");
    EXPECT_EQ(call.file.defaultExtension, "qtf");
    EXPECT_EQ(call.file.fileName, "");
    EXPECT_EQ(shownNames(), QStringList({"for", "if", "if", "do"}));
    EXPECT_EQ(list().currentRow(), 0);

    page.Store();
    EXPECT_EQ(storedNames(), QStringList({"do", "for", "if"}));
    EXPECT_EQ(storedBody("if"), "new if");
}

TEST_F(TemplatePageTest, AnUnfinishedFileLeavesUnevenListsThatOnlyTouchExistingBodies) {
    prompts.answerOpenFiles({writeFile(QByteArray("a\x02" "A\x03" "b\x02unfinished"))});
    page.TemplateImportButton->click();
    EXPECT_EQ(shownNames(), QStringList({"for", "if", "a", "b"}));
    EXPECT_EQ(page.Bodies.size(), 3);
    list().setCurrentRow(2);
    EXPECT_EQ(memo(), "A");
    list().setCurrentRow(3);  // no body: the memo stays
    EXPECT_EQ(memo(), "A");
    QTest::keyClicks(page.CodeContentsEdit, "typed");
    EXPECT_EQ(page.Bodies.size(), 3);
    page.Store();
    EXPECT_EQ(storedBody("b"), "");
}

TEST_F(TemplatePageTest, AFileThatCannotBeReadChangesNothing) {
    prompts.answerOpenFiles({dir.filePath("missing.qtf")});
    prompts.expectError();
    page.TemplateImportButton->click();
    EXPECT_TRUE(prompts.calls().back().text.contains("missing.qtf"));
    EXPECT_EQ(shownNames(), QStringList({"for", "if"}));
    EXPECT_EQ(page.Bodies.size(), 2);
}

TEST_F(TemplatePageTest, ExportStoresFirstThenWritesTheFile) {
    list().setCurrentRow(0);
    page.TemplateDelButton->click();
    const QString file = dir.filePath("out.qtf");
    prompts.answerSaveFile(file);
    page.TemplateExportButton->click();
    EXPECT_EQ(prompts.calls().back().file.filter, "テンプレートファイル(*.qtf)|*.qtf");
    EXPECT_EQ(prompts.calls().back().file.defaultExtension, "qtf");
    EXPECT_EQ(storedNames(), QStringList({"if"}));
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("if\x02if {\r\n}\x03"));

    prompts.answerText("z");
    prompts.answerSaveFile("");  // cancelled: stored all the same
    page.TemplateAddButton->click();
    page.TemplateExportButton->click();
    EXPECT_EQ(storedNames(), QStringList({"if", "z"}));
}

TEST_F(TemplatePageTest, ATemplateTheFileCannotCarryIsNamedAndNothingIsWritten) {
    list().setCurrentRow(1);
    page.CodeContentsEdit->setPlainText(QString("bad") + QChar(0x03));
    prompts.expectError();
    page.TemplateExportButton->click();
    EXPECT_TRUE(prompts.calls().back().text.startsWith("テンプレート「if」"));
    EXPECT_EQ(prompts.callsOf(PromptKind::SaveFile).size(), 0u);
    EXPECT_EQ(storedBody("if"), QString("bad") + QChar(0x03));  // the store came first
}

TEST_F(TemplatePageTest, CancellingTheDialogAfterAnExportKeepsWhatTheExportStored) {
    qint32 wheel = 2;
    TSettings settings;
    settings.RegKey = kKey;
    TSDlg dialog(nullptr, wheel, settings);
    TTemplatePage& inDialog = *dialog.TemplatePage;
    inDialog.CodeNameListBox->setCurrentRow(0);
    inDialog.TemplateDelButton->click();
    prompts.answerSaveFile("");
    inDialog.TemplateExportButton->click();
    inDialog.CodeNameListBox->setCurrentRow(0);
    inDialog.TemplateDelButton->click();
    dialog.CancelButton->click();
    EXPECT_EQ(storedNames(), QStringList({"if"}));
}

}  // namespace
