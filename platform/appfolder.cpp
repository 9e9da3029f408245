#include "platform/appfolder.h"

#include <QCoreApplication>

namespace {

QString& overrideFolder()
{
    static QString folder;
    return folder;
}

QString withTrailingSlash(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

}  // namespace

QString AppFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    return withTrailingSlash(QCoreApplication::applicationDirPath());
}

void setAppFolderOverride(const QString& folder)
{
    overrideFolder() = folder.isEmpty() ? QString() : withTrailingSlash(folder);
}

QString appFolderOverride()
{
    return overrideFolder();
}
