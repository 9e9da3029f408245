#include "app/barrows.h"

#include <algorithm>
#include <numeric>

std::vector<std::vector<int>> arrangeRows(const std::vector<DockedPlace>& places) {
    std::vector<int> order(places.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        if (places[a].top != places[b].top) return places[a].top < places[b].top;
        return places[a].left < places[b].left;
    });

    std::vector<std::vector<int>> rows;
    int rowTop = 0;
    int tolerance = 0;
    for (int index : order) {
        const DockedPlace& place = places[index];
        if (rows.empty() || place.top >= rowTop + tolerance) {
            rows.emplace_back();
            rowTop = place.top;
            tolerance = std::max(1, place.height / 2);
        }
        rows.back().push_back(index);
    }
    for (auto& row : rows)
        std::stable_sort(row.begin(), row.end(), [&](int a, int b) { return places[a].left < places[b].left; });
    return rows;
}
