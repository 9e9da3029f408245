// The settings dialog over a private hive: what it shows, what OK writes,
// what a bad wheel count and キャンセル leave alone, and its browse buttons.
#include "settings/setdlg.h"

#include "platform/regini.h"
#include "settings/settingsrecord.h"
#include "settings/templatepage.h"
#include "settings/updown.h"
#include "tests/support/qtprinters.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/settingshive.h"
#include "tests/support/accessibility.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

constexpr const char* kKey = "\\Software\\Telsor\\Quodex";

class SettingsDialogTest : public ::testing::Test {
protected:
    SettingsDialogTest() {
        settings.RegKey = kKey;
        settings.AppFolder = "/opt/quodex/";
        settings.CurrentFolder = "/work/src/";
        settings.LumHelpFile = "/h/index.html";
        settings.LumcFolder = "/lumc";
        settings.BatFile = "/b/make.bat";
        settings.KioroFile = "/k/halvane";
        settings.KioFile = "/k/a.kio";
        settings.SaveWindowState = true;
        settings.PermitAllMacro = false;
    }

    QString stored(const char* section, const char* name) const {
        return TRegIniFile(kKey).ReadString(section, name, "<absent>");
    }

    ScopedSettingsHive hive;
    ScriptedPrompts prompts;
    TSettings settings;
    qint32 wheel = 3;
};

TEST_F(SettingsDialogTest, ControlsShowTheRecordAndTheStoredTemplates) {
    TRegIniFile(kKey).WriteString("CodeTemplate", "if", "if {\r\n}");
    TSDlg dialog(nullptr, wheel, settings);
    EXPECT_EQ(dialog.windowTitle(), "設定");
    ASSERT_EQ(dialog.PageControl->count(), 3);
    EXPECT_EQ(dialog.PageControl->tabText(0), "一般");
    EXPECT_EQ(dialog.PageControl->tabText(1), "マクロ");
    EXPECT_EQ(dialog.PageControl->tabText(2), "コードテンプレート");
    EXPECT_EQ(dialog.PathEdit->text(), "/work/src/");
    EXPECT_EQ(dialog.HelpEdit->text(), "/h/index.html");
    EXPECT_EQ(dialog.LumcEdit->text(), "/lumc");
    EXPECT_EQ(dialog.BatEdit->text(), "/b/make.bat");
    EXPECT_EQ(dialog.KioroEdit->text(), "/k/halvane");
    EXPECT_EQ(dialog.KioEdit->text(), "/k/a.kio");
    EXPECT_TRUE(dialog.WindowStateChk->isChecked());
    EXPECT_EQ(dialog.WindowStateChk->text(), "ウィンドウの状態を保存する");
    EXPECT_FALSE(dialog.MacroPermitChk->isChecked());
    EXPECT_EQ(dialog.MacroPermitChk->text(), "全てのマクロ命令を許可する");
    EXPECT_EQ(dialog.WheelScrollCountEdit->text(), "3");
    EXPECT_EQ(dialog.UpDown1->Position(), 3);
    ASSERT_EQ(dialog.TemplatePage->CodeNameListBox->count(), 1);
    EXPECT_EQ(dialog.TemplatePage->CodeNameListBox->item(0)->text(), "if");
    for (QPushButton* browse : {dialog.PathButton, dialog.HelpButton, dialog.LumcButton, dialog.BatButton,
                                dialog.KioroButton, dialog.KioButton})
        EXPECT_EQ(browse->text(), "参照");
    EXPECT_EQ(dialog.OKButton->text(), "OK");
    EXPECT_EQ(dialog.CancelButton->text(), "キャンセル");
}

