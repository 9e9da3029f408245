#pragma once
// One folder watched for changes of its file names and contents (not of its
// subfolders): the directory change notification of the monitor thread.
// Its descriptor becomes readable when something changed; rearm() takes the
// queued changes so that it waits for the next one. Closed when destroyed.
#include <QString>

#include <memory>

class FolderWatch {
public:
    // Null when `folder` cannot be watched: missing, not a folder, an empty
    // name, or no watch left in the system.
    static std::unique_ptr<FolderWatch> open(const QString& folder);

    ~FolderWatch();
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;

    // For poll(): readable while changes are queued.
    int descriptor() const { return fd_; }

    // False when the queued changes could not be read.
    bool rearm();

private:
    explicit FolderWatch(int fd) : fd_(fd) {}

    int fd_;
};
