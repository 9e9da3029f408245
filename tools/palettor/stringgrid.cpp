#include "tools/palettor/stringgrid.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <QTableWidget>

namespace {

int logicalRow(const QTableWidget& grid, int row) { return grid.verticalHeader()->logicalIndex(row); }
int logicalColumn(const QTableWidget& grid, int column) { return grid.horizontalHeader()->logicalIndex(column); }

}  // namespace

QString ShownCellText(const QTableWidget& grid, int row, int column) {
    const QTableWidgetItem* cell = grid.item(logicalRow(grid, row), logicalColumn(grid, column));
    return cell ? cell->text() : QString();
}

TGridRows ShownRows(const QTableWidget& grid) {
    TGridRows rows;
    for (int row = 0; row < grid.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < grid.columnCount(); ++column) cells.append(ShownCellText(grid, row, column));
        rows.append(cells);
    }
    return rows;
}

void FillShownRows(QTableWidget& grid, const TGridRows& rows) {
    const QSignalBlocker quiet(grid);
    grid.clearContents();
    grid.setRowCount(rows.size());
    for (int row = 0; row < rows.size(); ++row)
        for (int column = 0; column < grid.columnCount() && column < rows[row].size(); ++column)
            grid.setItem(logicalRow(grid, row), logicalColumn(grid, column), new QTableWidgetItem(rows[row][column]));
    NumberShownRows(grid);
}

void NumberShownRows(QTableWidget& grid) {
    for (int row = 0; row < grid.rowCount(); ++row)
        grid.setVerticalHeaderItem(logicalRow(grid, row), new QTableWidgetItem(QString::number(row + 1)));
}