TEST_F(SettingsDialogTest, TheMacroNoteShowsExactlyWhileThePermissionIsTicked) {
    settings.PermitAllMacro = true;
    TSDlg dialog(nullptr, wheel, settings);
    dialog.show();
    dialog.PageControl->setCurrentIndex(1);
    EXPECT_TRUE(dialog.MacroPermitMemo->isVisible());
    const QStringList lines = dialog.MacroPermitMemo->toPlainText().split('\n');
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines.mid(0, 4), QStringList({"このオプションをチェックすると全てのマクロが使用",
                                            "可能になりますが、ファイルアクセスなども許可され",
                                            "てしまうために悪意のあるマクロによってご使用の",
                                            "環境が破壊される恐れがあります。"}));
    EXPECT_TRUE(dialog.MacroPermitMemo->isReadOnly());
    dialog.MacroPermitChk->click();
    EXPECT_FALSE(dialog.MacroPermitMemo->isVisible());
    dialog.MacroPermitChk->click();
    EXPECT_TRUE(dialog.MacroPermitMemo->isVisible());
}

TEST_F(SettingsDialogTest, OKWritesTheRecordTheWheelCountAndTheStore) {
    TSDlg dialog(nullptr, wheel, settings);
    dialog.PathEdit->setText("/new/folder");
    dialog.HelpEdit->setText("/h2/index.html");
    dialog.LumcEdit->setText("/lumc2");
    dialog.BatEdit->setText("/b2/make.sh");
    dialog.KioroEdit->setText("/k2/halvane");
    dialog.KioEdit->setText("/k2/b.kio");
    dialog.WindowStateChk->setChecked(false);
    dialog.MacroPermitChk->setChecked(true);
    dialog.WheelScrollCountEdit->setText("7");
    dialog.OKButton->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(settings.CurrentFolder, "/new/folder/");
    EXPECT_EQ(stored("Path", "Path"), "/new/folder");  // as typed
    EXPECT_EQ(settings.LumHelpFile, "/h2/index.html");
    EXPECT_EQ(settings.LumcFolder, "/lumc2");
    EXPECT_EQ(settings.BatFile, "/b2/make.sh");
    EXPECT_EQ(settings.KioroFile, "/k2/halvane");
    EXPECT_EQ(settings.KioFile, "/k2/b.kio");
    EXPECT_EQ(stored("Path", "HelpFile"), "/h2/index.html");
    EXPECT_EQ(stored("Path", "LumcPath"), "/lumc2");
    EXPECT_EQ(stored("Path", "BatFile"), "/b2/make.sh");
    EXPECT_EQ(stored("Path", "KioroFile"), "/k2/halvane");
    EXPECT_EQ(stored("Path", "KioFile"), "/k2/b.kio");
    EXPECT_FALSE(settings.SaveWindowState);
    EXPECT_TRUE(settings.PermitAllMacro);
    EXPECT_EQ(stored("Other", "SaveWindowState"), "false");
    EXPECT_EQ(stored("Other", "PermitAllMacro"), "true");
    EXPECT_EQ(wheel, 7);
    EXPECT_EQ(stored("Other", "WheelScrollCount"), "7");
    EXPECT_TRUE(TRegIniFile(kKey).SectionExists("CodeTemplate"));  // templates stored, none
}

TEST_F(SettingsDialogTest, AWheelCountThatIsNoDecimalIntegerChangesNothing) {
    for (const char* bad : {"abc", "", "1.5", "0x10", "99999999999"}) {
        prompts.expectError();
        const TSettings before = settings;
        TSDlg dialog(nullptr, wheel, settings);
        dialog.show();
        dialog.PathEdit->setText("/elsewhere");
        dialog.WheelScrollCountEdit->setText(bad);
        dialog.OKButton->click();

        EXPECT_TRUE(dialog.isVisible()) << bad;
        EXPECT_EQ(prompts.calls().back().text, QString("'%1' は有効な整数値ではありません").arg(bad));
        EXPECT_EQ(settings.CurrentFolder, before.CurrentFolder) << bad;
        EXPECT_EQ(wheel, 3);
        EXPECT_EQ(stored("Path", "Path"), "<absent>");
        EXPECT_FALSE(TRegIniFile(kKey).SectionExists("Other"));

        dialog.CancelButton->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(settings.CurrentFolder, before.CurrentFolder);
    }
    EXPECT_FALSE(TRegIniFile(kKey).SectionExists("Path"));
}

