#pragma once
// The preview of a finished report: one page at a time, page navigation, zoom, print and
// "Zapisz jako PDF". Its rules sit in PreviewController; zoom and placement are stored
// under the report's name when the window closes.
#include "platform/report/PageModel.h"
#include "platform/report/PreviewController.h"
#include <QWidget>
#include <functional>

class QLabel;
class QScrollArea;
class QToolButton;

namespace ksiega {
class Settings;
}

namespace ksiega::report {

class PageView;

class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    // settings may be null (nothing is stored); print sends the document to the printer.
    PreviewWindow(Document document, Settings* settings, std::function<void(const Document&)> print,
                  QWidget* parent = nullptr);
    ~PreviewWindow() override;

    const PreviewController& controller() const { return m_controller; }
    void saveAsPdf();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void refresh();
    QToolButton* button(const QString& objectName, const QString& text, const QString& tip);

    Document m_document;
    Settings* m_settings;
    std::function<void(const Document&)> m_print;
    PreviewController m_controller;
    PageView* m_view = nullptr;
    QScrollArea* m_scroll = nullptr;
    QLabel* m_pageLabel = nullptr;
    QLabel* m_zoomLabel = nullptr;
    QToolButton *m_first = nullptr, *m_previous = nullptr, *m_next = nullptr, *m_last = nullptr;
};

} // namespace ksiega::report
