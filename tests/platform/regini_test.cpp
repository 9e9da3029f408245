#include "platform/regini.h"

#include "tests/support/settingshive.h"

#include <QFile>
#include <QSettings>
#include "tests/support/qtprinters.h"

#include <gtest/gtest.h>

#include <climits>
#include <unistd.h>

namespace {

const QString kQuodexKey = QStringLiteral("\\Software\\Telsor\\Quodex");

class RegIniTest : public ::testing::Test {
protected:
    // What another program reading the hive sees now.
    QVariant rawValue(const QString& key) const
    {
        QSettings fresh(hive.filePath(), QSettings::IniFormat);
        return fresh.value(key);
    }

    ScopedSettingsHive hive;
};

TEST_F(RegIniTest, KeySpellingsNameTheSameStoreAndSectionsBecomeGroups)
{
    TRegIniFile(kQuodexKey).WriteString(QStringLiteral("Find"), QStringLiteral("MatchCase"),
                                        QStringLiteral("x"));
    TRegIniFile(kQuodexKey).WriteInteger(QStringLiteral("Pos\\MainWindow"),
                                         QStringLiteral("Left"), 12);

    EXPECT_EQ(rawValue(QStringLiteral("Quodex/Find/MatchCase")).toString(), QStringLiteral("x"));
    EXPECT_EQ(rawValue(QStringLiteral("Quodex/Pos/MainWindow/Left")).toString(),
              QStringLiteral("12"));
    for (const char* key : {"Software\\Telsor\\Quodex", "software\\TELSOR\\quodex\\",
                            "/Software/Telsor/Quodex", "Quodex"}) {
        const TRegIniFile reg{QString::fromLatin1(key)};
        EXPECT_EQ(reg.ReadString(QStringLiteral("Find"), QStringLiteral("MatchCase"), {}),
                  QStringLiteral("x"))
            << key;
    }
    EXPECT_EQ(TRegIniFile(QStringLiteral("Software\\Telsor"))
                  .ReadInteger(QStringLiteral("Quodex\\Pos\\MainWindow"), QStringLiteral("Left"), 0),
              12);
    EXPECT_EQ(TRegIniFile(kQuodexKey).ReadSections(),
              (QStringList{QStringLiteral("Find"), QStringLiteral("Pos")}));
}

TEST_F(RegIniTest, NamesMatchIgnoringCaseAndKeepTheirFirstSpelling)
{
    TRegIniFile reg(kQuodexKey);
    reg.WriteString(QStringLiteral("Find"), QStringLiteral("MatchCase"), QStringLiteral("1"));
    reg.WriteString(QStringLiteral("FIND"), QStringLiteral("matchcase"), QStringLiteral("2"));
    TRegIniFile(QStringLiteral("\\software\\telsor\\QUODEX"))
        .WriteString(QStringLiteral("find"), QStringLiteral("Other"), QStringLiteral("3"));

    EXPECT_EQ(reg.ReadString(QStringLiteral("fInD"), QStringLiteral("MATCHCASE"), {}),
              QStringLiteral("2"));
    EXPECT_EQ(reg.ReadSection(QStringLiteral("find")),
              (QStringList{QStringLiteral("MatchCase"), QStringLiteral("Other")}));
    EXPECT_EQ(reg.ReadSections(), QStringList{QStringLiteral("Find")});
    EXPECT_TRUE(reg.SectionExists(QStringLiteral("FIND")));
    EXPECT_TRUE(reg.ValueExists(QStringLiteral("find"), QStringLiteral("other")));
    EXPECT_FALSE(reg.ValueExists(QStringLiteral("find"), QStringLiteral("missing")));
    EXPECT_FALSE(reg.SectionExists(QStringLiteral("Replace")));
}

TEST_F(RegIniTest, ValueNamesWithSeparatorsAndPercentSignsSurvive)
{
    const QStringList names{QStringLiteral("if/else"), QStringLiteral("C:\\path\\"),
                            QStringLiteral("50%"), QStringLiteral("%2F literal"),
                            QStringLiteral("/"), QStringLiteral("テンプレート/一"),
                            QString()};
    TRegIniFile reg(kQuodexKey);
    for (int i = 0; i < names.size(); ++i)
        reg.WriteInteger(QStringLiteral("Template"), names[i], i);

    QStringList listed = reg.ReadSection(QStringLiteral("Template"));
    QStringList expected = names;
    listed.sort();
    expected.sort();
    EXPECT_EQ(listed, expected);
    TRegIniFile again(kQuodexKey);
    for (int i = 0; i < names.size(); ++i)
        EXPECT_EQ(again.ReadInteger(QStringLiteral("Template"), names[i], -1), i) << names[i].toStdString();
    EXPECT_EQ(again.ReadInteger(QStringLiteral("Template"), QStringLiteral("IF/ELSE"), -1), 0);
    EXPECT_EQ(again.ReadSections(), QStringList{QStringLiteral("Template")});
}

TEST_F(RegIniTest, StringValuesComeBackUnchanged)
{
    const QStringList values{QString(), QStringLiteral("@String"), QStringLiteral("a, b"),
                             QStringLiteral("\"quoted\""), QStringLiteral("semi;colon # hash"),
                             QStringLiteral("=equals="), QStringLiteral("  spaced  "),
                             QStringLiteral("日本語の値"), QStringLiteral("line\r\nbreak\ttab"),
                             QStringLiteral("C:\\dir\\"), QString(QChar(0xF781)) + QChar(0xFE00),
                             QStringLiteral("nul") + QChar(0) + QStringLiteral("inside"),
                             QStringLiteral("[Section]"), QStringLiteral("true")};
    {
        TRegIniFile reg(kQuodexKey);
        for (int i = 0; i < values.size(); ++i)
            reg.WriteString(QStringLiteral("Values"), QString::number(i), values[i]);
    }
    TRegIniFile reg(kQuodexKey);
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(reg.ReadString(QStringLiteral("Values"), QString::number(i), QStringLiteral("def")),
                  values[i])
            << i;
    EXPECT_EQ(reg.ReadString(QStringLiteral("Values"), QStringLiteral("absent"), QStringLiteral("def")),
              QStringLiteral("def"));
}

TEST_F(RegIniTest, IntegersAndBooleansReadBackAndDamagedOnesGiveTheDefault)
{
    TRegIniFile reg(kQuodexKey);
    reg.WriteInteger(QStringLiteral("N"), QStringLiteral("min"), INT_MIN);
    reg.WriteInteger(QStringLiteral("N"), QStringLiteral("max"), INT_MAX);
    reg.WriteBool(QStringLiteral("N"), QStringLiteral("yes"), true);
    reg.WriteBool(QStringLiteral("N"), QStringLiteral("no"), false);
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("N"), QStringLiteral("min"), 0), INT_MIN);
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("N"), QStringLiteral("max"), 0), INT_MAX);
    EXPECT_TRUE(reg.ReadBool(QStringLiteral("N"), QStringLiteral("yes"), false));
    EXPECT_FALSE(reg.ReadBool(QStringLiteral("N"), QStringLiteral("no"), true));
    EXPECT_EQ(rawValue(QStringLiteral("Quodex/N/yes")).toString(), QStringLiteral("true"));

    struct Case {
        const char* stored;
        int asInteger;  // with default 77
        int asBool;     // 1 true, 0 false, -1 the default
    };
    const Case cases[] = {
        {" 42 ", 42, -1},        {"-7", -7, -1},          {"2147483648", 77, -1},
        {"-2147483649", 77, -1}, {"12x", 77, -1},         {"", 77, -1},
        {"0x10", 77, -1},        {"1", 1, 1},             {"0", 0, 0},
        {"TRUE", 77, 1},         {"False", 77, 0},        {"yes", 77, -1},
    };
    for (const Case& c : cases)
        reg.WriteString(QStringLiteral("Damaged"), QString::fromLatin1(c.stored), QString::fromLatin1(c.stored));
    for (const Case& c : cases) {
        const QString name = QString::fromLatin1(c.stored);
        EXPECT_EQ(reg.ReadInteger(QStringLiteral("Damaged"), name, 77), c.asInteger) << c.stored;
        if (c.asBool < 0) {
            EXPECT_TRUE(reg.ReadBool(QStringLiteral("Damaged"), name, true)) << c.stored;
            EXPECT_FALSE(reg.ReadBool(QStringLiteral("Damaged"), name, false)) << c.stored;
        } else {
            EXPECT_EQ(reg.ReadBool(QStringLiteral("Damaged"), name, c.asBool == 0), c.asBool == 1)
                << c.stored;
        }
    }
}

