#pragma once
// Documents of the demo ledger as they are built in memory before they are written:
// a header and its lines. Amounts are whole grosze; *W are amounts in the line's currency.
#include <QString>
#include <cstdint>
#include <vector>

namespace ksiega::db::demo {

// Exchange rates are kept as whole ten-thousandths (4.2735 EUR/PLN = 42735), as the
// central bank publishes them.
constexpr int64_t kRateScale = 10000;

// czy_rk of an opening-balance document.
constexpr int kOpeningBalanceKind = 10;

// The PLN value of a currency amount at a rate, rounded half away from zero.
inline int64_t plnValue(int64_t currencyAmount, int64_t rate) {
    const int64_t product = currencyAmount * rate;
    return product >= 0 ? (product + kRateScale / 2) / kRateScale : -((-product + kRateScale / 2) / kRateScale);
}

// The budget senses of an amount (the rodzaj_ flags of a budget line).
enum BudgetSense : unsigned {
    Expenditure = 1,   // rodzaj_wy
    Cost = 2,          // rodzaj_k
    Commitment = 4,    // rodzaj_z
    Cash = 8,          // rodzaj_x
    Revenue = 16,      // rodzaj_d
    Receipt = 32,      // rodzaj_wp
};

struct DemoLine {
    QString accountDt;                 // konto_wn, '' when the line has no Dt side
    QString accountCt;                 // konto_ma
    int64_t amountDt = 0;              // kwota_wn
    int64_t amountCt = 0;              // kwota_ma
    QString currency;                  // '' = PLN
    int64_t amountDtW = 0, amountCtW = 0;
    int64_t rate = 0;                  // kRateScale units; 0 for PLN
    QString description;
    // Budget units: the classification of the amount ('' for none) and its budget side.
    QString budgetSymbol;
    QChar budgetSide;                  // 'W' expenditure, 'D' revenue
    unsigned budgetSenses = 0;         // BudgetSense bits: in which budget senses the amount counts
    int costCentre = 0;                // 1.. a cost centre of the company, 0 none
    // Settlement accounts: the invoice this amount opens or settles ('' none). The first line
    // with a key opens the settlement, later ones settle it.
    QString settlement;
};

struct DemoDocument {
    int64_t company = 0;
    int64_t year = 0;                  // id_lata_obrot
    int64_t journal = 0;               // id_paczka
    int64_t documentType = 0;          // id_typ_dok
    QString registerNumber;            // nr_ewid_dok
    QString originalNumber;            // nr_dok_org
    QString systemNumber;              // nr_sys_dok
    int postingDate = 0;               // data_biezaca
    int documentDate = 0;              // data_dok_org
    int periodDate = 0;                // data_okresu
    int receiptDate = 0;               // data_wplywu
    int operationDate = 0;             // data_oper_gosp
    int approvalDate = 0;              // data_zatwierdzenia
    int status = 2;                    // 2 posted
    int kind = 0;                      // czy_rk
    QString currency = QStringLiteral("PLN");
    QString description;
    QString user;
    int64_t cardId = 0;                // id_kontrahenta
    QString cardKind;                  // rodzaj_kartoteki
    std::vector<DemoLine> lines;

    // A line with both sides at the same amount.
    DemoLine& post(const QString& dt, const QString& ct, int64_t amount, const QString& text = {}) {
        DemoLine l;
        l.accountDt = dt; l.accountCt = ct; l.amountDt = amount; l.amountCt = amount;
        l.description = text.isEmpty() ? description : text;
        lines.push_back(l);
        return lines.back();
    }
    DemoLine& debit(const QString& account, int64_t amount, const QString& text = {}) {
        DemoLine l;
        l.accountDt = account; l.amountDt = amount;
        l.description = text.isEmpty() ? description : text;
        lines.push_back(l);
        return lines.back();
    }
    DemoLine& credit(const QString& account, int64_t amount, const QString& text = {}) {
        DemoLine l;
        l.accountCt = account; l.amountCt = amount;
        l.description = text.isEmpty() ? description : text;
        lines.push_back(l);
        return lines.back();
    }
    // A both-sided line in a currency: the PLN amount follows from the rate.
    DemoLine& postInCurrency(const QString& dt, const QString& ct, const QString& cur, int64_t amountW, int64_t rate,
                             const QString& text = {}) {
        DemoLine& l = post(dt, ct, plnValue(amountW, rate), text);
        l.currency = cur; l.amountDtW = amountW; l.amountCtW = amountW; l.rate = rate;
        return l;
    }
    int64_t totalDt() const { int64_t s = 0; for (const auto& l : lines) s += l.amountDt; return s; }
    int64_t totalCt() const { int64_t s = 0; for (const auto& l : lines) s += l.amountCt; return s; }
};

} // namespace ksiega::db::demo
