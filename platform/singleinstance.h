#pragma once
// "Only one instance runs": the first instance holds a lock on a file of the
// given name for as long as it lives; a later one sees the lock and knows
// another instance is running. The kernel drops the lock when its holder
// ends in any way, so a crashed instance never blocks the next start.
#include <QString>

class SingleInstanceLock {
public:
    // `folder` defaults to the user's runtime folder, else the temp folder.
    explicit SingleInstanceLock(QString name, QString folder = {});
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // True when another instance held the lock at construction. An instance
    // that cannot use the lock file at all counts as the first, so that the
    // program still starts.
    bool otherInstanceRunning() const { return otherRunning_; }
    QString lockFilePath() const { return path_; }

private:
    QString path_;
    int fd_ = -1;
    bool otherRunning_ = false;
};