TEST_F(SettingsDialogTest, CancelLeavesTheRecordTheWheelCountAndTheStoreAlone) {
    TRegIniFile(kKey).WriteString("CodeTemplate", "if", "x");
    TSDlg dialog(nullptr, wheel, settings);
    dialog.PathEdit->setText("/other");
    dialog.WheelScrollCountEdit->setText("9");
    dialog.TemplatePage->Bodies[0] = "changed";
    dialog.CancelButton->click();
    EXPECT_EQ(settings.CurrentFolder, "/work/src/");
    EXPECT_EQ(wheel, 3);
    EXPECT_EQ(stored("CodeTemplate", "if"), "x");
    EXPECT_FALSE(TRegIniFile(kKey).SectionExists("Path"));
}

TEST_F(SettingsDialogTest, TheUpDownStepsTheCountWithoutGoingBelowZero) {
    wheel = 1;
    TSDlg dialog(nullptr, wheel, settings);
    dialog.UpDown1->DownButton->click();
    EXPECT_EQ(dialog.WheelScrollCountEdit->text(), "0");
    dialog.UpDown1->DownButton->click();
    EXPECT_EQ(dialog.WheelScrollCountEdit->text(), "0");
    dialog.WheelScrollCountEdit->setText("12");
    dialog.UpDown1->UpButton->click();
    EXPECT_EQ(dialog.WheelScrollCountEdit->text(), "13");
}

TEST_F(SettingsDialogTest, FolderBrowsersTakeAChosenFolderAndIgnoreACancel) {
    TSDlg dialog(nullptr, wheel, settings);
    prompts.answerFolder("/chosen");
    dialog.PathButton->click();
    prompts.answerFolder("");
    dialog.LumcButton->click();

    const auto calls = prompts.callsOf(PromptKind::Folder);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].caption, "カレントディレクトリを指定して下さい");
    EXPECT_EQ(calls[0].initialFolder, "/work/src/");
    EXPECT_EQ(calls[1].caption, "lumc,lumpのあるディレクトリを指定して下さい");
    EXPECT_EQ(dialog.PathEdit->text(), "/chosen");
    EXPECT_EQ(dialog.LumcEdit->text(), "/lumc");

    dialog.OKButton->click();
    EXPECT_EQ(settings.CurrentFolder, "/chosen/");
    EXPECT_EQ(stored("Path", "Path"), "/chosen");
}

TEST_F(SettingsDialogTest, FileBrowsersOfferTheirFilterAndAllFiles) {
    TSDlg dialog(nullptr, wheel, settings);
    struct Case {
        QPushButton* button;
        QLineEdit* edit;
        const char* filter;
    };
    const Case cases[] = {
        {dialog.HelpButton, dialog.HelpEdit, "Lumiraヘルプ(index.html)|index.html|全て(*.*)|*.*"},
        {dialog.BatButton, dialog.BatEdit, "バッチファイル(*.bat)|*.bat|全て(*.*)|*.*"},
        {dialog.KioroButton, dialog.KioroEdit, "Halvane本体(*.exe)|*.exe|全て(*.*)|*.*"},
        {dialog.KioButton, dialog.KioEdit, "Kioro定義ファイル(*.kio)|*.kio|全て(*.*)|*.*"},
    };
    for (const Case& c : cases) {
        const QString before = c.edit->text();
        prompts.answerOpenFiles({});
        c.button->click();
        EXPECT_EQ(c.edit->text(), before);
        prompts.answerOpenFiles({"/picked/file"});
        c.button->click();
        EXPECT_EQ(c.edit->text(), "/picked/file");
        const PromptCall& call = prompts.calls().back();
        EXPECT_EQ(call.file.filter, c.filter);
        EXPECT_EQ(call.file.fileName, "");
        EXPECT_FALSE(call.file.multiSelect);
    }
}

// Screen readers name every control, the path edits after their labels.
TEST_F(SettingsDialogTest, EveryControlHasAName) {
    TSDlg dialog(nullptr, wheel, settings);
    for (int page = 0; page < dialog.PageControl->count(); ++page) {
        dialog.PageControl->setCurrentIndex(page);
        dialog.show();
        EXPECT_EQ(unnamedControls(&dialog), QStringList()) << page;
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(dialog.HelpEdit)->text(QAccessible::Name), "ヘルプファイル");
}

}  // namespace
