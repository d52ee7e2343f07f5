#pragma once
// Every id a paged list holds once it has fetched to its end, in the list's order.
#include "platform/ui/list/PagedListModel.h"
#include <vector>

namespace ksiega::test {

inline std::vector<int64_t> listedIdsToTheEnd(ui::PagedListModel& m) {
    std::vector<int64_t> ids;
    for (int r = 0; r < m.heldRows(); ++r) ids.push_back(m.idAt(r));
    while (m.canFetchMore()) {
        const int before = m.heldRows();
        m.fetchMore();
        for (int r = before; r < m.heldRows(); ++r) ids.push_back(m.idAt(r));
    }
    return ids;
}

} // namespace ksiega::test
