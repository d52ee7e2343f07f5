#include "platform/report/PreviewWindow.h"
#include "platform/ui/dialogs/Guarded.h"
#include "platform/report/PagePainter.h"
#include "platform/report/PdfWriter.h"
#include "platform/report/SaveFileChooser.h"
#include "platform/ui/dialogs/Dialogs.h"
#include "platform/ui/settings/Settings.h"
#include "platform/ui/settings/WindowSettings.h"
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace ksiega::report {

// The page drawn at the controller's zoom (100% = the paper's real size on a 96 dpi screen).
class PageView : public QWidget {
public:
    PageView(const Document& document, const PreviewController& controller, QWidget* parent)
        : QWidget(parent), m_document(document), m_controller(controller) {}
    double pixelsPerMm() const { return 96.0 / 25.4 * m_controller.zoom() / 100.0; }
    void relayout() {
        const double k = pixelsPerMm();
        setFixedSize(int(m_document.paperMm.width() * k) + 1, int(m_document.paperMm.height() * k) + 1);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setRenderHint(QPainter::Antialiasing);
        if (size_t(m_controller.page()) < m_document.pages.size())
            paintPage(painter, m_document.pages[size_t(m_controller.page())], pixelsPerMm());
    }

private:
    const Document& m_document;
    const PreviewController& m_controller;
};

PreviewWindow::PreviewWindow(Document document, Settings* settings, std::function<void(const Document&)> print,
                             QWidget* parent)
    : QWidget(parent), m_document(std::move(document)), m_settings(settings), m_print(std::move(print)),
      m_controller(int(m_document.pages.size()), m_document.name) {
    setObjectName(QStringLiteral("PODGLAD_WYDRUKU"));
    setWindowTitle(m_document.title);
    if (m_settings) m_controller.fetch(*m_settings);

    auto* tools = new QHBoxLayout;
    m_first = button(QStringLiteral("B_PIERWSZA"), QStringLiteral("|<"), QStringLiteral("Pierwsza strona"));
    m_previous = button(QStringLiteral("B_POPRZEDNIA"), QStringLiteral("<"), QStringLiteral("Poprzednia strona"));
    m_next = button(QStringLiteral("B_NASTEPNA"), QStringLiteral(">"), QStringLiteral("Następna strona"));
    m_last = button(QStringLiteral("B_OSTATNIA"), QStringLiteral(">|"), QStringLiteral("Ostatnia strona"));
    auto* zoomOut = button(QStringLiteral("B_POMNIEJSZ"), QStringLiteral("-"), QStringLiteral("Pomniejsz"));
    auto* zoomIn = button(QStringLiteral("B_POWIEKSZ"), QStringLiteral("+"), QStringLiteral("Powiększ"));
    auto* printButton = button(QStringLiteral("B_DRUKUJ"), QStringLiteral("Drukuj"), QStringLiteral("Drukuj"));
    auto* pdfButton = button(QStringLiteral("B_PDF"), QStringLiteral("Zapisz jako PDF"), QStringLiteral("Zapisz jako PDF"));
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("STRONA"));
    m_zoomLabel = new QLabel(this);
    m_zoomLabel->setObjectName(QStringLiteral("ZOOM"));
    for (QWidget* w : {static_cast<QWidget*>(m_first), static_cast<QWidget*>(m_previous),
                       static_cast<QWidget*>(m_pageLabel), static_cast<QWidget*>(m_next),
                       static_cast<QWidget*>(m_last), static_cast<QWidget*>(zoomOut),
                       static_cast<QWidget*>(m_zoomLabel), static_cast<QWidget*>(zoomIn)})
        tools->addWidget(w);
    tools->addStretch();
    tools->addWidget(printButton);
    tools->addWidget(pdfButton);

    m_view = new PageView(m_document, m_controller, this);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(m_view);
    m_scroll->setAlignment(Qt::AlignHCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(m_scroll);

    connect(m_first, &QToolButton::clicked, this, ui::guarded(this, [this] { m_controller.first(); refresh(); }));
    connect(m_previous, &QToolButton::clicked, this, ui::guarded(this, [this] { m_controller.previous(); refresh(); }));
    connect(m_next, &QToolButton::clicked, this, ui::guarded(this, [this] { m_controller.next(); refresh(); }));
    connect(m_last, &QToolButton::clicked, this, ui::guarded(this, [this] { m_controller.last(); refresh(); }));
    connect(zoomIn, &QToolButton::clicked, this, ui::guarded(this, [this] { m_controller.zoomIn(); refresh(); }));
    connect(zoomOut, &QToolButton::clicked, this, ui::guarded(this, [this] { m_controller.zoomOut(); refresh(); }));
    connect(printButton, &QToolButton::clicked, this, ui::guarded(this, [this] { if (m_print) m_print(m_document); }));
    connect(pdfButton, &QToolButton::clicked, this, ui::guarded(this, [this] { saveAsPdf(); }));

    resize(900, 1000);
    if (m_settings) fetchPlacement(*m_settings, m_document.name, this);
    refresh();
}

PreviewWindow::~PreviewWindow() = default;

QToolButton* PreviewWindow::button(const QString& objectName, const QString& text, const QString& tip) {
    auto* b = new QToolButton(this);
    b->setObjectName(objectName);
    b->setText(text);
    b->setToolTip(tip);
    return b;
}

void PreviewWindow::refresh() {
    m_pageLabel->setText(m_controller.pageLabel());
    m_zoomLabel->setText(QStringLiteral("%1%").arg(m_controller.zoom()));
    m_first->setEnabled(m_controller.canGoBack());
    m_previous->setEnabled(m_controller.canGoBack());
    m_next->setEnabled(m_controller.canGoForward());
    m_last->setEnabled(m_controller.canGoForward());
    m_view->relayout();
}

void PreviewWindow::saveAsPdf() {
    const QString file = choosePdfFile(m_document.name + QStringLiteral(".pdf"), this);
    if (file.isEmpty()) return;
    savePdf(m_document, file, ui::dialogs());
}

void PreviewWindow::closeEvent(QCloseEvent* event) {
    if (m_settings) {
        m_controller.update(*m_settings);
        updatePlacement(*m_settings, m_document.name, this);
    }
    event->accept();
}

} // namespace ksiega::report
