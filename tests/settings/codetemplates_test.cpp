// Code templates in the settings and in template files: plain logic over a
// private hive and temporary files.
#include "settings/codetemplates.h"

#include "platform/cp932.h"
#include "platform/regini.h"
#include "tests/support/qtprinters.h"
#include "tests/support/settingshive.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

constexpr const char* kKey = "\\Software\\Telsor\\Quodex";

struct Lists {
    QStringList names;
    QStringList bodies;
};

Lists parse(const QByteArray& bytes) {
    Lists lists;
    ParseTemplateFile(bytes, lists.names, lists.bodies);
    return lists;
}

Lists load() {
    Lists lists;
    LoadTemplates(TRegIniFile(kKey), lists.names, lists.bodies);
    return lists;
}

QByteArray sjis(const QString& text) { return cp932::encode(text); }

TEST(TemplateFileTest, TwoTemplatesMakeSevenBytesAndReadBack) {
    const QByteArray bytes = FormatTemplateFile({"A", "B"}, {"x", ""});
    EXPECT_EQ(bytes, QByteArray("A\x02x\x03" "B\x02\x03", 7));
    const Lists back = parse(bytes);
    EXPECT_EQ(back.names, QStringList({"A", "B"}));
    EXPECT_EQ(back.bodies, QStringList({"x", ""}));
}

TEST(TemplateFileTest, FieldsAreCutAtEverySeparatorAndAnUnfinishedBodyIsLost) {
    struct Case {
        const char* name;
        QByteArray bytes;
        QStringList names;
        QStringList bodies;
    };
    const Case cases[] = {
        {"empty file", QByteArray(), {}, {}},
        {"missing final 0x03", QByteArray("A\x02x\x03" "B\x02unfinished"), {"A", "B"}, {"x"}},
        {"name without separator", QByteArray("A\x02x\x03tail"), {"A"}, {"x"}},
        {"two bodies in a row", QByteArray("A\x02x\x03y\x03"), {"A"}, {"x", "y"}},
        {"two names in a row", QByteArray("A\x02" "B\x02x\x03"), {"A", "B"}, {"x"}},
        {"empty name", QByteArray("\x02x\x03", 3), {""}, {"x"}},
    };
    for (const Case& c : cases) {
        const Lists lists = parse(c.bytes);
        EXPECT_EQ(lists.names, c.names) << c.name;
        EXPECT_EQ(lists.bodies, c.bodies) << c.name;
    }
}

TEST(TemplateFileTest, ShiftJisBodiesWithLineBreaksAndTabsSurviveAFile) {
    QTemporaryDir dir;
    const QString file = dir.filePath("t.qtf");
    const QStringList names{"もし", "表示"};
    const QStringList bodies{"if (a) {\r\n\t表\r\n}", "ソ\\"};
    WriteTemplateFile(names, bodies, file);
    QFile raw(file);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    EXPECT_EQ(raw.readAll(), sjis("もし") + '\x02' + sjis(bodies[0]) + '\x03' + sjis("表示") + '\x02' +
                                 sjis(bodies[1]) + '\x03');
    Lists back{{"old"}, {"old body"}};
    ReadTemplateFile(file, back.names, back.bodies);
    EXPECT_EQ(back.names, QStringList({"old"}) + names);
    EXPECT_EQ(back.bodies, QStringList({"old body"}) + bodies);
}

TEST(TemplateFileTest, ATemplateHoldingASeparatorIsRefusedAndNothingIsWritten) {
    const QString stx(QChar(0x02));
    const QString etx(QChar(0x03));
    EXPECT_EQ(FirstUnwritableTemplate({"a", "b", "c"}, {"", "x" + etx, ""}), 1);
    EXPECT_EQ(FirstUnwritableTemplate({"a", "b" + stx}, {"", ""}), 1);
    EXPECT_EQ(FirstUnwritableTemplate({"a", "b"}, {"\r\n\t"}), std::nullopt);

    QTemporaryDir dir;
    const QString file = dir.filePath("t.qtf");
    EXPECT_THROW(WriteTemplateFile({"a", "b"}, {"", etx}, file), std::invalid_argument);
    EXPECT_FALSE(QFile::exists(file));
}

