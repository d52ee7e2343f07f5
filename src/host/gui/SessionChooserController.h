#pragma once
// The rules of the session chooser: which companies, fiscal years and users it offers,
// the newest year of a company preselected, the working date kept inside the year.
#include "host/SessionLoader.h"
#include "host/gui/ListItem.h"
#include "platform/db/Database.h"

namespace ksiega::host {

class SessionChooserController {
public:
    SessionChooserController(db::Database& db, int today);

    // Lists, page by page: companies by name, years of the chosen company newest first,
    // users by login.
    std::vector<ListItem> companyPage(const ListItem* after, int limit);
    std::vector<ListItem> yearPage(const ListItem* after, int limit);
    std::vector<ListItem> userPage(const ListItem* after, int limit);

    // Choosing a company preselects its newest fiscal year (none when it has no year).
    void chooseCompany(int64_t company);
    // A year of another company is refused (returns false, nothing changes).
    bool chooseYear(int64_t year);
    bool chooseUser(const QString& login);
    // Kept inside the chosen year.
    void setWorkingDate(int day);
    // Takes what is known of an earlier choice (command line, previous session).
    void preselect(const SessionChoice& earlier);

    int64_t company() const { return m_company; }
    int64_t year() const { return m_year; }
    int yearFirst() const { return m_first; }
    int yearLast() const { return m_last; }
    const QString& user() const { return m_login; }
    int workingDate() const { return m_date; }
    bool complete() const { return m_company && m_year && !m_login.isEmpty(); }
    SessionChoice choice() const;

private:
    void setYear(int64_t id, int first, int last);

    db::Database& m_db;
    int m_today;
    int64_t m_company = 0;
    int64_t m_year = 0;
    int m_first = 0, m_last = 0;
    QString m_login;
    int m_date = 0;
};

} // namespace ksiega::host
