#include "platform/ui/controls/PopupMenu.h"
#include "platform/ui/dialogs/Guarded.h"
#include <QAction>
#include <QWidget>

namespace ksiega::ui {

void installPopupMenu(QWidget* list, const QStringList& items, const std::function<void(const QString& item)>& chosen) {
    list->setContextMenuPolicy(Qt::ActionsContextMenu);
    const QObject* window = list->window();
    for (const QString& item : items) {
        auto* action = new QAction(item == QLatin1String("-") ? QString() : item, list);
        if (item == QLatin1String("-")) action->setSeparator(true);
        else QObject::connect(action, &QAction::triggered, list, guarded(window, [chosen, item](bool) { chosen(item); }));
        list->addAction(action);
    }
}

QAction* popupItem(const QWidget* list, const QString& text) {
    for (QAction* a : list->actions())
        if (!a->isSeparator() && a->text() == text) return a;
    return nullptr;
}

} // namespace ksiega::ui
