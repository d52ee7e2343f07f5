#include "platform/db/demo/DocumentWriter.h"
#include "platform/db/demo/IdentitySync.h"
#include "platform/db/LineCopies.h"
#include <map>

namespace ksiega::db::demo {

WrittenDocuments writeDocuments(Database& db, const std::vector<DemoDocument>& documents) {
    // Every document balances; the opening balance of a year balances over its currencies' documents.
    std::map<std::pair<int64_t, int64_t>, int64_t> openingDifference;
    for (const DemoDocument& d : documents) {
        if (d.kind == kOpeningBalanceKind) {
            openingDifference[{d.company, d.year}] += d.totalDt() - d.totalCt();
            continue;
        }
        if (d.totalDt() != d.totalCt())
            throw DbError(QStringLiteral("Dokument %1 nie bilansuje się: Dt %2, Ct %3")
                              .arg(d.registerNumber, Money::fromMinor(d.totalDt()).toString(),
                                   Money::fromMinor(d.totalCt()).toString()));
    }
    for (const auto& [key, difference] : openingDifference)
        if (difference != 0)
            throw DbError(QStringLiteral("Bilans otwarcia firmy %1 (rok %2) nie bilansuje się o %3")
                              .arg(key.first).arg(key.second).arg(Money::fromMinor(difference).toString()));
    WrittenDocuments out;
    int64_t headerId = nextFreeId(db, QStringLiteral("NAG_DOK"), QStringLiteral("id_nag_dok"));
    int64_t lineId = nextFreeId(db, QStringLiteral("POZ_DOK"), QStringLiteral("id_poz_dok"));

    // Journal numbers continue those already in the ledger; read before the bulk load starts.
    std::map<std::pair<int64_t, int64_t>, int64_t> lastJournalNumber;
    std::vector<int64_t> journalNumbers;
    for (const DemoDocument& d : documents) {
        int64_t number = 0;
        if (d.status >= 2) {
            const auto key = std::make_pair(d.company, d.year);
            auto it = lastJournalNumber.find(key);
            if (it == lastJournalNumber.end())
                it = lastJournalNumber.emplace(key, db.scalarInt(QStringLiteral("select coalesce(max(nr_dziennik), 0) from NAG_DOK "
                                                                                "where id_firmy=? and id_lata_obrot=?"),
                                                                 {d.company, d.year}).value_or(0)).first;
            number = ++it->second;
        }
        journalNumbers.push_back(number);
    }
    {
        auto headers = db.bulkInsert(QStringLiteral("NAG_DOK"),
            {"id_nag_dok", "id_firmy", "id_lata_obrot", "id_paczka", "id_typ_dok", "nr_ewid_dok", "nr_dok_org",
             "nr_sys_dok", "nr_dziennik", "data_biezaca", "data_dok_org", "data_okresu", "data_wplywu", "data_oper_gosp",
             "data_zatwierdzenia", "status", "czy_rk", "waluta", "opis", "id_uzyt_p", "id_kontrahenta", "rodzaj_kartoteki"});
        for (size_t i = 0; i < documents.size(); ++i) {
            const DemoDocument& d = documents[i];
            const int64_t journalNumber = journalNumbers[i];
            headers->add({headerId, d.company, d.year, d.journal ? SqlValue(d.journal) : SqlValue(),
                          d.documentType ? SqlValue(d.documentType) : SqlValue(), d.registerNumber, d.originalNumber,
                          d.systemNumber, journalNumber, d.postingDate, d.documentDate, d.periodDate, d.receiptDate,
                          d.operationDate, d.approvalDate, d.status, d.kind, d.currency, d.description, d.user, d.cardId,
                          d.cardKind});
            out.headerIds.push_back(headerId++);
        }
        headers->finish();
    }
    {
        auto lines = db.bulkInsert(QStringLiteral("POZ_DOK"),
            {"id_poz_dok", "id_nag_dok", "id_firmy", "id_lata_obrot", "lp", "konto_wn", "konto_ma", "kwota_wn", "kwota_ma",
             "kwota_wn_w", "kwota_ma_w", "waluta", "kurs_waluty", "opis", "nr_ewid_dok", "data_okresu", "status", "czy_rk"});
        for (size_t i = 0; i < documents.size(); ++i) {
            const DemoDocument& d = documents[i];
            std::vector<int64_t> ids;
            int lp = 0;
            for (const DemoLine& l : d.lines) {
                lines->add({lineId, out.headerIds[i], d.company, d.year, ++lp, l.accountDt, l.accountCt, l.amountDt,
                            l.amountCt, l.amountDtW, l.amountCtW, l.currency, l.rate, l.description, d.registerNumber, d.periodDate, d.status,
                            d.kind});
                ids.push_back(lineId++);
            }
            out.lineIds.push_back(std::move(ids));
        }
        lines->finish();
    }
    if (!out.headerIds.empty()) refreshLineCopies(db, out.headerIds.front(), out.headerIds.back());
    syncIdentity(db, QStringLiteral("NAG_DOK"), QStringLiteral("id_nag_dok"));
    syncIdentity(db, QStringLiteral("POZ_DOK"), QStringLiteral("id_poz_dok"));
    return out;
}

} // namespace ksiega::db::demo
