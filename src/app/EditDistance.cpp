#include "app/EditDistance.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace tq {

size_t editDistance(std::string_view a, std::string_view b)
{
    // One row of the table at a time: row[j] is the distance from a's first i characters to b's
    // first j.
    std::vector<size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), size_t{0});
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

} // namespace tq
