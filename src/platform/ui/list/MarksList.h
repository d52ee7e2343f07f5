#pragma once
// What the mark column of a list needs from the list's marks (the in-memory marks list
// with its all-marked flag, stored per user and browser number elsewhere).
#include <cstdint>

namespace ksiega::ui {

class MarksList {
public:
    virtual ~MarksList() = default;
    virtual bool isMarked(int64_t id) const = 0;
    virtual void toggle(int64_t id) = 0;
    virtual void markAll() = 0;
    virtual void unmarkAll() = 0;
    virtual void invert() = 0;
};

} // namespace ksiega::ui
