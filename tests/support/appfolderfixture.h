#pragma once
// A temporary program folder that AppFolder() answers for the life of the
// object.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class ScopedAppFolder {
public:
    ScopedAppFolder();
    ~ScopedAppFolder();
    ScopedAppFolder(const ScopedAppFolder&) = delete;
    ScopedAppFolder& operator=(const ScopedAppFolder&) = delete;

    // The folder, ending in "/".
    QString path() const;
    QString filePath(const QString& name) const { return path() + name; }
    // Writes `bytes` to `name` (sub-folders are created); false on failure.
    bool writeFile(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir dir_;
    QString previous_;
};
