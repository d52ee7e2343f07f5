#include "ImportLedger.h"
#include "platform/db/LineCopies.h"
#include "platform/db/import/ImportFormat.h"
#include "platform/runtime/Date.h"
#include "support/TestDatabase.h"
#include <QBuffer>

namespace ksiega::test {

ImportLedger ImportLedger::create(db::Database& db) {
    ImportLedger l;
    l.firma = db.insertReturningId(QStringLiteral("insert into FIRMA (nazwa) values ('Firma testowa') returning id_firmy"));
    auto year = [&](const char* name, int y) {
        return db.insertReturningId(
            QStringLiteral("insert into LATA_OBROTOWE (id_firmy, rok_obrotowy, poczatek_roku, koniec_roku) values (?, ?, ?, ?) "
                           "returning id_lata_obrot"),
            {l.firma, name, date::fromYmd(y, 1, 1), date::fromYmd(y, 12, 31)});
    };
    l.year2025 = year("2025", 2025);
    l.year2026 = year("2026", 2026);
    for (const char* w : {"PLN", "EUR", "USD"}) db.execute(QStringLiteral("insert into WALUTY (sym_waluty) values (?)"), {w});

    int64_t types[3];
    int i = 0;
    for (const char* t : {"PK", "FV", "WB"})
        types[i++] = db.insertReturningId(QStringLiteral("insert into TYP_DOK (id_firmy, sym_typ_dok_uz) values (?, ?) returning id_typ_dok"),
                                          {l.firma, t});

    for (int64_t y : {l.year2025, l.year2026}) {
        for (int syn : {100, 130, 201, 202, 401, 700})
            db.execute(QStringLiteral("insert into KONTA_SYNT (id_firmy, id_lata_obrot, nr_konta_syn) values (?, ?, ?)"), {l.firma, y, syn});
        // nr_konta, parent, level, takes postings
        struct Account { const char* nr; const char* parent; int level; int posting; };
        for (const Account& a : {Account{"100", "", 0, 1}, {"130", "", 0, 0}, {"130-01", "130", 1, 1}, {"130-02", "130", 1, 1},
                                 {"201", "", 0, 0}, {"201-01", "201", 1, 1}, {"201-02", "201", 1, 1},
                                 {"202", "", 0, 0}, {"202-01", "202", 1, 1}, {"401", "", 0, 1}, {"700", "", 0, 1}}) {
            db.execute(QStringLiteral("insert into WARTOSCI_KONT (id_firmy, id_lata_obrot, nr_konta, nazwa_konta, nr_konta_syn, poziom, "
                                      "nr_konta_nadrz, czy_analityka) values (?, ?, ?, ?, ?, ?, ?, ?)"),
                       {l.firma, y, a.nr, QStringLiteral("Konto %1").arg(a.nr), QString(a.nr).left(3).toInt(), a.level, a.parent, a.posting});
        }
        for (const char* kod : {"KP", "BANK"})
            db.execute(QStringLiteral("insert into PACZKA (id_firmy, id_lata_obrot, kod_paczki) values (?, ?, ?)"), {l.firma, y, kod});
    }

    // Already posted: ISTN/1 in 2026 and PK/1 in 2025.
    for (auto [y, nr] : {std::pair{l.year2026, "ISTN/1"}, std::pair{l.year2025, "PK/1"}}) {
        const int64_t nag = db.insertReturningId(
            QStringLiteral("insert into NAG_DOK (id_firmy, id_lata_obrot, id_typ_dok, nr_ewid_dok, status) values (?, ?, ?, ?, 2) "
                           "returning id_nag_dok"),
            {l.firma, y, types[0], nr});
        db.execute(QStringLiteral("insert into POZ_DOK (id_nag_dok, id_firmy, id_lata_obrot, lp, konto_wn, konto_ma, kwota_wn, kwota_ma, "
                                  "status, nr_ewid_dok) values (?, ?, ?, 1, '100', '700', 500, 500, 2, ?)"),
                   {nag, l.firma, y, nr});
        db::refreshLineCopies(db, nag);
    }
    return l;
}

db::import::ImportResult importText(db::Database& db, const db::import::ImportOptions& options, const QString& rows) {
    QByteArray data = QByteArray(db::import::kHeaderLine.data(), qsizetype(db::import::kHeaderLine.size())) + "\n" + rows.toUtf8();
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return db::import::importDocuments(db, buffer, options);
}

db::import::ImportResult importFixture(db::Database& db, const db::import::ImportOptions& options, const QString& name) {
    return db::import::importDocumentsFromFile(db, fixturePath(QStringLiteral("import/") + name), options);
}

QStringList errorTexts(const db::import::ImportResult& result) {
    QStringList texts;
    for (const auto& e : result.errors) texts << e.text();
    return texts;
}

TableCounts tableCounts(db::Database& db) {
    return {*db.scalarInt(QStringLiteral("select count(*) from NAG_DOK")), *db.scalarInt(QStringLiteral("select count(*) from POZ_DOK")),
            *db.scalarInt(QStringLiteral("select count(*) from WARTOSCI_KONT"))};
}

} // namespace ksiega::test
