#pragma once
// Binds a window's marks list to the mark column of its entries list, so that clicks on
// the icon column and the popup items "Zaznacz wszystko", "Odznacz wszystko" and
// "Odwróć zaznaczone" change the same marks that the selection store saves.
#include "frame/marks/MarksList.h"
#include "platform/ui/list/MarksList.h"

namespace ksiega::marks {

class MarkColumnMarks : public ui::MarksList {
public:
    explicit MarkColumnMarks(marks::MarksList& marks) : m_marks(marks) {}
    bool isMarked(int64_t id) const override { return m_marks.isMarked(id); }
    void toggle(int64_t id) override { m_marks.toggle(id); }
    void markAll() override { m_marks.markAll(); }
    void unmarkAll() override { m_marks.unmarkAll(); }
    void invert() override { m_marks.invert(); }

private:
    marks::MarksList& m_marks;
};

} // namespace ksiega::marks
