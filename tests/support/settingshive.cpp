#include "tests/support/settingshive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

QString currentHiveFolder()
{
    const QSettings probe(QSettings::NativeFormat, QSettings::UserScope,
                          QStringLiteral("Telsor"));
    return QFileInfo(probe.fileName()).absolutePath();
}

}  // namespace

ScopedSettingsHive::ScopedSettingsHive() : previous_(currentHiveFolder())
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
    // Asked once: a QSettings on the hive would write out changes that others
    // still hold back.
    file_ = QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Telsor"))
                .fileName();
}

ScopedSettingsHive::~ScopedSettingsHive()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, previous_);
}

QByteArray ScopedSettingsHive::fileContents() const
{
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void ScopedSettingsHive::setFileContents(const QByteArray& contents) const
{
    QFile file(filePath());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(contents);
}
