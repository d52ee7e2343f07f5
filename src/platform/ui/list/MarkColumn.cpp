#include "platform/ui/list/MarkColumn.h"
#include <QMenu>

namespace ksiega::ui {

std::vector<PopupItem> markItems(MarksList& marks, PagedListModel& model) {
    return {
        {QStringLiteral("Zaznacz wszystko"), [&marks, &model] { marks.markAll(); model.marksChanged(); }},
        {QStringLiteral("Odznacz wszystko"), [&marks, &model] { marks.unmarkAll(); model.marksChanged(); }},
        {QStringLiteral("Odwróć zaznaczone"), [&marks, &model] { marks.invert(); model.marksChanged(); }},
    };
}

void addMarkItems(QMenu& menu, MarksList& marks, PagedListModel& model, bool enabled) {
    for (PopupItem& item : markItems(marks, model)) {
        QAction* a = menu.addAction(item.text);
        a->setEnabled(enabled);
        QObject::connect(a, &QAction::triggered, &menu, item.run);
    }
}

} // namespace ksiega::ui
