#pragma once
// Putting docked bars back in rows. The bar area knows rows and an order
// within each row, not free positions; a stored position is turned into
// "which row, and where in it".
#include <vector>

struct DockedPlace {
    int top = 0;
    int left = 0;
    int height = 0;
};

// Indexes into `places`, row by row from the top, each row from the left.
// A bar belongs to the row of the topmost bar not yet placed when its top
// lies less than half that bar's height below it (bars of one row share
// their top; the tolerance covers small differences in row heights).
std::vector<std::vector<int>> arrangeRows(const std::vector<DockedPlace>& places);
