#pragma once
// The marks of a list kept while its window is open: one entry per element the person
// touched (element id -> mark byte, 1 marked, 0 unmarked) and the all-marked flag set by
// "Zaznacz wszystko". With the flag set every element counts as marked unless its entry
// says 0; with the flag clear only the entries saying 1 are marked.
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace ksiega::marks {

class MarksList {
public:
    bool allMarked() const { return m_allMarked; }
    bool isMarked(int64_t id) const;

    // Flips one element; returns whether it is marked afterwards.
    bool toggle(int64_t id);
    void set(int64_t id, bool marked) { m_marks[id] = marked ? 1 : 0; }

    // "Zaznacz wszystko": the flag set, every entry 1.
    void markAll();
    // "Odznacz wszystko": the flag clear, no entries.
    void unmarkAll();
    // "Odwróć zaznaczone": the flag toggled, every entry flipped.
    void invert();

    // Entries saying 1 / saying 0, in no particular order.
    std::vector<int64_t> markedIds() const { return idsWith(1); }
    std::vector<int64_t> unmarkedIds() const { return idsWith(0); }
    size_t entryCount() const { return m_marks.size(); }
    void reserve(size_t n) { m_marks.reserve(n); }

private:
    std::vector<int64_t> idsWith(uint8_t mark) const;

    std::unordered_map<int64_t, uint8_t> m_marks;
    bool m_allMarked = false;
};

} // namespace ksiega::marks
