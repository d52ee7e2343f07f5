#pragma once
// "Kontakty kontrahenta": the contact data of one contractor of the company, as
// label/value pairs (ContractorContactsController), shown in a small window
// (ContractorContactsWindow, list LIST1).
#include "platform/db/Database.h"
#include <QDialog>
#include <QVector>

namespace ksiega::contractors {

inline const QString MSG_BRAK_KONTRAHENTA = QStringLiteral("Zapis nie jest powiązany z kontrahentem.");

class ContractorContactsController {
public:
    ContractorContactsController(db::Database& db, int64_t idFirmy, int64_t idKontrahenta);
    // False when the company has no such contractor.
    bool load();
    const QString& caption() const { return m_caption; }
    const QVector<QPair<QString, QString>>& fields() const { return m_fields; }

private:
    db::Database& m_db;
    int64_t m_idFirmy;
    int64_t m_idKontrahenta;
    QString m_caption;
    QVector<QPair<QString, QString>> m_fields;
};

class ContractorContactsWindow : public QDialog {
    Q_OBJECT
public:
    ContractorContactsWindow(const ContractorContactsController& controller, QWidget* parent = nullptr);
};

} // namespace ksiega::contractors