TEST_F(RegIniTest, AnyStoredContentReadsWithoutHarmAndStaysWritable)
{
    const char raw[] = "[Quodex\n\xff\xfe\x00\x01=\n[Quodex/Find]\nMatchCase=@Rect(1 2 3 4)\n"
                       "Bytes=@ByteArray(abc)\nVariant=@Variant(\\0\\0\\0\\x7f\\0)\n"
                       "List=a, b\n=novalue\n[[]]\n[Quodex/Find/Deeper]\n%ZZ%=1\n";
    QByteArray garbage(raw, sizeof raw - 1);
    for (int i = 0; i < 256; ++i)
        garbage += static_cast<char>(i * 37);
    hive.setFileContents(garbage);

    TRegIniFile reg(kQuodexKey);
    EXPECT_EQ(reg.ReadString(QStringLiteral("Find"), QStringLiteral("MatchCase"), QStringLiteral("d")),
              QStringLiteral("d"));
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("Find"), QStringLiteral("Variant"), 5), 5);
    EXPECT_EQ(reg.ReadString(QStringLiteral("Find"), QStringLiteral("List"), {}), QStringLiteral("a, b"));
    reg.ReadSection(QStringLiteral("Find"));
    reg.ReadSections();
    reg.SectionExists(QStringLiteral("Find\\Deeper"));

    reg.WriteString(QStringLiteral("Find"), QStringLiteral("New"), QStringLiteral("v"));
    EXPECT_EQ(TRegIniFile(kQuodexKey).ReadString(QStringLiteral("Find"), QStringLiteral("New"), {}),
              QStringLiteral("v"));
}

