#pragma once
// The popup items of a list's mark column, bound to its marks list: "Zaznacz wszystko",
// "Odznacz wszystko", "Odwróć zaznaczone". After each the list repaints its marks.
#include "platform/ui/list/MarksList.h"
#include "platform/ui/list/PagedListModel.h"
#include <QString>
#include <functional>
#include <vector>

class QMenu;

namespace ksiega::ui {

struct PopupItem {
    QString text;
    std::function<void()> run;
};

std::vector<PopupItem> markItems(MarksList& marks, PagedListModel& model);
// Adds the three items to a popup menu (`enabled` false greys them, e.g. on an empty list).
void addMarkItems(QMenu& menu, MarksList& marks, PagedListModel& model, bool enabled = true);

} // namespace ksiega::ui
