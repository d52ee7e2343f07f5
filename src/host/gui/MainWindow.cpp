#include "host/gui/MainWindow.h"
#include "platform/ui/dialogs/Guarded.h"
#include "host/gui/SessionChooserDialog.h"
#include "platform/runtime/Date.h"
#include <QApplication>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QVBoxLayout>

namespace ksiega::host {

MainWindow::MainWindow(db::Database& db, SessionContext& session, const ProcedureCatalogue& catalogue, QWidget* parent)
    : QMainWindow(parent), m_db(db), m_session(session), m_controller(db, session, catalogue) {
    setObjectName(QStringLiteral("KSIEGA_GLOWNA"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/app/ksiega.svg")));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(24, 24, 24, 24);
    m_overview = new QLabel(central);
    m_overview->setObjectName(QStringLiteral("PRZEGLAD"));
    m_overview->setTextFormat(Qt::RichText);
    m_overview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_overview->setFrameShape(QFrame::StyledPanel);
    m_overview->setMargin(16);
    layout->addWidget(m_overview);
    layout->addStretch(1);
    setCentralWidget(central);

    for (int i = 0; i < 5; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("STATUS%1").arg(i + 1));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setContentsMargins(6, 0, 6, 0);
        statusBar()->addWidget(label, i == 4 ? 1 : 0);
        m_statusLabels.push_back(label);
    }
    resize(1024, 700);
    buildMenu();
    refresh();
}

void MainWindow::refresh() {
    setWindowTitle(m_controller.title());
    const QStringList fields = m_controller.statusFields();
    for (size_t i = 0; i < m_statusLabels.size() && int(i) < fields.size(); ++i) m_statusLabels[i]->setText(fields[int(i)]);

    const YearOverview o = m_controller.overview();
    const auto esc = [](const QString& s) { return s.toHtmlEscaped(); };
    QString html = QStringLiteral("<h2>%1</h2>").arg(esc(m_session.DANE_NAZWA_FIRMY));
    for (const QString& line : {m_session.DANE_ADRES1_FIRMY, m_session.DANE_ADRES2_FIRMY})
        if (!line.isEmpty()) html += esc(line) + QStringLiteral("<br>");
    if (!m_session.DANE_NIP_FIRMY.isEmpty()) html += QStringLiteral("NIP: %1<br>").arg(esc(m_session.DANE_NIP_FIRMY));
    html += QStringLiteral("<br><table cellspacing=4>"
                           "<tr><td>Rok obrotowy:</td><td><b>%1</b> (%2 – %3)</td></tr>"
                           "<tr><td>Dokumenty w roku:</td><td><b>%4</b></td></tr>"
                           "<tr><td>Pozycje dokumentów:</td><td><b>%5</b></td></tr>")
                .arg(esc(m_session.DANE_LATA_OBROT_NAZWA), date::toDisplay(m_session.DANE_POCZATEK_ROKU),
                     date::toDisplay(m_session.DANE_KONIEC_ROKU), QLocale(QLocale::Polish).toString(qlonglong(o.documents)),
                     QLocale(QLocale::Polish).toString(qlonglong(o.lines)));
    if (m_session.DANE_CZY_WERSJA_BUDZET) html += QStringLiteral("<tr><td>Wersja:</td><td>jednostka budżetowa</td></tr>");
    html += QStringLiteral("</table><p style='color:gray'>Funkcje księgi głównej są dostępne w menu.</p>");
    m_overview->setText(html);
}

void MainWindow::buildMenu() {
    // The menus of the previous session go (later: one of their actions may be running).
    for (QMenu* m : menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) {
        m->setObjectName(QString());
        for (QAction* a : m->actions()) a->setObjectName(QString());
        m->deleteLater();
    }
    menuBar()->clear();
    QMenu* sessionMenu = menuBar()->addMenu(QStringLiteral("&Sesja"));
    sessionMenu->setObjectName(QStringLiteral("MENU_SESJA"));
    QAction* change = sessionMenu->addAction(QStringLiteral("Z&mień firmę/rok..."), this, &MainWindow::changeSession);
    change->setObjectName(QStringLiteral("ZMIEN_FIRME"));
    sessionMenu->addSeparator();
    QAction* quit = sessionMenu->addAction(QStringLiteral("&Zakończ"), this, &QWidget::close);
    quit->setObjectName(QStringLiteral("ZAKONCZ"));
    quit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));

    for (const MenuGroupView& g : m_controller.menu()) {
        QMenu* m = menuBar()->addMenu(g.caption);
        m->setEnabled(g.enabled);
        m->menuAction()->setEnabled(g.enabled);
        for (const MenuItemView& item : g.items) {
            QAction* a = m->addAction(item.caption);
            a->setObjectName(item.name);
            const QString name = item.name;
            connect(a, &QAction::triggered, this, ui::guarded(this, [this, name] { runProcedure(name); }));
        }
    }
}

void MainWindow::runProcedure(const QString& name) {
    if (auto problem = m_controller.run(name)) warn(*problem);
    refresh();
}

void MainWindow::changeSession() {
    if (auto refusal = m_controller.changeSessionRefusal()) {
        warn(*refusal);
        return;
    }
    SessionChoice earlier{m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE, m_session.DANE_ID_UZYT, m_session.DANE_DATA_BIEZACA};
    SessionChooserDialog dialog(m_db, date::fromQDate(QDate::currentDate()), earlier, this);
    if (dialog.exec() != QDialog::Accepted) return;
    try {
        loadSession(m_db, dialog.choice(), date::fromQDate(QDate::currentDate()), SessionPaths::standard(), m_session);
    } catch (const std::exception& e) {
        warn(QString::fromUtf8(e.what()));
        return;
    }
    buildMenu();  // the editions of the new company may differ
    refresh();
}

void MainWindow::warn(const QString& text) {
    QMessageBox::warning(this, QStringLiteral("Bilantor: Ostrzeżenie"), QString(text).replace('|', '\n'));
}

} // namespace ksiega::host
