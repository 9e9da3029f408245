#pragma once
// A QTableWidget used as a string grid: cells addressed as the grid shows
// them, after any rows or columns were dragged to other places, and row
// headings that number the rows from the top as shown.
#include "tools/palettor/gridlines.h"

class QTableWidget;

// The text of the cell shown at (row, column), both from 0.
QString ShownCellText(const QTableWidget& grid, int row, int column);
// Every row as shown, top to bottom, its cells left to right.
TGridRows ShownRows(const QTableWidget& grid);
// Replaces the rows; row i, cell j lands in the cell shown at (i, j).
void FillShownRows(QTableWidget& grid, const TGridRows& rows);
// Row headings 1, 2, ... from the top as shown.
void NumberShownRows(QTableWidget& grid);
