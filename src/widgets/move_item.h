#pragma once
// Moving one element of a vector to another index, the others keeping their order: the
// grids move rows, columns and their styles this way.

#include <algorithm>
#include <vector>

namespace widgets {

template <typename T>
void moveItem(std::vector<T>& v, int from, int to) {
    if (from < to)
        std::rotate(v.begin() + from, v.begin() + from + 1, v.begin() + to + 1);
    else if (from > to)
        std::rotate(v.begin() + to, v.begin() + from, v.begin() + from + 1);
}

}  // namespace widgets
