// The drive box and the directory list of the folder explorer.
#include "app/dirlistbox.h"
#include "app/drivecombobox.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList entries(const TDirectoryListBox& list) {
    QStringList texts;
    for (QTreeWidgetItemIterator it(const_cast<TDirectoryListBox*>(&list)); *it; ++it)
        texts << (*it)->text(0);
    return texts;
}

TEST(DirectoryList, ListsTheAncestorsThenTheSubFoldersSorted) {
    QTemporaryDir root;
    QDir(root.path()).mkpath("top/b");
    QDir(root.path()).mkpath("top/A");
    QDir(root.path()).mkpath("top/.hidden");
    TDirectoryListBox list;

    list.SetDirectory(root.path() + "/top/");

    EXPECT_EQ(list.Directory(), root.path() + "/top");
    const QStringList texts = entries(list);
    EXPECT_EQ(texts.first(), "/");
    EXPECT_EQ(texts.mid(texts.size() - 3), QStringList({"top", "A", "b"}));
    EXPECT_EQ(list.currentItem()->text(0), "top");
}

TEST(DirectoryList, ActivatingAnEntryEntersItAndReportsTheChange) {
    QTemporaryDir root;
    QDir(root.path()).mkpath("sub");
    TDirectoryListBox list;
    list.SetDirectory(root.path());
    int changes = 0;
    QObject::connect(&list, &TDirectoryListBox::changed, [&] { ++changes; });

    QTreeWidgetItem* sub = list.findItems("sub", Qt::MatchExactly | Qt::MatchRecursive).value(0);
    ASSERT_NE(sub, nullptr);
    emit list.itemActivated(sub, 0);
    EXPECT_EQ(list.Directory(), root.path() + "/sub");
    EXPECT_EQ(changes, 1);

    list.SetDirectory(root.path() + "/sub/");
    EXPECT_EQ(changes, 1);  // the same folder is no change
}

TEST(DriveBox, FollowsTheListAndMovesItToTheChosenEntry) {
    QTemporaryDir root;
    TDirectoryListBox list;
    TDriveComboBox drives;
    drives.SetDirList(&list);

    list.SetDirectory(QDir::homePath());
    EXPECT_EQ(drives.currentData().toString(), drives.DriveOf(QDir::homePath()));
    EXPECT_EQ(drives.DriveOf(QDir::homePath()), QDir::homePath());

    const int rootEntry = drives.findData("/");
    ASSERT_GE(rootEntry, 0);
    emit drives.activated(rootEntry);
    EXPECT_EQ(list.Directory(), "/");
}

}  // namespace
