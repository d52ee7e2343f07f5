#include "platform/report/PreviewController.h"
#include "platform/report/Texts.h"
#include "platform/ui/settings/Settings.h"
#include <algorithm>
#include <array>

namespace ksiega::report {

namespace {
constexpr std::array<int, 9> kSteps{25, 50, 75, 100, 125, 150, 200, 300, 400};
}

PreviewController::PreviewController(int pageCount, QString section)
    : m_pageCount(std::max(0, pageCount)), m_section(std::move(section)) {}

QString PreviewController::pageLabel() const {
    return pageOfPages(m_pageCount > 0 ? m_page + 1 : 0, m_pageCount);
}

void PreviewController::goTo(int page) {
    m_page = std::clamp(page, 0, std::max(0, m_pageCount - 1));
}

void PreviewController::zoomIn() {
    for (int step : kSteps)
        if (step > m_zoom) { m_zoom = step; return; }
}

void PreviewController::zoomOut() {
    for (auto it = kSteps.rbegin(); it != kSteps.rend(); ++it)
        if (*it < m_zoom) { m_zoom = *it; return; }
}

void PreviewController::setZoom(int percent) {
    m_zoom = std::clamp(percent, MIN_ZOOM, MAX_ZOOM);
}

void PreviewController::fetch(const Settings& settings) {
    setZoom(int(settings.getInt(m_section, QStringLiteral("Zoom"), 100)));
}

void PreviewController::update(Settings& settings) const {
    settings.setInt(m_section, QStringLiteral("Zoom"), m_zoom);
}

} // namespace ksiega::report
