#include "platform/siblings/pickers/ChartOfAccountsPicker.h"
#include "platform/siblings/pickers/DatePickers.h"
#include "costcentres/MpkQuickFilterController.h"
#include "costcentres/MpkTexts.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/MonthNames.h"
#include "platform/server/Accounts.h"
#include "platform/ui/dialogs/Dialogs.h"
#include <algorithm>

namespace ksiega::costcentres {

namespace {

MarkRow allRow() { return {0, texts::ALL_ROWS, QString(), true}; }

QString listKey(MarkList list) {
    switch (list) {
    case MarkList::Journals: return QStringLiteral("dzienniki");
    case MarkList::Periods: return QStringLiteral("okresy");
    case MarkList::Types: return QStringLiteral("typy");
    }
    return {};
}

} // namespace

MpkQuickFilterController::MpkQuickFilterController(db::Database& db, const SessionContext& session, Settings& settings)
    : m_db(db), m_session(session), m_settings(settings) {
    m_choice.firm = session.DANE_ID_FIRMY;
    loadYears();
    m_choice.year = session.DANE_LATA_OBROTOWE;
    restore();
}

void MpkQuickFilterController::loadYears() {
    m_years.clear();
    db::Rows r = m_db.select(QStringLiteral("select id_lata_obrot, rok_obrotowy from LATA_OBROTOWE where id_firmy=? "
                                            "order by id_firmy, poczatek_roku desc"),
                             {m_session.DANE_ID_FIRMY});
    while (r.next()) m_years.push_back({r.int64(0), r.text(1)});
}

void MpkQuickFilterController::chooseYear(int64_t year) {
    m_choice.year = year;
    loadLists();
}

void MpkQuickFilterController::loadLists() {
    m_choice.journals = {allRow()};
    m_choice.periods = {allRow()};
    m_choice.types = {allRow()};
    // One row per month of the year, each with its period date (the month's 2nd day).
    db::Rows y = m_db.select(QStringLiteral("select poczatek_roku, koniec_roku from LATA_OBROTOWE "
                                            "where id_lata_obrot=? AND id_firmy=?"),
                             {m_choice.year, m_session.DANE_ID_FIRMY});
    if (y.next()) {
        const int first = y.integer(0), last = y.integer(1);
        int yy = date::year(first), mm = date::month(first);
        const bool twoYears = date::year(first) != date::year(last);
        while (yy * 12 + mm <= date::year(last) * 12 + date::month(last) && m_choice.periods.size() < 25) {
            QString name = NAZWA_MIESIACA(mm, 0);
            if (twoYears) name = QString::number(yy) + QStringLiteral("  ") + name;
            m_choice.periods.push_back({date::fromYmd(yy, mm, 2), name.left(19), QString(), false});
            if (++mm > 12) mm = 1, ++yy;
        }
    }
    db::Rows j = m_db.select(QStringLiteral("select id_paczka, kod_paczki, opis_paczki from PACZKA where id_firmy=? AND "
                                            "id_lata_obrot=? order by id_firmy, id_lata_obrot, kod_paczki"),
                             {m_session.DANE_ID_FIRMY, m_choice.year});
    while (j.next()) m_choice.journals.push_back({j.int64(0), j.text(1) + QLatin1Char(' ') + j.text(2), j.text(1), false});
    db::Rows t = m_db.select(QStringLiteral("select id_typ_dok, sym_typ_dok_uz, naz_typ_dok_uz from TYP_DOK where "
                                            "id_firmy=? order by id_firmy, sym_typ_dok_uz"),
                             {m_session.DANE_ID_FIRMY});
    while (t.next()) m_choice.types.push_back({t.int64(0), t.text(1) + QLatin1Char(' ') + t.text(2), t.text(1), false});
}

std::vector<MarkRow>& MpkQuickFilterController::rowsOf(MarkList list) {
    switch (list) {
    case MarkList::Journals: return m_choice.journals;
    case MarkList::Periods: return m_choice.periods;
    case MarkList::Types: break;
    }
    return m_choice.types;
}

const std::vector<MarkRow>& MpkQuickFilterController::rows(MarkList list) const {
    return const_cast<MpkQuickFilterController*>(this)->rowsOf(list);
}

void MpkQuickFilterController::toggle(MarkList list, int row) {
    std::vector<MarkRow>& rows = rowsOf(list);
    if (row >= 0 && row < int(rows.size())) rows[size_t(row)].marked = !rows[size_t(row)].marked;
}

void MpkQuickFilterController::setAll(MarkList list, bool marked) {
    for (MarkRow& r : rowsOf(list)) r.marked = marked;
}

bool MpkQuickFilterController::resolveAccount() {
    const std::optional<server::FoundAccount> found =
        server::SZUKAJ_KONTA(m_db, m_session.DANE_ID_FIRMY, m_choice.year, m_choice.single, 1);
    if (!found) return false;
    m_choice.single = found->nrKonta;
    return true;
}

void MpkQuickFilterController::pickAccount() {
    const QString account = pickers::chartOfAccountsPicker().chooseAccounts(
        {m_db, m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE, m_session.DANE_ID_UZYTKOWNIKA_NR, m_session.DANE_DATA_BIEZACA});
    if (account.isEmpty()) return;
    m_choice.account = AccountChoice::Single;
    m_choice.single = account.left(70);
}

void MpkQuickFilterController::pickDateRange(bool documentDates) {
    int& from = documentDates ? m_choice.documentFrom : m_choice.postingFrom;
    int& to = documentDates ? m_choice.documentTo : m_choice.postingTo;
    int first = from, second = to;
    if (!pickers::datePickers().GET_ZAKRES_DAT(first, second)) return;
    from = first;
    to = second;
    (documentDates ? m_choice.documentDates : m_choice.postingDates) = true;
}

void MpkQuickFilterController::pickDate(bool documentDates, int which) {
    int& day = documentDates ? (which == 1 ? m_choice.documentFrom : m_choice.documentTo)
                             : (which == 1 ? m_choice.postingFrom : m_choice.postingTo);
    day = pickers::datePickers().KALENDARZ(day);
}

void MpkQuickFilterController::clearSettings() {
    const int64_t year = m_choice.year;
    m_choice = MpkQuickFilterChoice{};
    m_choice.firm = m_session.DANE_ID_FIRMY;
    m_choice.year = year;
    loadLists();
    m_settings.removeSection(SECTION);
}

bool MpkQuickFilterController::apply() {
    m_applied = false;
    const QString refusal = validate(m_choice);
    if (!refusal.isEmpty()) {
        ui::dialogs().information(refusal);
        return false;
    }
    const QString e = expression(m_choice);
    if (e.size() >= kMaxExpression) {
        ui::dialogs().information(texts::QUICK_TOO_LONG);
        return false;
    }
    m_result = e;
    m_applied = true;
    store();
    return true;
}

// ---- settings ----

void MpkQuickFilterController::restore() {
    const QString& s = SECTION;
    const int64_t year = m_settings.getInt(s, QStringLiteral("rok"), m_choice.year);
    // A year of another company, or one gone, is not taken.
    for (const FiscalYear& y : m_years)
        if (y.id == year) m_choice.year = year;
    loadLists();
    if (m_settings.getInt(s, QStringLiteral("rok"), -1) != m_choice.year) return;
    for (MarkList list : {MarkList::Journals, MarkList::Periods, MarkList::Types}) {
        const QString stored = m_settings.getText(s, listKey(list), QStringLiteral("0"));
        const QStringList ids = stored.split(QLatin1Char(','), Qt::SkipEmptyParts);
        for (MarkRow& r : rowsOf(list)) r.marked = ids.contains(QString::number(r.id));
    }
    m_choice.sideDt = m_settings.getBool(s, QStringLiteral("strona_wn"), true);
    m_choice.sideCt = m_settings.getBool(s, QStringLiteral("strona_ma"), true);
    m_choice.account = AccountChoice(std::clamp<int64_t>(m_settings.getInt(s, QStringLiteral("konto"), 0), 0, 3));
    m_choice.rangeFrom = m_settings.getText(s, QStringLiteral("zakres_1"));
    m_choice.rangeTo = m_settings.getText(s, QStringLiteral("zakres_2"));
    m_choice.mask = m_settings.getText(s, QStringLiteral("maska"));
    m_choice.single = m_settings.getText(s, QStringLiteral("wybrane_konto"));
    m_choice.documentDates = m_settings.getBool(s, QStringLiteral("data_dok"));
    m_choice.documentFrom = int(m_settings.getInt(s, QStringLiteral("data_dok_1")));
    m_choice.documentTo = int(m_settings.getInt(s, QStringLiteral("data_dok_2")));
    m_choice.postingDates = m_settings.getBool(s, QStringLiteral("data_ksieg"));
    m_choice.postingFrom = int(m_settings.getInt(s, QStringLiteral("data_ksieg_1")));
    m_choice.postingTo = int(m_settings.getInt(s, QStringLiteral("data_ksieg_2")));
}

void MpkQuickFilterController::store() {
    const QString& s = SECTION;
    m_settings.setInt(s, QStringLiteral("rok"), m_choice.year);
    for (MarkList list : {MarkList::Journals, MarkList::Periods, MarkList::Types}) {
        QStringList ids;
        for (const MarkRow& r : rowsOf(list))
            if (r.marked) ids << QString::number(r.id);
        m_settings.setText(s, listKey(list), ids.join(QLatin1Char(',')));
    }
    m_settings.setBool(s, QStringLiteral("strona_wn"), m_choice.sideDt);
    m_settings.setBool(s, QStringLiteral("strona_ma"), m_choice.sideCt);
    m_settings.setInt(s, QStringLiteral("konto"), int(m_choice.account));
    m_settings.setText(s, QStringLiteral("zakres_1"), m_choice.rangeFrom);
    m_settings.setText(s, QStringLiteral("zakres_2"), m_choice.rangeTo);
    m_settings.setText(s, QStringLiteral("maska"), m_choice.mask);
    m_settings.setText(s, QStringLiteral("wybrane_konto"), m_choice.single);
    m_settings.setBool(s, QStringLiteral("data_dok"), m_choice.documentDates);
    m_settings.setInt(s, QStringLiteral("data_dok_1"), m_choice.documentFrom);
    m_settings.setInt(s, QStringLiteral("data_dok_2"), m_choice.documentTo);
    m_settings.setBool(s, QStringLiteral("data_ksieg"), m_choice.postingDates);
    m_settings.setInt(s, QStringLiteral("data_ksieg_1"), m_choice.postingFrom);
    m_settings.setInt(s, QStringLiteral("data_ksieg_2"), m_choice.postingTo);
}

} // namespace ksiega::costcentres
