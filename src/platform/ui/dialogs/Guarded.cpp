#include "platform/ui/dialogs/Guarded.h"
#include "platform/ui/dialogs/Dialogs.h"
#include <QWidget>
#include <exception>

namespace ksiega::ui {

QString procedureOf(const QObject* object) {
    for (; object; object = object->parent())
        if (const auto* widget = qobject_cast<const QWidget*>(object)) return widget->window()->objectName();
    return {};
}

QString procedureErrorText(const QString& procedure, const QString& message) {
    return procedure.isEmpty() ? message : procedure + QStringLiteral(": ") + message;
}

bool runGuarded(const QString& procedure, const std::function<void()>& handler) {
    QString message;
    try {
        handler();
        return true;
    } catch (const std::exception& e) {
        message = QString::fromUtf8(e.what());
    } catch (...) {
        message = QStringLiteral("nieznany błąd");
    }
    try {
        dialogs().warning(procedureErrorText(procedure, message));
    } catch (...) {
        // Nothing more can be done: the window goes on.
    }
    return false;
}

} // namespace ksiega::ui
