#pragma once
// The rules of the amount entry window "Wprowadzanie kwot bilansu otwarcia": one account's
// line of the opening-balance document, claimed for the user while the window is open,
// with its amounts, partial entries, settlements and cost-centre split held in memory
// until "Zapisz" writes them all in one transaction.
//
// The claim of the line is released on every way out: a refusal while opening, "Anuluj",
// closing the window, a save, and the destruction of the controller. Only this line's
// claim is released.
#include "openingbalance/LineEditors.h"
#include "openingbalance/entry/AmountEntryServices.h"
#include "openingbalance/entry/EntryChecks.h"

namespace ksiega::openingbalance {

inline const QString kChangedSettlementsQuestion = QStringLiteral(
    "Zapisanie pozycji spowoduje usunięcie dotychczasowych rozliczeń rozrachunków dotyczących wyłącznie poprawianych "
    "rozrachunków. Czy potwierdzasz zapisywanie?");

class AmountEntryController {
public:
    AmountEntryController(db::Database& db, const SessionContext& session, LineRequest request,
                          AmountEntryServices& services);
    ~AmountEntryController();   // releases the claim
    AmountEntryController(const AmountEntryController&) = delete;
    AmountEntryController& operator=(const AmountEntryController&) = delete;

    // The opening steps: the account, the currency view, the claim of the line, the
    // account's properties, the partial entries, the settlements and the cost-centre split.
    // False when the window does not open (the reason was shown; nothing was changed and
    // the claim, if one was taken, is released).
    bool open();

    QString caption() const { return QStringLiteral("Wprowadzanie kwot bilansu otwarcia"); }
    // ?NAZWA_NAGLOWKA: the account number, a blank, its name.
    QString header() const { return m_header; }
    const LineRequest& request() const { return m_request; }
    int64_t idPozDok() const { return m_idPozDok; }
    bool claimed() const { return m_claimed; }

    // What the window lets the user change.
    bool amountsEditable() const { return !m_request.settlementsOnly; }
    bool currencyAmountsUsable() const { return m_currencyAccount; }
    bool currencyAmountsEditable() const { return amountsEditable() && m_currencyAccount; }
    bool settlementsEnabled() const { return m_settlementAccount; }
    bool partialEntriesEnabled() const { return !m_request.settlementsOnly; }
    bool costCentresEnabled() const {
        return m_costCentreAccount && m_session.DANE_CZY_WERSJA_MPK == 1 && !m_request.settlementsOnly;
    }

    const server::LineAmounts& amounts() const { return m_amounts; }
    Money amount(AmountField field) const { return amountOf(m_amounts, field); }
    // Ignored for a field the window does not let the user change.
    void setAmount(AmountField field, Money value);
    bool fieldEditable(AmountField field) const;

    const std::vector<server::PartialEntry>& partialEntries() const { return m_partials; }
    const std::vector<SettlementRow>& settlements() const { return m_settlements; }
    const costcentres::CostCentreSplit& costCentreSplit() const { return m_split; }

    // ?B_ROZRACH, ?B_POZYCJE, ?B_MPK_WN / ?B_MPK_MA (strona "WN" or "MA").
    void editSettlements(QWidget* parent);
    void editPartialEntries(QWidget* parent);
    void editCostCentres(const QString& strona, QWidget* parent);

    // ?B_ZAPISZ: the checks, then the save in one transaction. True when saved (the window
    // closes with result 1); false keeps the window open.
    bool save();
    // ?B_ANULUJ, Esc, closing: the claim is released; the result stays as it is.
    void close();
    uint8_t result() const { return m_result; }

private:
    bool readLine();
    bool checksPass();
    void write();
    void release();
    costcentres::CostCentreLine costCentreLine() const;
    LineSettlementsContext settlementsContext() const;
    int openingDate() const;

    db::Database& m_db;
    const SessionContext& m_session;
    LineRequest m_request;
    AmountEntryServices& m_services;

    QString m_header;
    int64_t m_idPozDok = 0;
    bool m_claimed = false;
    bool m_currencyAccount = false;
    bool m_settlementAccount = false;
    bool m_costCentreAccount = false;
    bool m_hiddenSettlements = false;
    bool m_transactionMarks = true;
    server::LineAmounts m_amounts;
    std::vector<server::PartialEntry> m_partials;
    std::vector<SettlementRow> m_settlements;
    std::vector<int64_t> m_readIds;   // the settlements this window read
    costcentres::CostCentreSplit m_split;
    uint8_t m_result = 0;
};

} // namespace ksiega::openingbalance
