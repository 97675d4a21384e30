#pragma once
// A comment code picked up with a right click from a cell whose code is not among the
// favourites, waiting to be placed with left clicks; its cell shows the pending colour until the
// pick is dropped (the next right click on a comment, or a choice in the favourites list).
#include <string>

namespace tq {

struct PendingCode {
    std::string code; // empty: nothing picked up
    int row = -1;     // the grid cell it came from; -1 when there is none
    int col = -1;

    bool active() const { return !code.empty(); }
};

} // namespace tq
