// ksiega settlements-document: a new ledger document of a journal made of chosen settlements,
// as "Dodawanie nowego dokumentu" generates it: one line per settlement, the settlement's
// account on its side and --dt / --ct facing it. The marks and the document are one
// transaction; a refusal writes no document. Prints the new document's number (nr_dok_org).
#include "host/BatchSession.h"
#include "host/SettlementsCommand.h"
#include "host/Subcommands.h"
#include "platform/server/settlements/SettlementDocument.h"
#include "platform/server/settlements/SettlementWork.h"
#include <QTextStream>

namespace ksiega::host {

namespace {

using namespace settlementcommands;

const QString kNoDocumentTypes =
    QStringLiteral("Zdefiniuj listę typów dokumentów dla wybranego dziennika lub nadaj prawa do ich użytkowania.");
const QString kNotCreated = QStringLiteral("Dokument nie został utworzony. ");

int settlementsDocument(const Arguments& args) {
    const std::vector<int64_t> ids = idsArgument(args);
    const QString journalCode = args.option(QStringLiteral("journal"), QString()).trimmed();
    const QString typeSymbol = args.option(QStringLiteral("type"), QString()).trimmed();

    BatchSession batch(args);
    db::Database& db = batch.db();
    SessionContext& s = batch.session();
    const int64_t journal = db.scalarInt(QStringLiteral("select id_paczka from PACZKA where id_firmy=? and id_lata_obrot=? and kod_paczki=?"),
                                         {s.DANE_ID_FIRMY, s.DANE_LATA_OBROTOWE, journalCode})
                                .value_or(0);
    if (journal == 0) throw UsageError(QStringLiteral("--journal: %1 is not a journal of the year").arg(journalCode));
    if (db.scalarInt(QStringLiteral("select count(*) from PACZKA_TYPDOK where id_paczka=?"), {journal}).value_or(0) == 0) {
        printError(kNoDocumentTypes);
        return 1;
    }
    const int64_t type = db.scalarInt(QStringLiteral("select id_typ_dok from TYP_DOK where id_firmy=? and sym_typ_dok_uz=?"),
                                      {s.DANE_ID_FIRMY, typeSymbol})
                             .value_or(0);
    if (type == 0) throw UsageError(QStringLiteral("--type: %1 is not a document type of the company").arg(typeSymbol));

    server::SettlementDocumentRequest request;
    request.idFirmy = s.DANE_ID_FIRMY;
    request.idLataObrot = s.DANE_LATA_OBROTOWE;
    request.userNumber = s.DANE_ID_UZYTKOWNIKA_NR;
    request.idTypDok = type;
    request.idPaczka = journal;
    request.dataOkresu = s.DANE_DATA_OKRESU;
    request.dataBiezaca = s.DANE_DATA_BIEZACA;
    request.opis = args.option(QStringLiteral("description"), QString());
    request.kontoWn = args.option(QStringLiteral("dt"), QString()).trimmed();
    request.kontoMa = args.option(QStringLiteral("ct"), QString()).trimmed();

    QString number;
    try {
        db::Transaction tx(db);
        replaceMarks(db, s.DANE_ID_UZYTKOWNIKA_NR, server::settlements::kMarkedSettlementsBrowser, ids);
        const int64_t document = server::TG_PODLACZ_ROZRACHUNKI_DO_POZYCJI(db, request);
        number = db.scalarText(QStringLiteral("select nr_dok_org from NAG_DOK where id_nag_dok=?"), {document}).value_or(QString());
        tx.commit();
    } catch (const db::DbError& e) {
        return failed(e, kNotCreated);
    }
    QTextStream(stdout) << number << "\n";
    return 0;
}

QString help() {
    return QStringLiteral(
        "Makes a new, unposted document of type --type in journal --journal (its code) from the\n"
        "settlements --ids that no ledger line carries yet: one line per settlement in its own\n"
        "currency, the settlement's account on its side, --dt facing a payable and --ct facing a\n"
        "receivable; the line's description is --description, else the settlement's symbol. The\n"
        "posting date is --date, the period the one of that date. The ids stay marked in the\n"
        "selection store (browser 30).\n"
        "Prints the document's number (nr_dok_org). Exit codes: 0 done; 1 refused (the system's\n"
        "text on standard error, no document written); 2 usage or an error of the database.\n");
}

} // namespace

KSIEGA_SUBCOMMAND(QStringLiteral("settlements-document"),
                  QStringLiteral("a new ledger document from chosen settlements"),
                  QString(),
                  options::sessionOfCompanyAndYear() +
                      Options{Option::value("journal", "J", "the journal's code").required(),
                              Option::value("type", "T", "the document type's symbol").required(),
                              Option::value("dt", "ACCOUNT", "the account facing payables"),
                              Option::value("ct", "ACCOUNT", "the account facing receivables"),
                              Option::value("ids", "1,2,3", "the settlements").required(),
                              Option::value("description", "TEXT", "the lines' description")},
                  settlementsDocument, {}, help);

} // namespace ksiega::host