TEST_F(RegIniTest, WritesReachTheFileAndChangesFromOutsideAreSeen)
{
    TRegIniFile reg(kQuodexKey);
    reg.WriteString(QStringLiteral("QBP"), QStringLiteral("File"), QStringLiteral("/a/b.qbp"));
    EXPECT_TRUE(hive.fileContents().contains("b.qbp"));  // before `reg` goes away

    // Another program rewrites the hive while `reg` is still open.
    QSettings other(hive.filePath(), QSettings::IniFormat);
    other.setValue(QStringLiteral("Quodex/QBP/File"), QStringLiteral("/elsewhere/other.qbp"));
    other.sync();
    EXPECT_EQ(TRegIniFile(kQuodexKey).ReadString(QStringLiteral("QBP"), QStringLiteral("File"), {}),
              QStringLiteral("/elsewhere/other.qbp"));
}

TEST_F(RegIniTest, WithoutWriteThroughChangesWaitForUpdateFile)
{
    {
        TRegIniFile reg(kQuodexKey);
        reg.SetWriteThrough(false);
        reg.WriteString(QStringLiteral("Template"), QStringLiteral("a"), QStringLiteral("first"));
        EXPECT_FALSE(hive.fileContents().contains("first"));
        EXPECT_EQ(reg.ReadString(QStringLiteral("Template"), QStringLiteral("A"), {}),
                  QStringLiteral("first"));
        reg.UpdateFile();
        EXPECT_TRUE(hive.fileContents().contains("first"));
        reg.WriteString(QStringLiteral("Template"), QStringLiteral("b"), QStringLiteral("second"));
        EXPECT_FALSE(hive.fileContents().contains("second"));
    }
    EXPECT_TRUE(hive.fileContents().contains("second"));
}

TEST_F(RegIniTest, ErasingAndDeletingRemoveExactlyWhatTheyName)
{
    TRegIniFile reg(kQuodexKey);
    reg.WriteString(QStringLiteral("Pos\\MainWindow"), QStringLiteral("Left"), QStringLiteral("1"));
    reg.WriteString(QStringLiteral("Pos\\Bar"), QStringLiteral("Top"), QStringLiteral("2"));
    reg.WriteString(QStringLiteral("Editor"), QStringLiteral("Editor"), QStringLiteral("3"));
    reg.WriteString(QString(), QStringLiteral("Editor"), QStringLiteral("value beside section"));
    reg.WriteString(QStringLiteral("Find"), QStringLiteral("A"), QStringLiteral("4"));
    reg.WriteString(QStringLiteral("Find"), QStringLiteral("B"), QStringLiteral("5"));

    reg.EraseSection(QStringLiteral("pos\\mainwindow"));
    EXPECT_FALSE(reg.SectionExists(QStringLiteral("Pos\\MainWindow")));
    EXPECT_TRUE(reg.ValueExists(QStringLiteral("Pos\\Bar"), QStringLiteral("Top")));

    reg.DeleteValue(QString(), QStringLiteral("EDITOR"));
    EXPECT_FALSE(reg.ValueExists(QString(), QStringLiteral("Editor")));
    EXPECT_EQ(reg.ReadString(QStringLiteral("Editor"), QStringLiteral("Editor"), {}),
              QStringLiteral("3"));

    reg.DeleteValue(QStringLiteral("Find"), QStringLiteral("a"));
    reg.DeleteValue(QStringLiteral("Find"), QStringLiteral("missing"));
    EXPECT_EQ(reg.ReadSection(QStringLiteral("Find")), QStringList{QStringLiteral("B")});

    reg.DeleteKey(QStringLiteral("POS"));
    EXPECT_FALSE(reg.SectionExists(QStringLiteral("Pos")));
    reg.DeleteKey(QStringLiteral("No\\Such\\Key"));
    EXPECT_EQ(reg.ReadSections(), (QStringList{QStringLiteral("Editor"), QStringLiteral("Find")}));
}

