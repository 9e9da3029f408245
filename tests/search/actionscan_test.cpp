// What the action viewer lists, without the tree: the files of a folder by
// mask slot and the actions of their lines.
#include "platform/cp932.h"
#include "search/actionscan.h"
#include "tests/components/sjis.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>

namespace {

struct NameCase {
    const char* name;
    QByteArray line;
    std::optional<QByteArray> expected;
};

class ActionName : public ::testing::TestWithParam<NameCase> {};

TEST_P(ActionName, Extract) { EXPECT_EQ(ExtractActionName(GetParam().line), GetParam().expected); }

// Ｂ is 0x82 0x61 and Ｆ is 0x82 0x65: their second bytes are "a" and "e".
// clang-format off
INSTANTIATE_TEST_SUITE_P(Lines, ActionName, ::testing::Values(
    NameCase{"Definition", "action OnBoot {", QByteArray("OnBoot {")},
    NameCase{"CommentMentioningIt", "// start action here", QByteArray("here")},
    NameCase{"NoSpaceAfterIt", "\tdoaction", QByteArray("")},
    NameCase{"FirstSpaceAfterTheWord", "reaction  two words", QByteArray(" two words")},
    NameCase{"NoAction", "Action OnBoot", std::nullopt},
    NameCase{"JapaneseName", sj("action 起動時 {"), sj("起動時 {")},
    NameCase{"NotInsideADoubleByteCharacter", sj("Ｂction x"), std::nullopt},
    NameCase{"TheWholeWordAfterAFalseOne", sj("Ｂction action Go"), QByteArray("Go")}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

class ActionScanTest : public ::testing::Test {
protected:
    void write(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // "file: action, action | file: ..." of the scan.
    std::string listing() {
        scan.ScanActionFolder(dir.path() + "/");
        std::string out;
        for (const ActionFileNode& node : scan.Nodes) {
            if (!out.empty()) out += " | ";
            out += node.name.toStdString() + ":";
            for (const QByteArray& action : node.actions) out += " [" + cp932::decode(action).toStdString() + "]";
        }
        return out;
    }

    QTemporaryDir dir;
    TActionScan scan;
};

TEST_F(ActionScanTest, FilesComeInMaskOrderAndTextsHaveNoChildren) {
    write("a.lum", "action A {\r\n");
    write("b.txt", "action B {\r\n");
    write("c.srx", "action C {\r\n");
    EXPECT_EQ(listing(), "a.lum: [A {] | c.srx: [C {] | b.txt:");
}

TEST_F(ActionScanTest, MasksIgnoreCaseAndEachSlotIsSortedIgnoringCase) {
    for (const char* name : {"B.LUM", "a.lum", "c.Lum", "x.LUMIRA", "y.serith", "Z.SRX", "_u.lum", "w.lumx", "v.txt"})
        write(name, "");
    QDir(dir.path()).mkdir("dir.lum");
    EXPECT_EQ(listing(), "a.lum: | B.LUM: | c.Lum: | dir.lum: | _u.lum: | x.LUMIRA: | Z.SRX: | y.serith: | v.txt:");
}

TEST_F(ActionScanTest, ExternLinesAreSkippedAndOtherLinesKeptInOrder) {
    write("a.lum", sj("extern action Far;\r\naction Near {\r\n// action 説明\r\nno match here\r\n"
                      "Ｆxtern action Kept\r\naction\r\n"));
    EXPECT_EQ(listing(), "a.lum: [Near {] [説明] [Kept] []");
}

TEST_F(ActionScanTest, BinaryFilesAndEndlessLinesGiveShortNamesOnly) {
    QByteArray endless = "action " + QByteArray(100000, 'x');
    write("big.lum", endless + "\r\n" + QByteArray("\0\xff\x81 action \x01\xfe\r\n", 15));
    scan.ScanActionFolder(dir.path() + "/");
    ASSERT_EQ(scan.Nodes.size(), 1u);
    ASSERT_EQ(scan.Nodes[0].actions.size(), 2u);
    EXPECT_EQ(scan.Nodes[0].actions[0], QByteArray(kActionNameLimit, 'x'));
    EXPECT_EQ(scan.Nodes[0].actions[1], QByteArray("\x01\xfe"));
}

TEST_F(ActionScanTest, ANameIsNeverCutInsideADoubleByteCharacter) {
    write("a.lum", "action x" + sj("表").repeated(200) + "\r\n");
    scan.ScanActionFolder(dir.path() + "/");
    ASSERT_EQ(scan.Nodes.at(0).actions.size(), 1u);
    EXPECT_EQ(scan.Nodes[0].actions[0], "x" + sj("表").repeated(127));
}

TEST_F(ActionScanTest, AnUnreadableFileIsListedWithoutChildren) {
    write("locked.lum", "action Hidden\r\n");
    QFile::setPermissions(dir.filePath("locked.lum"), QFileDevice::Permissions{});
    QFile probe(dir.filePath("locked.lum"));
    if (probe.open(QIODevice::ReadOnly)) GTEST_SKIP() << "permissions do not stop this user";
    EXPECT_EQ(listing(), "locked.lum:");
}

TEST_F(ActionScanTest, AMissingFolderListsNothing) {
    scan.Nodes.push_back({"old.lum", {}});
    scan.ScanActionFolder(dir.path() + "/missing/");
    EXPECT_TRUE(scan.Nodes.empty());
}

}  // namespace
