#include "platform/siblings/contractors/ContractorContacts.h"
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ksiega::contractors {

ContractorContactsController::ContractorContactsController(db::Database& db, int64_t idFirmy, int64_t idKontrahenta)
    : m_db(db), m_idFirmy(idFirmy), m_idKontrahenta(idKontrahenta) {}

bool ContractorContactsController::load() {
    m_fields.clear();
    db::Rows r = m_db.select(QStringLiteral("select symbol, nazwa, nazwa_pelna, nip, ulica, kod_pocztowy, miejscowosc, telefon, email "
                                            "from KONTRAHENCI where id_firmy=? and id_kontrahenta=?"),
                             {m_idFirmy, m_idKontrahenta});
    if (!r.next()) return false;
    const QString address = (r.text(5) + QLatin1Char(' ') + r.text(6)).trimmed();
    m_caption = QStringLiteral("Kontakty kontrahenta: ") + r.text(1);
    m_fields = {
        {QStringLiteral("Symbol"), r.text(0)},
        {QStringLiteral("Nazwa"), r.text(1)},
        {QStringLiteral("Nazwa pełna"), r.text(2)},
        {QStringLiteral("NIP"), r.text(3)},
        {QStringLiteral("Ulica"), r.text(4)},
        {QStringLiteral("Miejscowość"), address},
        {QStringLiteral("Telefon"), r.text(7)},
        {QStringLiteral("E-mail"), r.text(8)},
    };
    return true;
}

ContractorContactsWindow::ContractorContactsWindow(const ContractorContactsController& controller, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("KONTAKTY_KONTRAHENTA"));
    setWindowTitle(controller.caption());
    auto* layout = new QVBoxLayout(this);
    auto* list = new QTableWidget(int(controller.fields().size()), 2, this);
    list->setObjectName(QStringLiteral("LIST1"));
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->horizontalHeader()->hide();
    list->verticalHeader()->hide();
    list->horizontalHeader()->setStretchLastSection(true);
    for (int i = 0; i < controller.fields().size(); ++i) {
        list->setItem(i, 0, new QTableWidgetItem(controller.fields()[i].first));
        list->setItem(i, 1, new QTableWidgetItem(controller.fields()[i].second));
    }
    list->resizeColumnToContents(0);
    layout->addWidget(list);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("&Zamknij"), this);
    close->setObjectName(QStringLiteral("CLOSE"));
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    resize(480, 300);
}

} // namespace ksiega::contractors