TEST_F(RegIniTest, AClearedSectionStaysAsAnEmptySectionUntilErased)
{
    TRegIniFile reg(kQuodexKey);
    reg.WriteString(QStringLiteral("CodeTemplate"), QStringLiteral("if"), QStringLiteral("1"));
    reg.WriteString(QStringLiteral("CodeTemplate\\Inner"), QStringLiteral("x"), QStringLiteral("2"));
    reg.WriteString(QStringLiteral("CodeTemplate"), QStringLiteral("Inner"), QStringLiteral("3"));

    reg.ClearSection(QStringLiteral("codetemplate"));

    const TRegIniFile fresh(kQuodexKey);
    EXPECT_TRUE(fresh.SectionExists(QStringLiteral("CodeTemplate")));
    EXPECT_EQ(fresh.ReadSection(QStringLiteral("CodeTemplate")), QStringList());
    EXPECT_FALSE(fresh.ValueExists(QStringLiteral("CodeTemplate"), QStringLiteral("%empty")));
    EXPECT_EQ(fresh.ReadString(QStringLiteral("CodeTemplate\\Inner"), QStringLiteral("x"), {}),
              QStringLiteral("2"));

    reg.WriteString(QStringLiteral("CodeTemplate"), QStringLiteral("%empty"), QStringLiteral("4"));
    EXPECT_FALSE(rawValue(QStringLiteral("Quodex/CodeTemplate/%empty")).isValid());
    EXPECT_EQ(reg.ReadSection(QStringLiteral("CodeTemplate")), QStringList{QStringLiteral("%empty")});
    EXPECT_EQ(reg.ReadString(QStringLiteral("CodeTemplate"), QStringLiteral("%EMPTY"), {}),
              QStringLiteral("4"));

    reg.EraseSection(QStringLiteral("CodeTemplate"));
    EXPECT_FALSE(reg.SectionExists(QStringLiteral("CodeTemplate")));
}

TEST_F(RegIniTest, EmptyNamesNeverEraseTheWholeKey)
{
    TRegIniFile reg(QStringLiteral("Software\\Telsor"));
    reg.WriteString(QStringLiteral("Quodex\\Find"), QStringLiteral("A"), QStringLiteral("1"));
    reg.DeleteKey(QString());
    reg.DeleteKey(QStringLiteral("\\"));
    reg.DeleteKey(QStringLiteral("\\\\/"));
    reg.EraseSection(QString());
    EXPECT_TRUE(reg.ValueExists(QStringLiteral("Quodex\\Find"), QStringLiteral("A")));
    EXPECT_TRUE(reg.SectionExists(QString()));
}

TEST_F(RegIniTest, AWriteThatCannotBeStoredIsReported)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "file permissions do not bind the superuser";
    TRegIniFile reg(kQuodexKey);
    reg.WriteString(QStringLiteral("Find"), QStringLiteral("A"), QStringLiteral("1"));
    EXPECT_FALSE(reg.WriteFailed());
    QFile::setPermissions(hive.filePath(), QFile::ReadOwner);
    QFile::setPermissions(hive.folder(), QFile::ReadOwner | QFile::ExeOwner);
    reg.WriteString(QStringLiteral("Find"), QStringLiteral("A"), QStringLiteral("2"));
    EXPECT_TRUE(reg.WriteFailed());
    QFile::setPermissions(hive.folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(RegIniEscapeTest, EscapingIsReversibleAndLeavesOtherPercentTextAlone)
{
    EXPECT_EQ(regini::escapeValueName(QStringLiteral("a/b\\c%d")), QStringLiteral("a%2Fb%5Cc%25d"));
    for (const char* name : {"", "%", "%%", "%2F", "%25", "a/b\\c%d", "%2", "x%"})
        EXPECT_EQ(regini::unescapeValueName(regini::escapeValueName(QString::fromLatin1(name))),
                  QString::fromLatin1(name))
            << name;
    EXPECT_EQ(regini::unescapeValueName(QStringLiteral("50%ZZ")), QStringLiteral("50%ZZ"));
}

}  // namespace
