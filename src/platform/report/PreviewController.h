#pragma once
// The rules of the preview window: which page is shown and at what zoom, kept under the
// report's name in the settings ("Zoom").
#include <QString>

namespace ksiega {
class Settings;
}

namespace ksiega::report {

class PreviewController {
public:
    static constexpr int MIN_ZOOM = 25;
    static constexpr int MAX_ZOOM = 400;

    PreviewController(int pageCount, QString section);

    int page() const { return m_page; }          // 0-based
    int pageCount() const { return m_pageCount; }
    int zoom() const { return m_zoom; }           // percent of the paper's real size
    QString pageLabel() const;                    // "Strona 1 z 3"

    bool canGoBack() const { return m_page > 0; }
    bool canGoForward() const { return m_page + 1 < m_pageCount; }
    void first() { m_page = 0; }
    void previous() { if (canGoBack()) --m_page; }
    void next() { if (canGoForward()) ++m_page; }
    void last() { m_page = m_pageCount > 0 ? m_pageCount - 1 : 0; }
    void goTo(int page);
    void zoomIn();
    void zoomOut();
    void setZoom(int percent);

    void fetch(const Settings& settings);
    void update(Settings& settings) const;

private:
    int m_pageCount;
    QString m_section;
    int m_page = 0;
    int m_zoom = 100;
};

} // namespace ksiega::report
