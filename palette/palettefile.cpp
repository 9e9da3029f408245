#include "palette/palettefile.h"

#include "platform/textfile.h"

namespace palettefile {

namespace {

constexpr QChar kTab = u'\t';
const QString kHintGap = QStringLiteral("    ");

}  // namespace

QString Field(const QString& line, int index) {
    qsizetype start = 0;
    for (int i = 0; i < index; ++i) {
        const qsizetype tab = line.indexOf(kTab, start);
        if (tab < 0) break;
        start = tab + 1;
    }
    const qsizetype end = line.indexOf(kTab, start);
    return end < 0 ? line.mid(start) : line.mid(start, end - start);
}

PackageLine ReadPackageLine(const QString& line) { return {Field(line, 0), Field(line, 1)}; }

ButtonLine ReadButtonLine(const QString& line) {
    return {Field(line, 0), Field(line, 1), Field(line, 2), Field(line, 3)};
}

QString HintOf(const ButtonLine& button) {
    return button.text + kHintGap + button.arguments + kHintGap + button.description;
}

QString JoinFields(const QStringList& fields) { return fields.join(kTab); }

bool IsStorableField(const QString& text) {
    for (const QChar c : text)
        if (c == kTab || c == u'\r' || c == u'\n' || c == u'\0') return false;
    return true;
}

QStringList ReadLines(const QString& path) { return textfile::readLines(path, textfile::Nul::EndsText); }

void SaveLines(const QString& path, const QStringList& lines) { textfile::saveLines(path, lines); }

}  // namespace palettefile
