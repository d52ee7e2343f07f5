#include "platform/db/import/DocumentImporter.h"
#include "platform/db/import/AccountPlanner.h"
#include "platform/db/import/BulkIndexPolicy.h"
#include "platform/db/import/CsvReader.h"
#include "platform/db/import/DocumentSet.h"
#include "platform/db/import/FieldParsers.h"
#include "platform/db/import/IdReservation.h"
#include "platform/db/import/ImportFormat.h"
#include "platform/db/import/LedgerCatalog.h"
#include "platform/db/LineCopies.h"
#include "platform/runtime/Date.h"
#include "platform/server/TurnoverChange.h"
#include "platform/server/Turnovers.h"
#include <QDate>
#include <algorithm>
#include <QElapsedTimer>
#include <QFile>

namespace ksiega::db::import {

namespace {

constexpr int kPosted = 2;

QString text(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

bool isHeader(const CsvRecord& row) {
    if (!row.error.empty() || row.count != ColumnCount) return false;
    for (int c = 0; c < ColumnCount; ++c)
        if (row.field(c) != kColumnNames[size_t(c)]) return false;
    return true;
}

// NAG_DOK: one row per document, ids from `firstId` in the order of first appearance.
void writeHeaders(Database& db, const LedgerCatalog& catalog, const std::vector<ImportedDocument>& documents,
                  int64_t firstId, const QString& user, int approved) {
    auto out = db.bulkInsert(QStringLiteral("NAG_DOK"),
                             {"id_nag_dok", "id_firmy", "id_lata_obrot", "id_paczka", "id_typ_dok", "nr_ewid_dok",
                              "nr_dok_org", "data_biezaca", "data_dok_org", "data_okresu", "data_zatwierdzenia",
                              "status", "czy_rk", "waluta", "id_uzyt_p"});
    int64_t id = firstId;
    for (const ImportedDocument& d : documents) {
        out->add({id++, catalog.idFirmy(), catalog.idLataObrot(), d.idPaczka, d.idTypDok, text(d.nrEwidDok),
                  text(d.nrDokOrg), d.dataBiezaca, d.dataDokOrg, d.dataOkresu, approved, kPosted, 0, text(d.waluta), user});
    }
    out->finish();
}

// POZ_DOK: the file read again (it has been checked), one row per line, with the header's
// company, year, register number, period, status, kind, currency and sort columns repeated
// on the line, and each side's synthetic account: what refreshLineCopies would set.
int64_t writeLines(Database& db, QIODevice& csv, const LedgerCatalog& catalog, const DocumentSet& set,
                   int64_t firstDocumentId, int64_t firstId, int approved) {
    auto out = db.bulkInsert(QStringLiteral("POZ_DOK"),
                             {"id_poz_dok", "id_nag_dok", "id_firmy", "id_lata_obrot", "lp", "konto_wn", "konto_ma",
                              "kwota_wn", "kwota_ma", "kwota_wn_w", "kwota_ma_w", "waluta", "opis", "nr_ewid_dok",
                              "data_okresu", "status", "czy_rk", "data_biezaca", "nr_dok_org", "data_dok_org",
                              "data_zatwierdzenia", "syntetyka_wn", "syntetyka_ma"});
    const auto& documents = set.documents();
    std::vector<int> lp(documents.size(), 0);
    std::vector<QString> currencies;
    currencies.reserve(documents.size());
    for (const ImportedDocument& d : documents) currencies.push_back(text(d.waluta));

    CsvReader reader(csv);
    CsvRecord row;
    reader.next(row); // header
    int64_t id = firstId;
    std::string number;
    while (reader.next(row)) {
        number.assign(row.field(NrEwidDok));
        const int index = set.indexOf(number);
        if (index < 0) throw DbError(QStringLiteral("the import file changed while it was being loaded"));
        const ImportedDocument& d = documents[size_t(index)];
        const bool dt = !row.field(KontoWn).empty(), ct = !row.field(KontoMa).empty();
        const int64_t kwota = parseAmount(row.field(Kwota)).value_or(0);
        const int64_t kwotaW = d.waluta.empty() ? 0 : parseAmount(row.field(KwotaW)).value_or(0);
        const QString kontoWn = text(row.field(KontoWn)), kontoMa = text(row.field(KontoMa));
        out->add({id++, firstDocumentId + index, catalog.idFirmy(), catalog.idLataObrot(), ++lp[size_t(index)],
                  kontoWn, kontoMa, dt ? kwota : 0, ct ? kwota : 0, dt ? kwotaW : 0,
                  ct ? kwotaW : 0, currencies[size_t(index)], text(row.field(Opis)), text(d.nrEwidDok), d.dataOkresu,
                  kPosted, 0, d.dataBiezaca, text(d.nrDokOrg), d.dataDokOrg, approved, accountFirstSegment(kontoWn),
                  accountFirstSegment(kontoMa)});
    }
    out->finish();
    return id - firstId;
}

} // namespace

ImportResult importDocuments(Database& db, QIODevice& csv, const ImportOptions& options) {
    QElapsedTimer timer, phase;
    timer.start();
    phase.start();
    auto lap = [&phase] {
        const double seconds = double(phase.nsecsElapsed()) / 1e9;
        phase.restart();
        return seconds;
    };
    ImportResult result;
    ImportErrors errors(options.maxErrors);
    auto refused = [&] {
        result.errorCount = errors.count();
        result.errors = errors.take();
        std::stable_sort(result.errors.begin(), result.errors.end(),
                         [](const ImportError& a, const ImportError& b) { return a.line < b.line; });
        result.seconds = double(timer.nsecsElapsed()) / 1e9;
        return result;
    };

    const QString user = options.user.isEmpty() ? QString::fromLatin1(kDefaultUser) : options.user;
    if (user.size() > kMaxLogin) {
        errors.add(0, QStringLiteral("user login %1 is longer than %2 characters").arg(user).arg(kMaxLogin));
        return refused();
    }
    const qint64 start = csv.pos();

    Transaction tx(db);
    lockDocumentTables(db);
    const LedgerCatalog catalog = LedgerCatalog::load(db, options.idFirmy, options.idLataObrot);
    AccountPlanner accounts(catalog, options.createAccounts);
    DocumentSet documents(catalog, accounts, errors);
    {
        CsvReader reader(csv);
        CsvRecord row;
        if (!reader.next(row) || !isHeader(row)) {
            errors.add(1, QStringLiteral("the first line must be the header %1").arg(text(kHeaderLine)));
            return refused();
        }
        while (reader.next(row)) documents.addRow(row);
        documents.finish();
    }
    if (!errors.empty()) return refused(); // the transaction rolls back: nothing written

    result.checkSeconds = lap();

    accounts.writeAccounts(db);
    const auto& docs = documents.documents();
    const int64_t firstDocumentId = reserveIds(db, QStringLiteral("NAG_DOK"), QStringLiteral("id_nag_dok"), int64_t(docs.size()));
    const int64_t firstLineId = reserveIds(db, QStringLiteral("POZ_DOK"), QStringLiteral("id_poz_dok"), documents.lineCount());
    // Ids below the first free one bound the rows already there.
    BulkIndexPolicy indexes(db);
    indexes.prepare(QStringLiteral("NAG_DOK"), firstDocumentId - 1, int64_t(docs.size()));
    indexes.prepare(QStringLiteral("POZ_DOK"), firstLineId - 1, documents.lineCount());
    const int approved = date::fromQDate(QDate::currentDate());
    writeHeaders(db, catalog, docs, firstDocumentId, user, approved);
    result.headerSeconds = lap();
    if (!csv.seek(start)) throw DbError(QStringLiteral("the import file cannot be read a second time"));
    const int64_t written = writeLines(db, csv, catalog, documents, firstDocumentId, firstLineId, approved);
    if (written != documents.lineCount()) throw DbError(QStringLiteral("the import file changed while it was being loaded"));
    if (!docs.empty()) {
        advanceIdentity(db, QStringLiteral("NAG_DOK"), QStringLiteral("id_nag_dok"), firstDocumentId + int64_t(docs.size()) - 1);
        advanceIdentity(db, QStringLiteral("POZ_DOK"), QStringLiteral("id_poz_dok"), firstLineId + written - 1);
    }
    result.lineSeconds = lap();
    indexes.rebuild();
    result.indexSeconds = lap();
    if (!docs.empty())
        server::addTurnoversOfDocuments(db, catalog.idFirmy(), catalog.idLataObrot(), firstDocumentId,
                                        firstDocumentId + int64_t(docs.size()) - 1);
    result.turnoverSeconds = lap();
    tx.commit();
    result.commitSeconds = lap();

    result.documents = int(docs.size());
    result.lines = written;
    result.accountsCreated = accounts.plannedCount();
    result.seconds = double(timer.nsecsElapsed()) / 1e9;
    return result;
}

ImportResult importDocumentsFromFile(Database& db, const QString& path, const ImportOptions& options) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ImportResult result;
        result.errorCount = 1;
        result.errors.push_back({0, QStringLiteral("cannot open %1: %2").arg(path, file.errorString())});
        return result;
    }
    return importDocuments(db, file, options);
}

} // namespace ksiega::db::import
