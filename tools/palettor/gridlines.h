#pragma once
// Grid rows and palette file lines, the way Palettor turns one into the
// other. A row is its cells in the order the grid shows its columns.
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

using TGridRows = QList<QStringList>;

// Each line as `columns` cells, by the palette's field rule.
TGridRows RowsFromLines(const QStringList& lines, int columns);

// A cell that cannot be saved (see palettefile::IsStorableField), both
// numbers counted from 1 as the grid shows them.
struct TCellPlace {
    int row = 0;
    int column = 0;
};
std::optional<TCellPlace> FirstUnstorableCell(const TGridRows& rows);

struct TGridLines {
    QStringList lines;     // the rows with every cell filled, cells TAB-joined
    QList<int> leftOut;    // rows (from 1) with some cells filled, some empty
};
// Rows with an empty cell are left out of the file, which relies on every
// field being there; wholly empty rows are dropped without a word.
TGridLines LinesFromRows(const TGridRows& rows);
