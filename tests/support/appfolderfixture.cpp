#include "tests/support/appfolderfixture.h"

#include "platform/appfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

ScopedAppFolder::ScopedAppFolder() : previous_(appFolderOverride())
{
    setAppFolderOverride(dir_.path());
}

ScopedAppFolder::~ScopedAppFolder()
{
    setAppFolderOverride(previous_);
}

QString ScopedAppFolder::path() const
{
    return dir_.path() + QLatin1Char('/');
}

bool ScopedAppFolder::writeFile(const QString& name, const QByteArray& bytes) const
{
    const QString target = filePath(name);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile file(target);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && file.write(bytes) == bytes.size();
}
