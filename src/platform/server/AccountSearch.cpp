#include "platform/server/Accounts.h"
#include "platform/server/Procedures.h"
#include "platform/server/ServerArgs.h"
#include "platform/server/settlements/AccountChoice.h"

namespace ksiega::server {

std::optional<FoundAccount> SZUKAJ_KONTA(db::Database& db, int64_t idFirmy, int64_t idLataObrot, const QString& tekst,
                                         int tryb) {
    const QString text = tekst.trimmed();
    if (text.isEmpty()) return std::nullopt;
    const QString columns = QStringLiteral("select nr_konta, nazwa_konta, czy_analityka from WARTOSCI_KONT "
                                           "where id_firmy=? and id_lata_obrot=? ");
    auto first = [](db::Rows& r) {
        return FoundAccount{r.text(0), r.text(1), r.int64(2) != 0};
    };
    {
        db::Rows r = db.select(columns + QStringLiteral("and nr_konta=?"), {idFirmy, idLataObrot, text});
        if (r.next()) return first(r);
    }
    if (tryb == 1) return std::nullopt;
    // A beginning of an account number: compared by substr, so that '%' and '_' typed by
    // the user are plain characters.
    db::Rows r = db.select(columns + QStringLiteral("and substr(nr_konta, 1, ?)=? order by nr_konta limit 2"),
                           {idFirmy, idLataObrot, int(text.size()), text});
    if (!r.next()) return std::nullopt;
    FoundAccount found = first(r);
    if (r.next()) return std::nullopt;
    return found;
}

KSIEGA_SERVER_PROCEDURE(QStringLiteral("SZUKAJ_KONTA"), [](db::Database& db, const db::Params& args) {
    if (intArg(args, 3) == 10) {
        // Mode 10 answers what the text is (0: an account taking postings, held as typed).
        const AccountTextKind kind = accountTextKind(db, intArg(args, 0), intArg(args, 1), textArg(args, 2));
        const QString account = kind == AccountTextKind::PostingAccount || kind == AccountTextKind::HigherAccount
                                    ? textArg(args, 2).trimmed()
                                    : QString();
        return ResultSet{{QStringLiteral("wynik"), QStringLiteral("nr_konta")}, {{int(kind), account}}};
    }
    ResultSet result{{QStringLiteral("znaleziono"), QStringLiteral("nr_konta"), QStringLiteral("nazwa_konta"),
                      QStringLiteral("czy_analityka")},
                     {}};
    if (auto a = SZUKAJ_KONTA(db, intArg(args, 0), intArg(args, 1), textArg(args, 2), int(intArg(args, 3))))
        result.rows.push_back({1, a->nrKonta, a->nazwaKonta, a->czyAnalityka ? 1 : 0});
    return result;
});

} // namespace ksiega::server
