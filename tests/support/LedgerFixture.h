#pragma once
// A small realistic ledger for database tests: one company, the fiscal year 2026 (twelve
// months) and the following year "2027/2028" of eighteen months (January 2027 to June
// 2028), the same chart of accounts in both, currencies PLN/EUR/USD, a journal and a
// document type, posted and unposted documents and the opening-balance documents of
// 2026. Other tests add documents and lines with the helpers.
//
// Chart (both years): 010 fixed assets (010-01); 130 bank (130-01); 131 currency bank
// account (131-01 EUR, 131-02 USD); 201 customers, a register account kept on cards
// (201-01, cards 201-01-001 and 201-01-002); 202 suppliers (202-01-001); 234 other
// settlements, two-balance (234-01, 234-02); 401 materials (W); 700 sales (700-01, W);
// 800 equity; 990 off-balance (P).
//
// The rows that hang on a ledger line (budget lines, cost-centre splits, settlements and
// their clearings, opening-balance lines) are written as the application's writers write
// them: the company and year repeated from the line, amounts in grosze, and the parts of a
// line adding up exactly to it (a helper refuses parts that do not, and writes nothing).
#include "platform/db/Database.h"
#include "platform/runtime/Money.h"
#include <array>
#include <vector>

namespace ksiega::test {

// What a budget line's amount counts as (BT_DANE.rodzaj_*).
enum BudgetSense : unsigned {
    Expenditure = 1,   // rodzaj_wy
    Cost = 2,          // rodzaj_k
    Commitment = 4,    // rodzaj_z
    Cash = 8,          // rodzaj_x
    Revenue = 16,      // rodzaj_d
    Receipt = 32,      // rodzaj_wp
};

// One part of a ledger line under a budget classification symbol
// (dział-rozdział-paragraf[-analytic], e.g. "801-80101-4010").
struct BudgetPart {
    QString klasyfikacja;
    Money kwota;
};

// One cost-centre split of a side of a ledger line: its amount and the indicators of the
// five dimensions (MPK_WSKAZNIK ids, 0 = none).
struct CostSplit {
    Money kwota;
    std::array<int64_t, 5> wskazniki{};
};

struct NewLine {
    QString kontoWn;
    QString kontoMa;
    Money kwotaWn;
    Money kwotaMa;
    Money kwotaWnW;
    Money kwotaMaW;
    QString waluta;   // "" = PLN
};

struct NewDocument {
    int64_t idLataObrot = 0;
    int dataOkresu = 0;
    int status = 2;    // 2 posted
    int czyRk = 0;     // 10 opening balance
    QString nrEwid;
    QString waluta;
};

class LedgerFixture {
public:
    explicit LedgerFixture(db::Database& db);

    db::Database& db;
    int64_t company = 0;
    int64_t year2026 = 0;      // 1 Jan 2026 - 31 Dec 2026
    int64_t year18 = 0;        // 1 Jan 2027 - 30 Jun 2028, "2027/2028"
    int64_t journal = 0;       // PACZKA "DZ" of 2026
    int64_t documentType = 0;  // TYP_DOK "PK"
    int64_t openingPln = 0;    // the opening-balance documents of 2026
    int64_t openingEur = 0;
    QString login = QStringLiteral("jkowal");

    // Period dates of 2026 and of the 18-month year.
    int bo2026() const;
    int month2026(int month) const;
    int bz2026() const;
    int bo18() const;
    int month18(int year, int month) const;
    int bz18() const;

    int64_t addDocument(const NewDocument& document);
    // The line repeats its document's company, year, period, status and czy_rk.
    int64_t addLine(int64_t document, const NewLine& line);
    // A balanced posting of one amount from dt to ct (optionally in a currency).
    int64_t post(int64_t document, const QString& dt, const QString& ct, Money pln, Money currency = {},
                 const QString& waluta = {});
    // A posted ordinary document of 2026 in the given month, with one posting.
    int64_t postIn2026(int month, const QString& dt, const QString& ct, Money pln, int status = 2);

    // Budget lines of a ledger line, lp 1.. in the given order, on side typ ('W' expenditure,
    // 'D' revenue); each symbol is also put in the classification dictionary. The parts
    // must add up to the line's amount.
    std::vector<int64_t> addBudgetLines(int64_t line, const std::vector<BudgetPart>& parts, QChar typ = QChar('W'),
                                        unsigned senses = Expenditure | Cash);
    // The whole line under one symbol.
    int64_t addBudgetLine(int64_t line, const QString& klasyfikacja, QChar typ = QChar('W'),
                          unsigned senses = Expenditure | Cash);

    // The cost-centre indicator of a dimension (1..5) with this symbol, created on first use.
    int64_t costCentre(int dimension, const QString& symbol, const QString& nazwa = {});
    // Cost-centre splits of one side ("WN" or "MA") of a line, on that side's account; the
    // splits must add up to the line's amount on that side. Each split's set path is its
    // indicators' ids, each followed by the company's separator.
    std::vector<int64_t> splitCostCentres(int64_t line, const QString& strona, const std::vector<CostSplit>& splits);

    // The settlement a line opens on its account of one side ("WN": a receivable on the debit
    // side, "MA": a payable): the line's amount (and currency amount), the document's number
    // and date, due dueInDays later, the account's card; an opening-balance line's settlement
    // belongs to the opening balance. symbol "" takes the document's number.
    int64_t openSettlement(int64_t line, const QString& strona = QStringLiteral("WN"), const QString& symbol = {},
                           int dueInDays = 14);
    // Clears part of a settlement by a line (a payment): dated the paying document's posting
    // date. With against (another settlement cleared by the same amount), each settlement
    // gets its clearing row pointing at the other. More than what is left is refused.
    int64_t settle(int64_t settlement, int64_t payingLine, Money kwota, Money kwotaW = {}, int64_t against = 0);

    // A line on the company's opening-balance document of the year and currency ("" or
    // "PLN": the home currency), found or created as the server does it (czy_rk 10, the
    // year's BO period): one such document per year and currency.
    int64_t openingBalanceLine(int64_t year, const QString& dt, const QString& ct, Money pln, Money currency = {},
                               const QString& waluta = {});
    // The opening-balance document of the year and currency, 0 when there is none.
    int64_t openingDocument(int64_t year, const QString& waluta = {});

private:
    void addChart(int64_t year);
    Money lineAmount(int64_t line, const QString& strona = {});
    int m_lp = 0;
};

inline Money zl(const char* text) { return Money::parseOrThrow(QString::fromUtf8(text)); }

} // namespace ksiega::test
