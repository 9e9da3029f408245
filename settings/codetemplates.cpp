#include "settings/codetemplates.h"

#include "platform/cp932.h"
#include "platform/filebytes.h"
#include "platform/regini.h"
#include "settings/storedvalues.h"

#include <QFileInfo>

#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

constexpr char kNameEnd = 0x02;
constexpr char kBodyEnd = 0x03;

bool holdsSeparator(const QString& text) {
    const QByteArray bytes = cp932::encode(text);
    return bytes.contains(kNameEnd) || bytes.contains(kBodyEnd);
}

// One entry per name ignoring case, each the last of its spelling, at the
// place of the first.
std::vector<std::pair<QString, QString>> distinctTemplates(const QStringList& names, const QStringList& bodies) {
    std::vector<std::pair<QString, QString>> distinct;
    for (qsizetype i = 0; i < names.size(); ++i) {
        std::pair<QString, QString> entry{names[i], bodies.value(i)};
        auto same = std::find_if(distinct.begin(), distinct.end(), [&](const auto& kept) {
            return kept.first.compare(entry.first, Qt::CaseInsensitive) == 0;
        });
        if (same == distinct.end())
            distinct.push_back(std::move(entry));
        else
            *same = std::move(entry);
    }
    return distinct;
}

}  // namespace

void LoadTemplates(const TRegIniFile& reg, QStringList& names, QStringList& bodies) {
    names = reg.ReadSection(stored::kCodeTemplateSection);
    bodies.clear();
    for (const QString& name : names) bodies.append(reg.ReadString(stored::kCodeTemplateSection, name, QString()));
}

void StoreTemplates(TRegIniFile& reg, const QStringList& names, const QStringList& bodies) {
    reg.SetWriteThrough(false);
    reg.ClearSection(stored::kCodeTemplateSection);
    for (const auto& [name, body] : distinctTemplates(names, bodies))
        reg.WriteString(stored::kCodeTemplateSection, name, body);
    reg.SetWriteThrough(true);
}

void ParseTemplateFile(QByteArrayView bytes, QStringList& names, QStringList& bodies) {
    qsizetype fieldStart = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char byte = bytes[i];
        if (byte != kNameEnd && byte != kBodyEnd) continue;
        const QString field = cp932::decode(bytes.sliced(fieldStart, i - fieldStart));
        (byte == kNameEnd ? names : bodies).append(field);
        fieldStart = i + 1;
    }
}

QByteArray FormatTemplateFile(const QStringList& names, const QStringList& bodies) {
    QByteArray bytes;
    for (qsizetype i = 0; i < names.size(); ++i) {
        bytes += cp932::encode(names[i]);
        bytes += kNameEnd;
        bytes += cp932::encode(bodies.value(i));
        bytes += kBodyEnd;
    }
    return bytes;
}

std::optional<qsizetype> FirstUnwritableTemplate(const QStringList& names, const QStringList& bodies) {
    for (qsizetype i = 0; i < names.size(); ++i)
        if (holdsSeparator(names[i]) || holdsSeparator(bodies.value(i))) return i;
    return std::nullopt;
}

void ReadTemplateFile(const QString& file, QStringList& names, QStringList& bodies) {
    ParseTemplateFile(filebytes::read(file), names, bodies);
}

void WriteTemplateFile(const QStringList& names, const QStringList& bodies, const QString& file) {
    if (FirstUnwritableTemplate(names, bodies))
        throw std::invalid_argument("a template holds a byte that ends a field of the template file");
    filebytes::save(file, FormatTemplateFile(names, bodies));
}

bool SeedTemplates(TRegIniFile& reg, const QString& templateFile) {
    if (reg.SectionExists(stored::kCodeTemplateSection)) return false;
    if (!QFileInfo::exists(templateFile)) return false;
    QStringList names;
    QStringList bodies;
    ReadTemplateFile(templateFile, names, bodies);
    StoreTemplates(reg, names, bodies);
    return true;
}
