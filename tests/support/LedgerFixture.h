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
#include "platform/db/Database.h"
#include "platform/runtime/Money.h"

namespace ksiega::test {

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

private:
    void addChart(int64_t year);
    int m_lp = 0;
};

inline Money zl(const char* text) { return Money::parseOrThrow(QString::fromUtf8(text)); }

} // namespace ksiega::test
