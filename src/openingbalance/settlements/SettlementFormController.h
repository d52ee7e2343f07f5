#pragma once
// The rules of the settlement form "Rozrachunki" ("Rozrachunki/Dodaj" for a new
// settlement, "Rozrachunki/Popraw" for one of the list): its defaults, how the number of
// days and the due date follow each other, which controls the transaction-mark switch and
// the edition allow, and what "Zapisz" checks and asks before the row is accepted.
//
// Days and due date: the due date is the document date plus the days. Changing the days
// or the document date moves the due date; changing the due date sets the days. For a
// "płatność" the due date is the document date (0 days) whatever is typed. A new row
// starts with the system's term (option 180) in the days and, as it always has, with the
// opening-balance date as both its document date and its due date; the due date follows
// the days from the first change of either date or of the days.
#include "openingbalance/settlements/LineSettlements.h"
#include <optional>

class QWidget;

namespace ksiega::openingbalance {

class SettlementFormController {
public:
    // `existing` empty: a new settlement.
    SettlementFormController(db::Database& db, const SessionContext& session, const LineSettlementsContext& context,
                             std::optional<SettlementRow> existing);

    QString caption() const;
    bool isNew() const { return m_isNew; }
    const server::OpeningSettlement& working() const { return m_row.settlement; }
    int days() const { return m_days; }

    void setSymbol(const QString& symbol);
    void setDescription(const QString& opis);
    void setDocumentDate(int day);
    void setKind(QChar rodzaj);
    void setDays(int days);
    void setDueDate(int day);
    void setSide(const QString& strona);   // "WN" or "MA"
    void setAmount(Money kwota);
    void setCurrencyAmount(Money kwotaW);
    void setCorrection(bool korekta);
    void setTransactionMark(const QString& znacznik);
    void setHiddenInWarehouse(bool hidden);

    // The due date cannot be typed for a "płatność".
    bool dueDateEditable() const;
    // The transaction mark, its label and the classification button (option 224).
    bool transactionMarkEnabled() const { return m_context.transactionMarks; }
    QString transactionLabel() const;
    bool classificationVisible() const;
    // The classification's symbol, "" when none.
    QString classificationSymbol() const;

    // B_OPIS, the calendar buttons and the classification button.
    void chooseDescription(QWidget* parent);
    void chooseDocumentDate();
    void chooseDueDate();
    void chooseClassification();

    // "Zapisz": the due-date check, then, for a settlement of the database whose amount,
    // currency amount, correction or side changed and which has clearings, the question
    // whether its clearings may go. True when the row is accepted (read it with row());
    // false when the form stays open.
    bool save();
    const SettlementRow& row() const { return m_row; }

    static constexpr int MAX_DAYS = 99999;
    static constexpr int SYMBOL_LENGTH = 29;
    static constexpr int DESCRIPTION_LENGTH = 50;
    static constexpr int MARK_LENGTH = 30;

private:
    bool amountOrSideChanged() const;
    bool anythingChanged() const;
    bool hasClearingsInDatabase() const;
    void followDays();

    db::Database& m_db;
    const SessionContext& m_session;
    LineSettlementsContext m_context;
    bool m_isNew;
    server::OpeningSettlement m_before;   // as the form opened
    SettlementRow m_row;          // the working copy
    int m_days = 0;
};

// System option 180: the default term of a new settlement in days (14 when unset or not
// a number).
int defaultSettlementTerm(db::Database& db, int64_t idFirmy, int64_t idLataObrot);

} // namespace ksiega::openingbalance
