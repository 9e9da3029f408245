// The small components: file history, drop target, grep and font list.
#include "components/dropdst.h"
#include "components/editorex.h"
#include "components/fontnamelistbox.h"
#include "components/grep.h"
#include "components/openfilehistories.h"
#include "tests/components/sjis.h"
#include "tests/support/settingshive.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFontDatabase>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

const QString kKey = QStringLiteral("\\Software\\Telsor\\Quodex");

QStringList names(int from, int to) {
    QStringList list;
    for (int i = from; i <= to; ++i) list.append(QStringLiteral("/f/%1.lum").arg(i));
    return list;
}

}  // namespace

TEST(OpenFileHistories, NewestFirstAtMostFifteenCaseIgnored) {
    ScopedSettingsHive hive;
    TOpenFileHistories h;
    h.SetStorage(kKey, "Files");
    for (const QString& f : names(1, 17)) h.Add(f);
    ASSERT_EQ(h.Files().size(), 15);
    EXPECT_EQ(h.Files().front(), "/f/17.lum");
    EXPECT_EQ(h.Files().back(), "/f/3.lum");
    h.Add("/F/10.LUM");
    EXPECT_EQ(h.Files().front(), "/F/10.LUM");
    EXPECT_EQ(h.Files().size(), 15);
    EXPECT_EQ(h.Files().count("/f/10.lum"), 0);

    TOpenFileHistories other;
    other.SetStorage(kKey, "Files");
    other.ReadSection();
    EXPECT_EQ(other.Files(), h.Files());
}

TEST(OpenFileHistories, MenuEntriesReportTheirPath) {
    TOpenFileHistories h;
    QMenu menu;
    h.SetMenu(&menu);
    EXPECT_FALSE(menu.isEnabled());
    h.Add("/a/R&D.lum");
    h.Add("/b/x.lum");
    ASSERT_EQ(menu.actions().size(), 2);
    EXPECT_EQ(menu.actions()[1]->text(), "&2 /a/R&&D.lum");
    QString chosen;
    QObject::connect(&h, &TOpenFileHistories::openFile, [&](const QString& p) { chosen = p; });
    menu.actions()[1]->trigger();
    EXPECT_EQ(chosen, "/a/R&D.lum");
}

TEST(DropDst, ReportsDroppedFilesInOrderAlsoOverAnEditor) {
    QWidget window;
    auto* editor = new TEditorEx(&window);
    (new QVBoxLayout(&window))->addWidget(editor);
    TDropDst drop(&window);
    QStringList got;
    QObject::connect(&drop, &TDropDst::fileDrop, [&](const QStringList& f) { got = f; });
    window.resize(300, 200);
    window.show();

    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile("/z/b.lum"), QUrl("http://x/y"), QUrl::fromLocalFile("/z/a.lum")});
    // Over the editor the drag reaches the window, which takes it...
    const QPoint at(20, 20);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(editor->Scintilla()->viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    // ... and the drop goes to it (outside a real drag the toolkit does not
    // route drops, so hand it over as the window would).
    QDropEvent dropEvent(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    static_cast<QObject&>(drop).eventFilter(&window, &dropEvent);
    EXPECT_EQ(got, (QStringList{"/z/b.lum", "/z/a.lum"}));
    EXPECT_EQ(editor->Lines().Text(), "");
}

TEST(Grep, ReportsMatchingLinesInOrder) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.lum");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    // The third line holds "action" only across a double-byte character's
    // second byte, which is no match.
    f.write(sj("action OnBoot {\r\n// 表示 action here\r\n") + QByteArray("\x83\x61" "ction\r\n") +
            sj("extern action X;\rno\naction last"));
    f.close();
    TGrep grep;
    grep.SetPattern("action");
    std::vector<QByteArray> lines;
    grep.OnMatch = [&](const QByteArray& line) { lines.push_back(line); };
    EXPECT_TRUE(grep.GrepFile(path));
    EXPECT_EQ(lines, (std::vector<QByteArray>{sj("action OnBoot {"), sj("// 表示 action here"), "extern action X;",
                                               "action last"}));
}

TEST(Grep, LargeFilesAndUnreadableFiles) {
    QTemporaryDir dir;
    const QString path = dir.filePath("big.lum");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const QByteArray filler(100, 'x');
    for (int i = 0; i < 30000; ++i) {
        f.write(filler);
        f.write(i % 1000 == 999 ? "action\r\n" : "\r\n");
    }
    f.close();
    TGrep grep;
    grep.SetPattern("action");
    int count = 0;
    grep.OnMatch = [&](const QByteArray& line) {
        ++count;
        EXPECT_EQ(line, filler + "action");
    };
    EXPECT_TRUE(grep.GrepFile(path));
    EXPECT_EQ(count, 30);
    count = 0;
    EXPECT_FALSE(grep.GrepFile(dir.filePath("missing.lum")));
    EXPECT_FALSE(grep.GrepFile(dir.path()));
    EXPECT_EQ(count, 0);
}

TEST(Grep, EveryLineEndCountsAndAnEmptyPatternTakesEveryLine) {
    QTemporaryDir dir;
    const QString path = dir.filePath("ends.txt");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    // A CR LF pair across the first block's end is one line end.
    f.write(QByteArray((1 << 20) - 1, 'a') + "\r\nb\rc\n\r\nd");
    f.close();
    TGrep grep;
    std::vector<int> lengths;
    grep.OnMatch = [&](const QByteArray& line) { lengths.push_back(int(line.size())); };
    EXPECT_TRUE(grep.GrepFile(path));
    EXPECT_EQ(lengths, (std::vector<int>{(1 << 20) - 1, 1, 1, 0, 1}));
    lengths.clear();
    grep.SetPattern("c");
    EXPECT_TRUE(grep.GrepFile(path));
    EXPECT_EQ(lengths, (std::vector<int>{1}));
}

TEST(FontNameListBox, ListsTheJapaneseFamilies) {
    TFontNameListBox box;
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    EXPECT_EQ(box.count(), japanese.size());
    if (japanese.isEmpty()) GTEST_SKIP() << "no Japanese fonts installed";
    EXPECT_TRUE(box.SetFontName(japanese.back()));
    EXPECT_EQ(box.FontName(), japanese.back());
    EXPECT_FALSE(box.SetFontName("No Such Font"));
}
