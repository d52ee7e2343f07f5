#pragma once
// One row of a chooser list, and the page function that lists rows after a given one
// (keyset paging: the list never asks for more than it shows).
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace ksiega::host {

struct ListItem {
    int64_t id = 0;
    QString text;       // what the list shows
    QString key;        // sort key (text) for the next page
    int first = 0;      // fiscal years: first and last day; also their sort key
    int last = 0;
};

// Rows after `after` (nullptr: from the start), at most `limit`.
using PageFetch = std::function<std::vector<ListItem>(const ListItem* after, int limit)>;

} // namespace ksiega::host
