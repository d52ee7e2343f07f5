#pragma once
// The rules of the cost-centre quick filter "Filtr" (MPK_SZYBKI_FILTR): the fiscal years
// of the company, the periods of the chosen year, its journals and the document types
// with their marks, the side, account and date choices, "Czyść ustawienia", and
// "Wykonaj", which checks the choices in a fixed order and returns the expression.
// The choices are kept under "MPK_szybki_filtr" of the given settings.
#include "costcentres/MpkQuickFilterExpression.h"
#include "frame/SessionContext.h"
#include "platform/db/Database.h"
#include "platform/ui/settings/Settings.h"
#include <optional>

namespace ksiega::costcentres {

enum class MarkList { Journals, Periods, Types };

struct FiscalYear {
    int64_t id = 0;
    QString name;
};

class MpkQuickFilterController {
public:
    static inline const QString SECTION = QStringLiteral("MPK_szybki_filtr");
    // What the view filter takes at most; a longer expression is refused with a message.
    static constexpr int kMaxExpression = 400;

    MpkQuickFilterController(db::Database& db, const SessionContext& session, Settings& settings);

    const std::vector<FiscalYear>& years() const { return m_years; }   // FO:NAZWA_ROKU
    int64_t year() const { return m_choice.year; }
    // Another year: its periods and journals, every list marked "<wszystkie>".
    void chooseYear(int64_t year);

    const std::vector<MarkRow>& rows(MarkList list) const;
    void toggle(MarkList list, int row);
    void setAll(MarkList list, bool marked);   // "Zaznacz wszystkie" / "Odznacz wszystkie"

    MpkQuickFilterChoice& edit() { return m_choice; }   // plain fields the window binds
    const MpkQuickFilterChoice& choice() const { return m_choice; }
    // A typed single account resolved against the chart (SZUKAJ_KONTA); false when not found.
    bool resolveAccount();
    // B_PLAN: the account chosen in the chart of accounts becomes the single account.
    void pickAccount();
    // "Wybór zakresu dat" and the calendar buttons of the document and posting dates.
    void pickDateRange(bool documentDates);
    void pickDate(bool documentDates, int which);

    void clearSettings();   // "Czyść ustawienia"
    // "Wykonaj": false (message shown) when a check fails or the expression is too long;
    // true with the result set and the choices stored.
    bool apply();
    const QString& result() const { return m_result; }
    bool applied() const { return m_applied; }

private:
    void loadYears();
    void loadLists();
    void restore();
    void store();
    std::vector<MarkRow>& rowsOf(MarkList list);

    db::Database& m_db;
    const SessionContext& m_session;
    Settings& m_settings;
    std::vector<FiscalYear> m_years;
    MpkQuickFilterChoice m_choice;
    QString m_result;
    bool m_applied = false;
};

} // namespace ksiega::costcentres