TEST(TemplateFileTest, AFileThatCannotBeReadOrWrittenIsAFileErrorAndListsStay) {
    QTemporaryDir dir;
    Lists lists{{"a"}, {"x"}};
    EXPECT_THROW(ReadTemplateFile(dir.filePath("missing.qtf"), lists.names, lists.bodies), FileError);
    EXPECT_EQ(lists.names, QStringList({"a"}));
    EXPECT_EQ(lists.bodies, QStringList({"x"}));
    EXPECT_THROW(WriteTemplateFile({"a"}, {"x"}, dir.filePath("no/such/folder/t.qtf")), FileError);
}

class StoredTemplatesTest : public ::testing::Test {
protected:
    void store(const QStringList& names, const QStringList& bodies) {
        TRegIniFile reg(kKey);
        StoreTemplates(reg, names, bodies);
    }

    ScopedSettingsHive hive;
};

TEST_F(StoredTemplatesTest, NamesWithSeparatorsAndOtherSignsRoundTripUnchanged) {
    const QStringList names{"a/b", "c\\d", "\\\\server\\x", "e=f;g", "100%", "名前 付き", "[x]", "#h", ""};
    QStringList bodies;
    for (const QString& name : names) bodies << "body of " + name + "\r\n\tline 2";
    store(names, bodies);

    const Lists back = load();
    ASSERT_EQ(back.names.size(), names.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        const qsizetype at = back.names.indexOf(names[i]);
        ASSERT_GE(at, 0) << names[i].toStdString();
        EXPECT_EQ(back.bodies[at], bodies[i]) << names[i].toStdString();
    }
}

TEST_F(StoredTemplatesTest, NamesEqualIgnoringCaseAreOneTemplateAndTheLaterEntryWins) {
    store({"If", "while", "IF", "if"}, {"first", "loop", "second", "third"});
    Lists back = load();
    EXPECT_EQ(back.names, QStringList({"if", "while"}));
    EXPECT_EQ(back.bodies, QStringList({"third", "loop"}));

    // A rename that changes letter case alone comes back as renamed.
    store({"WHILE"}, {"loop"});
    back = load();
    EXPECT_EQ(back.names, QStringList({"WHILE"}));
}

TEST_F(StoredTemplatesTest, StoringReplacesEverythingAndAMissingBodyIsEmpty) {
    store({"a", "b"}, {"1", "2"});
    store({"c", "d"}, {"3"});
    const Lists back = load();
    EXPECT_EQ(back.names, QStringList({"c", "d"}));
    EXPECT_EQ(back.bodies, QStringList({"3", ""}));
}

TEST_F(StoredTemplatesTest, SeedingFillsAnAbsentSectionOnceAndNeverAnEmptyOne) {
    QTemporaryDir dir;
    const QString seed = dir.filePath("KioroTemplate.qtf");
    TRegIniFile reg(kKey);
    EXPECT_FALSE(SeedTemplates(reg, seed));  // no file: nothing, tried again next time
    EXPECT_FALSE(reg.SectionExists("CodeTemplate"));

    QFile file(seed);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("if\x02if {\r\n}\x03"));
    file.close();
    EXPECT_TRUE(SeedTemplates(reg, seed));
    EXPECT_EQ(load().names, QStringList({"if"}));

    store({}, {});  // every template deleted
    EXPECT_FALSE(SeedTemplates(reg, seed));
    EXPECT_TRUE(TRegIniFile(kKey).SectionExists("codetemplate"));
    EXPECT_EQ(load().names, QStringList());
}

TEST_F(StoredTemplatesTest, ASeedFileThatCannotBeReadIsAFileErrorAndSeedsNothing) {
    QTemporaryDir dir;
    TRegIniFile reg(kKey);
    EXPECT_THROW(SeedTemplates(reg, dir.path()), FileError);  // a folder, not a file
    EXPECT_FALSE(reg.SectionExists("CodeTemplate"));
}

TEST(ShippedTemplatesTest, TheTemplateFileForTheProgramFolderIsWellFormed) {
    Lists lists;
    ReadTemplateFile(QUODEX_TEMPLATE_FILE, lists.names, lists.bodies);
    EXPECT_EQ(lists.names, QStringList({"action", "if", "if else", "for", "while", "switch"}));
    EXPECT_EQ(lists.bodies.size(), lists.names.size());
    for (const QString& body : lists.bodies) EXPECT_TRUE(body.contains("\r\n")) << body.toStdString();
}

}  // namespace
