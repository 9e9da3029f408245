#include "search/actionscan.h"

#include "platform/cp932.h"

#include <QDir>

#include <algorithm>
#include <utility>
#include <vector>

const ActionMaskSlot kActionMaskSlots[6] = {
    {".lum", true}, {".Lumira", true}, {nullptr, false}, {".srx", true}, {".Serith", true}, {".txt", false},
};

namespace {

constexpr char kPattern[] = "action";

// By name ignoring case (upper-cased code units), as the file system of the
// original platform lists a folder; the exact name settles names that differ
// in case only.
void sortAsListed(QStringList& names) {
    std::vector<std::pair<QString, QString>> keyed;
    keyed.reserve(std::size_t(names.size()));
    for (const QString& name : std::as_const(names)) keyed.emplace_back(name.toUpper(), name);
    std::sort(keyed.begin(), keyed.end());
    for (qsizetype i = 0; i < names.size(); ++i) names[i] = keyed[std::size_t(i)].second;
}

QByteArray cutAtCharacter(QByteArrayView text, qsizetype limit) {
    if (text.size() <= limit) return text.toByteArray();
    return text.first(cp932::charStart(text, limit)).toByteArray();
}

}  // namespace

QStringList NamesOfSlot(const QStringList& names, const ActionMaskSlot& slot) {
    QStringList found;
    if (!slot.extension) return found;
    for (const QString& name : names) {
        if (name.endsWith(QLatin1String(slot.extension), Qt::CaseInsensitive)) found << name;
    }
    sortAsListed(found);
    return found;
}

qsizetype IndexOfWord(QByteArrayView text, QByteArrayView word) {
    for (qsizetype at = text.indexOf(word); at >= 0; at = text.indexOf(word, at + 1)) {
        if (cp932::charStart(text, at) == at) return at;
    }
    return -1;
}

std::optional<QByteArray> ExtractActionName(QByteArrayView line) {
    const qsizetype at = IndexOfWord(line, kPattern);
    if (at < 0) return std::nullopt;
    // A space byte is never part of a double-byte character.
    const qsizetype space = line.indexOf(' ', at);
    if (space < 0) return QByteArray();
    return line.sliced(space + 1).toByteArray();
}

TActionScan::TActionScan() {
    Grep.UseFuzzyCharDic = false;
    Grep.UseSynonymDic = false;
    Grep.Cancel = false;
    Grep.OnMatch = [this](const QByteArray& line) { GrepMatch(line); };
}

void TActionScan::ScanActionFolder(const QString& folder) {
    Nodes.clear();
    const QStringList names =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const ActionMaskSlot& slot : kActionMaskSlots) {
        const QStringList found = NamesOfSlot(names, slot);
        if (found.isEmpty()) continue;
        Grep.SetPattern(kPattern);
        for (const QString& name : found) {
            CurFileNode = &Nodes.emplace_back(ActionFileNode{name, {}});
            // A file that cannot be read simply has no children.
            if (slot.grepped) Grep.GrepFile(folder + name);
        }
    }
    CurFileNode = nullptr;
}

void TActionScan::GrepMatch(const QByteArray& line) {
    if (!CurFileNode || IndexOfWord(line, "extern") >= 0) return;
    const std::optional<QByteArray> name = ExtractActionName(line);
    if (name) CurFileNode->actions.push_back(cutAtCharacter(*name, kActionNameLimit));
}
