#include "host/BatchSession.h"
#include "frame/database/ModuleDatabase.h"
#include "host/SessionLoader.h"
#include "host/gui/HostDatabase.h"

namespace ksiega::host {

namespace {

SessionChoice choose(db::Database& db, const Arguments& args, BatchSession::Missing missing) {
    if (missing == BatchSession::Missing::Refuse) {
        // Resolved first so that a missing or unknown --company or --year is what is named.
        const int64_t company = companyArgument(db, args);
        yearArgument(db, company, args);
    }
    SessionChoice choice = choiceFromArguments(db, args);
    try {
        if (!choice.company) choice.company = firstChoice(db).company;
        // A year named without a company is a year of the first company.
        if (!choice.year && args.option(QStringLiteral("year"))) choice.year = yearArgument(db, choice.company, args);
        if (!choice.year)
            choice.year = db.scalarInt(QStringLiteral("select id_lata_obrot from LATA_OBROTOWE where id_firmy=? "
                                                      "order by poczatek_roku desc, id_lata_obrot desc limit 1"),
                                       {choice.company})
                              .value_or(0);
    } catch (const SessionError& e) {
        throw UsageError(e.text());
    }
    if (choice.login.isEmpty())
        choice.login = db.scalarText(QStringLiteral("select login from UZYTKOWNICY order by czy_administrator desc, login limit 1"))
                           .value_or(QString());
    if (choice.login.isEmpty()) throw UsageError(QStringLiteral("W bazie nie ma żadnego użytkownika."));
    return choice;
}

} // namespace

BatchSession::BatchSession(const Arguments& args, Missing missing, Access access)
    : m_db(openExistingDatabase(args, access == Access::Read ? db::OpenMode::ReadOnly : db::OpenMode::Existing)) {
    const SessionChoice choice = choose(*m_db, args, missing);
    try {
        loadSession(*m_db, choice);
    } catch (const SessionError& e) {
        throw UsageError(e.text());
    }
    ksiega::session().databaseUrl = m_db->url();
    lendDatabase(m_db.get());
}

BatchSession::~BatchSession() { lendDatabase(nullptr); }

SessionContext& BatchSession::session() { return ksiega::session(); }

} // namespace ksiega::host
