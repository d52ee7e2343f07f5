#include "platform/ui/columns/WindowConfiguration.h"
#include "platform/ui/columns/ColumnConfigDialog.h"
#include <QApplication>

namespace ksiega::ui {

WindowConfiguration::DialogRunner WindowConfiguration::qtDialog() {
    return [](ColumnConfigController& c) {
        ColumnConfigDialog dialog(c, QApplication::activeWindow());
        return dialog.exec() == QDialog::Accepted;
    };
}

WindowConfiguration::WindowConfiguration(db::Database& db, int64_t userNumber, DialogRunner dialog)
    : m_store(db), m_user(userNumber), m_dialog(std::move(dialog)) {}

QString WindowConfiguration::KONFIGURACJA_OKNA(int mode, int browserId, const QString& text) {
    switch (mode) {
    case 0:
        m_store.remove(m_user, browserId);
        return {};
    case 1: {
        auto layout = ColumnLayout::fromText(text);
        if (!layout) return text;
        const QString stored = layout->toText();
        m_store.save(m_user, browserId, stored);
        return stored;
    }
    case 2:
        return m_store.load(m_user, browserId).value_or(QString());
    case 3: {
        const QString start = text.trimmed().isEmpty() ? m_store.load(m_user, browserId).value_or(QString()) : text;
        auto layout = ColumnLayout::fromText(start);
        if (!layout || !m_dialog) return text;
        ColumnConfigController controller(*layout, m_titles.value(browserId), m_fixed.value(browserId));
        if (!m_dialog(controller)) return text;
        const QString result = controller.layout().toText();
        m_store.save(m_user, browserId, result);
        return result;
    }
    default:
        return text;
    }
}

void WindowConfiguration::KONFIGURACJA_OKNA_PUNKTY(int fixedColumns, int browserId, int, int) {
    m_fixed[browserId] = qMax(0, fixedColumns);
}

} // namespace ksiega::ui
