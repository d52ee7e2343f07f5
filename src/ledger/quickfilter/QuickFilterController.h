#pragma once
// The rules of the quick filter window "Filtr księgi głównej": the journals, document
// types and periods with their marks, the document, side, account, date and budget
// choices, the pickers they open, "Czyść ustawienia", and "Wykonaj", which checks the
// choices in a fixed order, builds the expression and refuses one of 1000 characters or
// more. The module-wide settings change only when "Wykonaj" succeeds.
#include "frame/SessionContext.h"
#include "ledger/quickfilter/QuickFilterExpression.h"
#include "platform/db/Database.h"
#include "platform/siblings/pickers/PartyPickers.h"
#include "platform/siblings/pickers/PickerContext.h"
#include <optional>

namespace ksiega::ledger {

enum class QuickFilterList { Journals, DocumentTypes, Periods };

// A failed check: the message and the control the window then selects.
struct QuickFilterRefusal {
    QString message;
    QString control;
};

class QuickFilterController {
public:
    // mode "1": accounts are offered and used; "2": they are neither shown nor used.
    QuickFilterController(db::Database& db, SessionContext& session, QuickFilterState& moduleWide, const QString& mode);

    bool accountsUsed() const { return m_accountsUsed; }
    bool budgetEdition() const { return m_session.DANE_CZY_WERSJA_BUDZET == 1; }
    // "Okresy/Konta", or "Okresy" when accounts are not used.
    QString periodsTabTitle() const;

    const QuickFilterSettings& working() const { return m_working; }
    QuickFilterSettings& edit() { return m_working; }   // plain fields the window binds
    const std::vector<ListRow>& journals() const { return m_journals; }
    const std::vector<ListRow>& documentTypes() const { return m_documentTypes; }
    const std::vector<PeriodRow>& periods() const { return m_periods; }

    // Marks: the icon column toggles a row; "Zaznacz wszystkie" / "Odznacz wszystkie".
    void toggle(QuickFilterList list, int row);
    void setAll(QuickFilterList list, bool checked);
    bool checked(QuickFilterList list, int row) const;
    int rowCount(QuickFilterList list) const;

    // "Określony" sets empty dates to the working date; "Dowolny" leaves the dates.
    void setDocumentDateChoice(DateChoice choice);
    void setBookingDateChoice(DateChoice choice);
    // A typed account clears the several-accounts choice of the picker.
    void setChosenAccount(const QString& account);

    // Pickers. Each leaves the old choice when nothing comes back.
    void pickDocument();                      // B_DOKUMENT
    void pickAccounts();                      // B_PLAN
    void pickParty(pickers::PartyKind kind);  // B_K, B_P, B_U
    void pickClassification();                // B_WYBRANA_KLASYFIKACJA
    void pickDocumentDateRange();             // "Wybór zakresu dat"
    void pickBookingDateRange();
    // A calendar button of a date entry: which = 1 or 2.
    void pickDocumentDate(int which);
    void pickBookingDate(int which);

    // "Czyść ustawienia".
    void clearSettings();

    // The first failed check, in the window's order; nullopt when all pass.
    std::optional<QuickFilterRefusal> validate() const;
    // The expression of the current choices (no checks, no length rule).
    QString expression();
    // "Wykonaj": checks, builds, applies the length rule. On success saves the settings,
    // rebuilds the period description and returns true; otherwise shows the message
    // (through Dialogs), records the control to select and returns false.
    bool apply();
    // The result of the window: the expression after a successful "Wykonaj", else "".
    const QString& result() const { return m_result; }
    bool applied() const { return m_applied; }
    const QString& controlToSelect() const { return m_select; }

private:
    void loadLists();
    std::vector<ListRow>& rows(QuickFilterList list);
    pickers::PickerContext pickerContext() const;
    void pickDate(DateRange& range, int which);
    void pickRange(DateRange& range);

    db::Database& m_db;
    SessionContext& m_session;
    QuickFilterState& m_moduleWide;
    QuickFilterSettings m_working;
    bool m_accountsUsed;
    std::vector<ListRow> m_journals;
    std::vector<ListRow> m_documentTypes;
    std::vector<PeriodRow> m_periods;
    QString m_result;
    QString m_select;
    bool m_applied = false;
};

} // namespace ksiega::ledger
