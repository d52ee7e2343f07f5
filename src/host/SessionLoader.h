#pragma once
// Fills the session context from the database for a chosen company, fiscal year, user and
// working date. Every value is read first and the session is written only when all of them
// were found, so a failed load leaves the previous session untouched.
#include "frame/SessionContext.h"
#include "platform/db/Database.h"
#include <optional>
#include <stdexcept>

namespace ksiega::host {

// What the person (or the command line) chose.
struct SessionChoice {
    int64_t company = 0;          // id_firmy
    int64_t year = 0;             // id_lata_obrot; must belong to the company
    QString login;                // UZYTKOWNICY.login
    std::optional<int> workingDate;  // day number; none = today
};

// A choice that does not match the database (unknown company, year or user).
class SessionError : public std::runtime_error {
public:
    explicit SessionError(const QString& m) : std::runtime_error(m.toStdString()), m_text(m) {}
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

// Paths the session points at; tests give their own.
struct SessionPaths {
    QString settingsFolder;       // per-user settings files live here
    QString helpFile;             // GGG_HELP_PLIK
    QString programFolder, localFolder, tempFolder;
    static SessionPaths standard();
};

// The day clamped into [first, last].
int clampIntoYear(int day, int first, int last);

// Reads the choice and fills `into`. `today` is the day number of today (working date
// default and printing date). Throws SessionError.
void loadSession(db::Database& db, const SessionChoice& choice, int today, const SessionPaths& paths,
                 SessionContext& into);
// The same with today's date and the standard paths, into the process session.
void loadSession(db::Database& db, const SessionChoice& choice);

// The settings file of a login inside `folder`; characters that a file name cannot carry
// safely are replaced, so a login never leads outside the folder.
QString settingsFileFor(const QString& folder, const QString& login);

// A choice for tools that need some session: the company with the lowest id, its newest
// fiscal year, and the first administrator (else the first user) by login.
SessionChoice firstChoice(db::Database& db);

} // namespace ksiega::host
