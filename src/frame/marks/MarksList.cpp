#include "frame/marks/MarksList.h"

namespace ksiega::marks {

bool MarksList::isMarked(int64_t id) const {
    const auto it = m_marks.find(id);
    if (it == m_marks.end()) return m_allMarked;
    return it->second == 1;
}

bool MarksList::toggle(int64_t id) {
    const bool now = !isMarked(id);
    m_marks[id] = now ? 1 : 0;
    return now;
}

void MarksList::markAll() {
    m_allMarked = true;
    for (auto& [id, mark] : m_marks) mark = 1;
}

void MarksList::unmarkAll() {
    m_allMarked = false;
    m_marks.clear();
}

void MarksList::invert() {
    m_allMarked = !m_allMarked;
    for (auto& [id, mark] : m_marks) mark = mark ? 0 : 1;
}

std::vector<int64_t> MarksList::idsWith(uint8_t mark) const {
    std::vector<int64_t> ids;
    for (const auto& [id, m] : m_marks)
        if (m == mark) ids.push_back(id);
    return ids;
}

} // namespace ksiega::marks
