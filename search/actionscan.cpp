#include "search/actionscan.h"

#include "platform/cp932.h"

#include <QDir>

#include <algorithm>

const ActionMaskSlot kActionMaskSlots[6] = {
    {".lum", true}, {".Lumira", true}, {nullptr, false}, {".srx", true}, {".Serith", true}, {".txt", false},
};

namespace {

constexpr char kPattern[] = "action";

// By name ignoring case, as the file system of the original platform lists
// a folder; the exact name settles names that differ in case only.
bool listedBefore(const QString& a, const QString& b) {
    const int blind = QString::compare(a.toUpper(), b.toUpper(), Qt::CaseSensitive);
    return blind != 0 ? blind < 0 : a < b;
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
    std::sort(found.begin(), found.end(), listedBefore);
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
