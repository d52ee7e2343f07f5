#pragma once
// The rules of the card window "Kartoteka" of a register account: its sub-accounts with
// opening amounts, their order, and "Dodaj", "Popraw", "Usuń" and "Odśwież". The amounts
// of a sub-account are entered through LineEditors::editAmounts.
#include "openingbalance/LineEditors.h"
#include "openingbalance/cards/CardLines.h"
#include <QStringList>

namespace ksiega::openingbalance {

class CardWindowController {
public:
    CardWindowController(db::Database& db, const SessionContext& session, LineRequest request, LineEditors& editors);

    QString header() const;   // "Analityka konta: " + account
    const std::vector<CardLine>& lines() const { return m_lines; }
    // "Numer konta", "Nazwa konta", "Kwota Dt", "Kwota Dt /wal./", "Kwota Ct", "Kwota Ct /wal./".
    QStringList cells(size_t row) const;
    // "Dodaj" and "Usuń" (off in the settlements-only mode). "Popraw" stays on there: it
    // opens the amount entry in the same mode, where only the settlements can change, which
    // is the one thing that mode exists for.
    bool editingEnabled() const { return !m_request.settlementsOnly; }

    // Odśwież: reads the list again and keeps the order.
    void load();
    // A click on a column header sorts by it; B_ROS_MAL turns the direction.
    void sortBy(CardSortColumn column);
    void toggleDirection();
    QString sortOrder() const { return cardSortOrder(m_sortColumn, m_descending); }
    bool descending() const { return m_descending; }

    // Each answers the row to select afterwards (-1: none). `parent` is handed to the
    // windows they open.
    int add(QWidget* parent);
    int correct(int row, QWidget* parent);
    int remove(int row, QWidget* parent);

    // 1 once anything was saved.
    uint8_t result() const { return m_result; }

private:
    // The register's kind and card filter (KARTOTEKA_UZYTKOWNIKA of the card symbol).
    struct Register {
        QChar kind;
        QString filter;
    };
    std::optional<Register> readRegister() const;
    // The sub-account of the register account kept for a card, "" when the chart has none.
    QString subAccountOf(QChar kind, int64_t idKartoteki) const;
    uint8_t editAmounts(const QString& account, QWidget* parent);
    int rowOf(const QString& account) const;

    db::Database& m_db;
    const SessionContext& m_session;
    LineRequest m_request;
    LineEditors& m_editors;
    std::vector<CardLine> m_lines;
    CardSortColumn m_sortColumn = CardSortColumn::Number;
    bool m_descending = false;
    uint8_t m_result = 0;
};

} // namespace ksiega::openingbalance
