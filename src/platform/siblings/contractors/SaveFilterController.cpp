#include "platform/siblings/contractors/SaveFilterController.h"

namespace ksiega::contractors {

bool SaveFilterController::save(const QString& nazwa, ui::Dialogs& dialogs) {
    const QString name = nazwa.trimmed();
    if (!name.isEmpty() && m_store.expression(m_idBrowsera, name)
        && dialogs.question(QStringLiteral("Filtr o nazwie \"%1\" już istnieje.|Czy zastąpić go bieżącym filtrem ?").arg(name),
                            ui::BUTTONS_TAK_NIE, 2) != 1)
        return false;
    const QString error = m_store.save(m_idBrowsera, name, m_wyrazenie);
    if (!error.isEmpty()) {
        dialogs.warning(error);
        return false;
    }
    m_saved = name;
    return true;
}

} // namespace ksiega::contractors
