#include "tools/palettor/gridlines.h"

#include "palette/palettefile.h"

#include <algorithm>

TGridRows RowsFromLines(const QStringList& lines, int columns) {
    TGridRows rows;
    rows.reserve(lines.size());
    for (const QString& line : lines) {
        QStringList cells;
        for (int column = 0; column < columns; ++column) cells.append(palettefile::Field(line, column));
        rows.append(cells);
    }
    return rows;
}

std::optional<TCellPlace> FirstUnstorableCell(const TGridRows& rows) {
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            if (!palettefile::IsStorableField(rows[r][c])) return TCellPlace{r + 1, c + 1};
    return std::nullopt;
}

TGridLines LinesFromRows(const TGridRows& rows) {
    TGridLines result;
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList& cells = rows[r];
        const auto filled = std::count_if(cells.begin(), cells.end(), [](const QString& c) { return !c.isEmpty(); });
        if (filled == cells.size())
            result.lines.append(palettefile::JoinFields(cells));
        else if (filled > 0)
            result.leftOut.append(r + 1);
    }
    return result;
}
