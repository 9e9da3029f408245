#include "macro/host/macrofiles.h"

#include "platform/appfolder.h"

#include <QDir>

namespace {

constexpr int kDigitKeys = 10;
constexpr int kLetterKeys = 26;

}  // namespace

QString MacroFolder() { return AppFolder() + "Macro/"; }

QStringList ListMacroFiles(const QString& folder) {
    QStringList files =
        QDir(folder).entryList({"*.qmc"}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
    return files;
}

std::optional<QChar> MacroAccessKey(int index) {
    if (index < 0) return std::nullopt;
    if (index < kDigitKeys) return QChar(u'0' + (index + 1) % kDigitKeys);
    if (index < kDigitKeys + kLetterKeys) return QChar(u'a' + index - kDigitKeys);
    return std::nullopt;
}

QString MacroEntryCaption(const QString& fileName, int index) {
    // A "&" of the name is shown, never taken as an access key.
    QString caption = QString(fileName).replace("&", "&&");
    if (const std::optional<QChar> key = MacroAccessKey(index)) caption += QString("(&%1)").arg(*key);
    return caption;
}

QString MacroSaveName(const QString& name) {
    const qsizetype nameStart = std::max(name.lastIndexOf('/'), name.lastIndexOf('\\')) + 1;
    const qsizetype dot = name.lastIndexOf('.');
    const QString stem = dot >= nameStart ? name.left(dot) : name;
    return stem + ".qmc";
}
