#pragma once
// The rules of the list "Rozrachunki dla konta: " + account: the rows of one opening-balance
// line edited in memory, their totals by side, and "Dodaj", "Popraw" and "Usuń". The form
// of a row is run through a FormRunner, so that the list works without a screen.
#include "openingbalance/settlements/LineSettlements.h"
#include "openingbalance/settlements/SettlementFormController.h"

namespace ksiega::openingbalance {

// Shows the settlement form until it is saved (true) or cancelled (false).
class FormRunner {
public:
    virtual ~FormRunner() = default;
    virtual bool run(SettlementFormController& form) = 0;
};

class SettlementListController {
public:
    SettlementListController(db::Database& db, const SessionContext& session, const LineSettlementsContext& context,
                             std::vector<SettlementRow>& rows, FormRunner& forms);

    QString caption() const;
    const std::vector<SettlementRow>& rows() const { return m_rows; }
    // The columns of a row: "Symbol", "Data dok.", "Termin płatności", "Rodzaj", "Strona",
    // "Saldo", "Saldo /wal./", "Kor", "Opis".
    QStringList cells(size_t row) const;

    // "Razem saldo Dt" and "Razem saldo Ct": the amounts of the rows by side, a
    // correction counting negative.
    Money sumWn() const { return m_sumWn; }
    Money sumMa() const { return m_sumMa; }

    // Each answers the row to select afterwards (-1: none).
    int add();
    int correct(int row);
    int remove(int row);

private:
    bool refusedAsWarehouse(int row) const;
    void recount();

    db::Database& m_db;
    const SessionContext& m_session;
    LineSettlementsContext m_context;
    std::vector<SettlementRow>& m_rows;
    FormRunner& m_forms;
    Money m_sumWn, m_sumMa;
};

} // namespace ksiega::openingbalance
