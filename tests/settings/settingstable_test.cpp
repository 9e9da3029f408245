// The values read at start-up and written back, and the current folder's
// separator rule: plain logic over a private hive.
#include "settings/currentfolder.h"
#include "settings/settingstable.h"
#include "platform/regini.h"
#include "tests/support/settingshive.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr const char* kKey = "\\Software\\Telsor\\Quodex";
const QString kAppFolder = "/opt/quodex/";

class StartupSettingsTest : public ::testing::Test {
protected:
    TSettings read() {
        TSettings settings;
        settings.AppFolder = kAppFolder;
        ReadStartupSettings(TRegIniFile(kKey), settings, wheelLines);
        return settings;
    }

    ScopedSettingsHive hive;
    TRegIniFile reg{kKey};
    qint32 wheelLines = -1;
};

TEST_F(StartupSettingsTest, AnEmptyKeyGivesTheDefaults) {
    const TSettings s = read();
    EXPECT_EQ(s.CurrentFolder, kAppFolder);
    EXPECT_EQ(s.LumHelpFile, "");
    EXPECT_EQ(s.LumcFolder, "");
    EXPECT_EQ(s.BatFile, "");
    EXPECT_EQ(s.KioroFile, "");
    EXPECT_EQ(s.KioFile, "");
    EXPECT_EQ(s.PaletteFile, kAppFolder + "buttons/buttons.qbp");
    EXPECT_FALSE(s.InsertNewLine);
    EXPECT_FALSE(s.SaveWindowState);
    EXPECT_FALSE(s.PermitAllMacro);
    EXPECT_EQ(wheelLines, 2);
    EXPECT_TRUE(s.OpenMailOrMail);
    EXPECT_TRUE(s.FindHistory.isEmpty());
    EXPECT_TRUE(s.ReplaceHistory.isEmpty());
}

TEST_F(StartupSettingsTest, StoredValuesWinOverTheDefaults) {
    QTemporaryDir folder;
    reg.WriteString("Path", "Path", folder.path());
    reg.WriteString("Path", "HelpFile", "/h/index.html");
    reg.WriteString("Path", "LumcPath", "/lumc/");
    reg.WriteString("Path", "BatFile", "/b/make.bat");
    reg.WriteString("Path", "KioroFile", "/k/halvane.exe");
    reg.WriteString("Path", "KioFile", "/k/a.kio");
    reg.WriteString("QBP", "File", "/p/mine.qbp");
    reg.WriteBool("Other", "NewLine", true);
    reg.WriteBool("Other", "SaveWindowState", true);
    reg.WriteBool("Other", "PermitAllMacro", true);
    reg.WriteInteger("Other", "WheelScrollCount", 0);
    reg.WriteBool("Editor", "OpenMailOrMail", false);

    const TSettings s = read();
    EXPECT_EQ(s.CurrentFolder, folder.path() + "/");
    EXPECT_EQ(s.LumHelpFile, "/h/index.html");
    EXPECT_EQ(s.LumcFolder, "/lumc/");
    EXPECT_EQ(s.BatFile, "/b/make.bat");
    EXPECT_EQ(s.KioroFile, "/k/halvane.exe");
    EXPECT_EQ(s.KioFile, "/k/a.kio");
    EXPECT_EQ(s.PaletteFile, "/p/mine.qbp");
    EXPECT_TRUE(s.InsertNewLine);
    EXPECT_TRUE(s.SaveWindowState);
    EXPECT_TRUE(s.PermitAllMacro);
    EXPECT_EQ(wheelLines, 0);
    EXPECT_FALSE(s.OpenMailOrMail);
}

// The settings dialog stores the folder as typed: without a separator, with
// Windows separators and letter case, or cleared.
TEST_F(StartupSettingsTest, TheStoredFolderComesBackAsAFolderOfThisSystem) {
    QTemporaryDir root;
    QDir(root.path()).mkpath("Src/ソース表");

    reg.WriteString("Path", "Path", root.path() + "/Src/ソース表");
    EXPECT_EQ(read().CurrentFolder, root.path() + "/Src/ソース表/");

    reg.WriteString("Path", "Path", root.path() + "\\src\\ソース表\\");
    EXPECT_EQ(read().CurrentFolder, root.path() + "/Src/ソース表/");

    reg.WriteString("Path", "Path", "");
    EXPECT_EQ(read().CurrentFolder, kAppFolder);
}

