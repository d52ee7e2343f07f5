#include "host/gui/SessionChooserController.h"
#include "platform/runtime/Date.h"

namespace ksiega::host {

SessionChooserController::SessionChooserController(db::Database& db, int today) : m_db(db), m_today(today), m_date(today) {}

std::vector<ListItem> SessionChooserController::companyPage(const ListItem* after, int limit) {
    db::Params params;
    QString sql = QStringLiteral("select id_firmy, nazwa from FIRMA");
    if (after) {
        sql += QStringLiteral(" where nazwa > ? or (nazwa = ? and id_firmy > ?)");
        params = {after->key, after->key, after->id};
    }
    sql += QStringLiteral(" order by nazwa, id_firmy limit ?");
    params.push_back(limit);
    std::vector<ListItem> out;
    auto rows = m_db.select(sql, params);
    while (rows.next()) out.push_back({rows.int64(0), rows.text(1), rows.text(1)});
    return out;
}

std::vector<ListItem> SessionChooserController::yearPage(const ListItem* after, int limit) {
    db::Params params{m_company};
    QString sql = QStringLiteral("select id_lata_obrot, rok_obrotowy, poczatek_roku, koniec_roku from LATA_OBROTOWE where id_firmy=?");
    if (after) {
        sql += QStringLiteral(" and (poczatek_roku < ? or (poczatek_roku = ? and id_lata_obrot < ?))");
        params.insert(params.end(), {after->first, after->first, after->id});
    }
    sql += QStringLiteral(" order by poczatek_roku desc, id_lata_obrot desc limit ?");
    params.push_back(limit);
    std::vector<ListItem> out;
    auto rows = m_db.select(sql, params);
    while (rows.next()) {
        const int first = rows.integer(2), last = rows.integer(3);
        const QString text = QStringLiteral("%1  (%2 – %3)").arg(rows.text(1), date::toDisplay(first), date::toDisplay(last));
        out.push_back({rows.int64(0), text, rows.text(1), first, last});
    }
    return out;
}

std::vector<ListItem> SessionChooserController::userPage(const ListItem* after, int limit) {
    db::Params params;
    QString sql = QStringLiteral("select id_uzytkownika, login, imie_nazwisko from UZYTKOWNICY");
    if (after) {
        sql += QStringLiteral(" where login > ?");
        params.push_back(after->key);
    }
    sql += QStringLiteral(" order by login limit ?");
    params.push_back(limit);
    std::vector<ListItem> out;
    auto rows = m_db.select(sql, params);
    while (rows.next()) {
        const QString login = rows.text(1), name = rows.text(2).trimmed();
        out.push_back({rows.int64(0), name.isEmpty() ? login : login + QStringLiteral(" — ") + name, login});
    }
    return out;
}

void SessionChooserController::chooseCompany(int64_t company) {
    m_company = company;
    const auto newest = yearPage(nullptr, 1);
    if (newest.empty()) setYear(0, 0, 0);
    else setYear(newest.front().id, newest.front().first, newest.front().last);
}

bool SessionChooserController::chooseYear(int64_t year) {
    auto rows = m_db.select(QStringLiteral("select poczatek_roku, koniec_roku from LATA_OBROTOWE where id_lata_obrot=? and id_firmy=?"),
                            {year, m_company});
    if (!rows.next()) return false;
    setYear(year, rows.integer(0), rows.integer(1));
    return true;
}

bool SessionChooserController::chooseUser(const QString& login) {
    if (!m_db.scalarInt(QStringLiteral("select id_uzytkownika from UZYTKOWNICY where login=?"), {login.trimmed()})) return false;
    m_login = login.trimmed();
    return true;
}

void SessionChooserController::setYear(int64_t id, int first, int last) {
    m_year = id;
    m_first = first;
    m_last = last;
    m_date = id ? clampIntoYear(m_today, first, last) : m_today;
}

void SessionChooserController::setWorkingDate(int day) { m_date = m_year ? clampIntoYear(day, m_first, m_last) : day; }

void SessionChooserController::preselect(const SessionChoice& earlier) {
    if (earlier.company && m_db.scalarInt(QStringLiteral("select id_firmy from FIRMA where id_firmy=?"), {earlier.company}))
        chooseCompany(earlier.company);
    if (earlier.year) chooseYear(earlier.year);
    if (!earlier.login.isEmpty()) chooseUser(earlier.login);
    if (earlier.workingDate) setWorkingDate(*earlier.workingDate);
}

SessionChoice SessionChooserController::choice() const { return {m_company, m_year, m_login, m_date}; }

} // namespace ksiega::host
