#pragma once
// The module's rows in the open-window registry DANE_WATKI. Each open window has a
// number of its own (a serial of the process), so two windows on one thread are two rows
// and closing one removes exactly its row.
#include <cstdint>
#include <cstddef>

namespace ksiega {

// Appends a row (new number, flag 0) and returns its number.
int64_t registerWindowThread();
// Removes the row with this number, if it is still there; true when a row went.
bool removeWindowThread(int64_t threadNumber);
// Rows in DANE_WATKI (all windows, the host's included).
size_t openWindowCount();

} // namespace ksiega
