#pragma once
// A file that could not be read, saved or opened. what() is the message for
// the user (UTF-8): it names the file and the reason, e.g.
//   ファイル "/x/y" を保存できません: アクセスが拒否されました
#include <QString>

#include <stdexcept>

class FileError : public std::runtime_error {
public:
    // Open: handed to the program that shows or runs it.
    enum class Operation { Read, Save, Open };

    FileError(Operation operation, const QString& path, const QString& reason);

    // With the reason for an errno value: in Japanese for the common ones,
    // the operating system's own text for the rest.
    static FileError fromErrno(Operation operation, const QString& path, int error);

    Operation operation() const { return operation_; }
    const QString& path() const { return path_; }
    const QString& reason() const { return reason_; }
    QString message() const { return QString::fromUtf8(what()); }

private:
    Operation operation_;
    QString path_;
    QString reason_;
};

// The reason FileError gives for an errno value.
QString fileErrorReason(int error);

// Throws the FileError for reading `path` when it is no file that exists
// (missing, or a folder).
void requireExistingFile(const QString& path);
