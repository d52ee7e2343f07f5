#pragma once
// The mark column of an entries list, routed through the list's controller so that a click
// on the icon or a popup item changes the marked figures with the marks. Serves every
// controller with isMarked / toggleMarkById / markAll / unmarkAll / invertMarks.
#include "platform/ui/list/MarksList.h"

namespace ksiega::entries {

template <class Controller>
class ControllerMarks : public ui::MarksList {
public:
    explicit ControllerMarks(Controller& c) : m_c(c) {}
    bool isMarked(int64_t id) const override { return m_c.isMarked(id); }
    void toggle(int64_t id) override { m_c.toggleMarkById(id); }
    void markAll() override { m_c.markAll(); }
    void unmarkAll() override { m_c.unmarkAll(); }
    void invert() override { m_c.invertMarks(); }

private:
    Controller& m_c;
};

} // namespace ksiega::entries
