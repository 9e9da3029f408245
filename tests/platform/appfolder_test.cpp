#include "platform/appfolder.h"

#include "tests/support/appfolderfixture.h"

#include <QCoreApplication>
#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(AppFolderTest, IsTheExecutablesFolderWithATrailingSlash)
{
    EXPECT_EQ(AppFolder(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
}

TEST(AppFolderTest, AnOverrideGetsItsSlashAndAnEmptyOneRestoresTheDefault)
{
    setAppFolderOverride(QStringLiteral("/opt/quodex"));
    EXPECT_EQ(AppFolder(), QStringLiteral("/opt/quodex/"));
    setAppFolderOverride(QStringLiteral("/opt/quodex/"));
    EXPECT_EQ(AppFolder(), QStringLiteral("/opt/quodex/"));
    setAppFolderOverride(QString());
    EXPECT_EQ(AppFolder(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
}

TEST(AppFolderTest, ScopedFoldersNestAndRestore)
{
    const QString outer = AppFolder();
    {
        ScopedAppFolder first;
        EXPECT_EQ(AppFolder(), first.path());
        EXPECT_TRUE(first.path().endsWith(QLatin1Char('/')));
        {
            ScopedAppFolder second;
            EXPECT_EQ(AppFolder(), second.path());
            ASSERT_TRUE(second.writeFile(QStringLiteral("Macro/a.qmc"), "x"));
            EXPECT_TRUE(QFile::exists(AppFolder() + QStringLiteral("Macro/a.qmc")));
        }
        EXPECT_EQ(AppFolder(), first.path());
    }
    EXPECT_EQ(AppFolder(), outer);
}

}  // namespace
