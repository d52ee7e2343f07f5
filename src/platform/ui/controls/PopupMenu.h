#pragma once
// A list's popup menu as actions of the list itself: the right mouse button shows them,
// and a test (or a key binding) triggers an item by its text. "-" is a separator. Every
// item runs guarded under the window's procedure name.
#include <QStringList>
#include <functional>

class QAction;
class QWidget;

namespace ksiega::ui {

void installPopupMenu(QWidget* list, const QStringList& items, const std::function<void(const QString& item)>& chosen);

// The item of a list's popup menu with that text (null when there is none).
QAction* popupItem(const QWidget* list, const QString& text);

} // namespace ksiega::ui
