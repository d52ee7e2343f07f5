#include "platform/ui/dialogs/Dialogs.h"
#include "platform/ui/dialogs/QtDialogs.h"
#include <atomic>

namespace ksiega::ui {

QString messageText(const QString& text) {
    QString t = text;
    t.replace(QChar('|'), QChar('\n'));
    return t;
}

QStringList buttonList(const QString& buttons) {
    QStringList list = buttons.split(QChar('|'), Qt::SkipEmptyParts);
    if (list.isEmpty()) list << QStringLiteral("&OK");
    return list;
}

static std::atomic<Dialogs*> installed{nullptr};

Dialogs& dialogs() {
    if (Dialogs* d = installed.load()) return *d;
    static QtDialogs qtDialogs;
    return qtDialogs;
}

void installDialogs(Dialogs* d) { installed.store(d); }

ScopedDialogs::ScopedDialogs(Dialogs& d) : m_previous(installed.load()) { installDialogs(&d); }
ScopedDialogs::~ScopedDialogs() { installDialogs(m_previous); }

} // namespace ksiega::ui
