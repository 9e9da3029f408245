#pragma once
// Points the settings hive at an empty temporary folder for the life of the
// object, so that no test reads or writes the user's real settings.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class ScopedSettingsHive {
public:
    ScopedSettingsHive();
    ~ScopedSettingsHive();
    ScopedSettingsHive(const ScopedSettingsHive&) = delete;
    ScopedSettingsHive& operator=(const ScopedSettingsHive&) = delete;

    QString folder() const { return dir_.path(); }
    // The file that holds the hive ("Telsor.conf").
    QString filePath() const { return file_; }
    QByteArray fileContents() const;
    // Replaces the stored file, e.g. with damaged content; call it before
    // the code under test opens the hive.
    void setFileContents(const QByteArray& contents) const;

private:
    QTemporaryDir dir_;
    QString previous_;
    QString file_;
};