TEST_F(StartupSettingsTest, AHistoryStopsAtItsFirstEmptyItem) {
    reg.WriteString("Find", "Items[0]", "newest");
    reg.WriteString("Find", "Items[1]", "older");
    reg.WriteString("Find", "Items[2]", "");
    reg.WriteString("Find", "Items[3]", "after the gap");
    reg.WriteString("Replace", "Items[1]", "no first item");

    const TSettings s = read();
    EXPECT_EQ(s.FindHistory, QStringList({"newest", "older"}));
    EXPECT_TRUE(s.ReplaceHistory.isEmpty());
}

TEST_F(StartupSettingsTest, AHistoryHoldsTenItemsAtMost) {
    for (int n = 0; n < 12; ++n) reg.WriteString("Replace", QString("Items[%1]").arg(n), QString("r%1").arg(n));
    const QStringList history = ReadHistory(reg, "Replace");
    ASSERT_EQ(history.size(), 10);
    EXPECT_EQ(history.front(), "r0");
    EXPECT_EQ(history.back(), "r9");
}

// Every value of the table comes back as it was written through the table.
TEST_F(StartupSettingsTest, EachValueIsWrittenWhereItIsRead) {
    TSettings written;
    written.CurrentFolder = "/cur/";
    written.LumHelpFile = "/h/index.html";
    written.LumcFolder = "/lumc/";
    written.BatFile = "/b/make.bat";
    written.KioroFile = "/k/halvane.exe";
    written.KioFile = "/k/a.kio";
    written.PaletteFile = "/p/mine.qbp";
    written.InsertNewLine = written.SaveWindowState = written.PermitAllMacro = true;
    written.OpenMailOrMail = false;
    for (const StartupSetting& entry : StartupSettings()) {
        if (const auto* text = std::get_if<QString TSettings::*>(&entry.target))
            WriteStartupSetting(reg, written, *text);
        else if (const auto* flag = std::get_if<bool TSettings::*>(&entry.target))
            WriteStartupSetting(reg, written, *flag);
        else
            WriteWheelLineCount(reg, 7);
    }
    EXPECT_EQ(reg.ReadString("QBP", "File", ""), "/p/mine.qbp");

    const TSettings s = read();
    EXPECT_EQ(s.CurrentFolder, "/cur/");
    EXPECT_EQ(s.LumHelpFile, written.LumHelpFile);
    EXPECT_EQ(s.LumcFolder, written.LumcFolder);
    EXPECT_EQ(s.BatFile, written.BatFile);
    EXPECT_EQ(s.KioroFile, written.KioroFile);
    EXPECT_EQ(s.KioFile, written.KioFile);
    EXPECT_EQ(s.PaletteFile, written.PaletteFile);
    EXPECT_TRUE(s.InsertNewLine && s.SaveWindowState && s.PermitAllMacro);
    EXPECT_FALSE(s.OpenMailOrMail);
    EXPECT_EQ(wheelLines, 7);
}

TEST_F(StartupSettingsTest, AWrittenHistoryKeepsItsFirstTenEntries) {
    QStringList history;
    for (int n = 0; n < 12; ++n) history << QString("h%1").arg(n);
    WriteHistory(reg, "Find", history);
    EXPECT_EQ(ReadHistory(reg, "Find"), history.mid(0, 10));
    EXPECT_FALSE(reg.ValueExists("Find", "Items[10]"));
}

TEST(CurrentFolder, EndsInOneSeparatorWhateverTheNameEndsIn) {
    EXPECT_EQ(currentFolderOf("/"), "/");
    EXPECT_EQ(currentFolderOf("/a/b"), "/a/b/");
    EXPECT_EQ(currentFolderOf("/a/b/"), "/a/b/");
    // 表 is 0x95 0x5C in Shift-JIS: its trail byte is no separator.
    EXPECT_EQ(currentFolderOf("/a/一覧表"), "/a/一覧表/");
    // Here "\" is a letter a folder's name may end in.
    EXPECT_EQ(currentFolderOf("/a/odd\\"), "/a/odd\\/");
    EXPECT_EQ(currentFolderOf(""), "");
}

}  // namespace
