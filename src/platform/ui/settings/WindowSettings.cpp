#include "platform/ui/settings/WindowSettings.h"
#include <QSplitter>
#include <QWidget>

namespace ksiega {

void WindowSwitches::fetch(const Settings& s, const QString& section) {
    vsplitPos = s.getInt(section, QStringLiteral("VSplitPos"), vsplitPos);
    hsplitPos = s.getInt(section, QStringLiteral("HSplitPos"), hsplitPos);
    sortOrder = s.getInt(section, QStringLiteral("Sortowanie_lp"), sortOrder);
    sortDirection = int(s.getInt(section, QStringLiteral("Sortowanie_dir"), sortDirection));
    intuitive = int(s.getInt(section, QStringLiteral("Sortowanie_intu"), intuitive));
    viewSwitch = int(s.getInt(section, QStringLiteral("Uni_1"), viewSwitch));
}

void WindowSwitches::update(Settings& s, const QString& section) const {
    s.setInt(section, QStringLiteral("VSplitPos"), vsplitPos);
    s.setInt(section, QStringLiteral("HSplitPos"), hsplitPos);
    s.setInt(section, QStringLiteral("Sortowanie_lp"), sortOrder);
    s.setInt(section, QStringLiteral("Sortowanie_dir"), sortDirection);
    s.setInt(section, QStringLiteral("Sortowanie_intu"), intuitive);
    s.setInt(section, QStringLiteral("Uni_1"), viewSwitch);
}

void fetchPlacement(const Settings& s, const QString& section, QWidget* window) {
    if (!window) return;
    QByteArray geometry = s.getBytes(section, QStringLiteral("Geometry"));
    if (!geometry.isEmpty()) window->restoreGeometry(geometry);
    for (QSplitter* splitter : window->findChildren<QSplitter*>()) {
        if (splitter->objectName().isEmpty()) continue;
        QByteArray state = s.getBytes(section, QStringLiteral("Splitter_") + splitter->objectName());
        if (!state.isEmpty()) splitter->restoreState(state);
    }
}

void updatePlacement(Settings& s, const QString& section, const QWidget* window) {
    if (!window) return;
    s.setBytes(section, QStringLiteral("Geometry"), window->saveGeometry());
    for (const QSplitter* splitter : window->findChildren<QSplitter*>()) {
        if (splitter->objectName().isEmpty()) continue;
        s.setBytes(section, QStringLiteral("Splitter_") + splitter->objectName(), splitter->saveState());
    }
}

} // namespace ksiega
