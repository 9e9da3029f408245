#pragma once
// What the action viewer lists, found without widgets: the files of a folder
// in the order of the six mask slots, and under each Lumira-family source
// the `action` definitions its lines hold.
//
// Masks match letter case blindly ("A.LUM" is a source), and the names one
// slot finds are listed by name ignoring case (upper-cased code units, then
// the exact name), so that every rebuild lists a folder the same way.
// Entries are not filtered by kind: a folder called "x.lum" is listed (and
// has no children). Texts are Shift-JIS bytes as they stand in the files.
#include "components/grep.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct ActionMaskSlot {
    const char* extension;  // nullptr: the slot finds nothing
    bool grepped;           // false: file nodes only
};

// The slots in scan order: *.lum, *.Lumira, (none), *.srx, *.Serith, *.txt.
extern const ActionMaskSlot kActionMaskSlots[6];

// The names of `names` that `slot` lists, in its order.
QStringList NamesOfSlot(const QStringList& names, const ActionMaskSlot& slot);

// The action a line defines: nothing when it holds no "action"; otherwise
// the text after the first space that follows the first "action", which is
// empty when no space follows ("action OnBoot {" gives "OnBoot {"). Only
// whole characters count: bytes inside a double-byte character never
// make "action" or the space.
std::optional<QByteArray> ExtractActionName(QByteArrayView line);

// Where `word` first starts at a character boundary of `text`, or -1.
qsizetype IndexOfWord(QByteArrayView text, QByteArrayView word);

// A name in the tree never exceeds this many bytes (cut at a character end),
// so that a binary file's endless "line" makes a readable entry.
inline constexpr qsizetype kActionNameLimit = 256;

struct ActionFileNode {
    QString name;                    // the file name without its folder
    std::vector<QByteArray> actions; // in file order
};

class TActionScan {
public:
    TActionScan();

    // Lists `folder` (ending in "/") into Nodes, replacing what was there.
    void ScanActionFolder(const QString& folder);
    // Grep's callback for one line of the file being grepped: a line that
    // holds "extern" is skipped, any other that defines an action adds it to
    // the current file node.
    void GrepMatch(const QByteArray& line);

    std::vector<ActionFileNode> Nodes;

private:
    TGrep Grep;
    ActionFileNode* CurFileNode = nullptr;
};
