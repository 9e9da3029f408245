#include "platform/fileerror.h"

namespace {

QString describe(FileError::Operation operation, const QString& path, const QString& reason) {
    const QString text = operation == FileError::Operation::Read
                             ? QStringLiteral("ファイル \"%1\" を読み込めません: %2")
                             : QStringLiteral("ファイル \"%1\" を保存できません: %2");
    return text.arg(path, reason);
}

}  // namespace

FileError::FileError(Operation operation, const QString& path, const QString& reason)
    : std::runtime_error(describe(operation, path, reason).toStdString()),
      operation_(operation),
      path_(path),
      reason_(reason) {}

FileError FileError::fromErrno(Operation operation, const QString& path, int error) {
    return FileError(operation, path, qt_error_string(error));
}
