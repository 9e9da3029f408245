#include "platform/fileerror.h"

#include <QFileInfo>

#include <cerrno>

namespace {

QString describe(FileError::Operation operation, const QString& path, const QString& reason) {
    switch (operation) {
    case FileError::Operation::Read:
        return QStringLiteral("ファイル \"%1\" を読み込めません: %2").arg(path, reason);
    case FileError::Operation::Save:
        return QStringLiteral("ファイル \"%1\" を保存できません: %2").arg(path, reason);
    case FileError::Operation::Open:
        break;
    }
    return QStringLiteral("ファイル \"%1\" を開けません: %2").arg(path, reason);
}

}  // namespace

FileError::FileError(Operation operation, const QString& path, const QString& reason)
    : std::runtime_error(describe(operation, path, reason).toStdString()),
      operation_(operation),
      path_(path),
      reason_(reason) {}

FileError FileError::fromErrno(Operation operation, const QString& path, int error) {
    return FileError(operation, path, fileErrorReason(error));
}

QString fileErrorReason(int error) {
    switch (error) {
    case ENOENT:
        return QStringLiteral("ファイルまたはフォルダが見つかりません");
    case EACCES:
    case EPERM:
        return QStringLiteral("アクセスが拒否されました");
    case EISDIR:
        return QStringLiteral("フォルダです");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("ディスクの空き領域が足りません");
    case EROFS:
        return QStringLiteral("読み取り専用のファイルシステムです");
    case EFBIG:
        return QStringLiteral("ファイルが大きすぎます");
    default:
        return qt_error_string(error);
    }
}

void requireExistingFile(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) throw FileError::fromErrno(FileError::Operation::Read, path, EISDIR);
    if (!info.exists()) throw FileError::fromErrno(FileError::Operation::Read, path, ENOENT);
}
