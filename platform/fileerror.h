#pragma once
// A file that could not be read or saved. what() is the message for the user
// (UTF-8): it names the file and the reason, e.g.
//   ファイル "/x/y" を保存できません: Permission denied
#include <QString>

#include <stdexcept>

class FileError : public std::runtime_error {
public:
    enum class Operation { Read, Save };

    FileError(Operation operation, const QString& path, const QString& reason);

    // With the operating system's text for an errno value as the reason.
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
