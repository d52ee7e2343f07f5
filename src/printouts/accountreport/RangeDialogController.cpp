#include "printouts/accountreport/RangeDialogController.h"
#include "frame/SessionContext.h"
#include "platform/db/passthrough/PassThrough.h"
#include "platform/runtime/Date.h"
#include <algorithm>
#include "platform/siblings/pickers/ChartOfAccountsPicker.h"
#include "platform/siblings/pickers/DatePickers.h"
#include "platform/ui/dialogs/Dialogs.h"
#include <QDate>

namespace ksiega::printouts {

RangeDialogController::RangeDialogController(db::Database& db, const AccountRange* existing, DateKind kind)
    : m_db(db), m_new(existing == nullptr), m_kind(kind) {
    if (existing) {
        m_from = existing->from;
        m_to = existing->singleDay ? existing->from : existing->to;
        setAccountText(existing->account);
    } else {
        const int today = session().DANE_DATA_BIEZACA;
        m_from = today ? date::fromYmd(date::year(today), date::month(today), 1) : 0;
        m_to = today;
    }
}

QString RangeDialogController::title() const {
    return m_new ? QStringLiteral("Nowy zakres dla konta") : QStringLiteral("Raport z konta");
}

void RangeDialogController::setAccountText(const QString& text) {
    m_account = text.trimmed().left(70);
    m_name.clear();
    if (m_account.isEmpty()) return;
    db::PassThrough pt(m_db);
    const SessionContext& s = session();
    db::PassResult r = pt.EXECVAX(QStringLiteral("CALL USTAL_NAZWE_KONTA(?,?,?)"),
                                  {s.DANE_ID_FIRMY, s.DANE_LATA_OBROTOWE, m_account});
    if (r.next()) m_name = r.text(1).trimmed();
}

bool RangeDialogController::resolveAccount() {
    if (m_account.isEmpty()) {
        pickAccount();
        return !m_account.isEmpty();
    }
    const SessionContext& s = session();
    db::PassThrough pt(m_db);
    db::PassResult r = pt.EXECVAX(QStringLiteral("CALL SZUKAJ_KONTA(?,?,?,1)"), {s.DANE_ID_FIRMY, s.DANE_LATA_OBROTOWE, m_account});
    if (r.next() && r.integer(1) == 1) {
        setAccountText(r.text(2));
        return true;
    }
    const QString before = m_account;
    pickAccount();
    return m_account != before;
}

void RangeDialogController::pickAccount() {
    SessionContext& s = session();
    pickers::PickerContext context{m_db, s.DANE_ID_FIRMY, s.DANE_LATA_OBROTOWE, s.DANE_ID_UZYTKOWNIKA_NR, s.DANE_DATA_BIEZACA};
    const QString chosen = pickers::chartOfAccountsPicker().chooseAccounts(context);
    s.DANE_STATUS_WYBORU = chosen.isEmpty() ? 0 : 1;
    if (chosen.isEmpty()) return;
    s.DANE_NUMER_KONTA = chosen;
    setAccountText(chosen);
}

void RangeDialogController::pickFrom() { m_from = pickers::datePickers().KALENDARZ(m_from); }
void RangeDialogController::pickTo() { m_to = pickers::datePickers().KALENDARZ(m_to); }

void RangeDialogController::pickRange() {
    int from = m_from, to = m_to;
    if (!pickers::datePickers().GET_ZAKRES_DAT(from, to)) return;
    pickers::normaliseDateRange(from, to);
    m_from = from;
    m_to = to;
}

void RangeDialogController::periodStart() {
    const int d = session().DANE_DATA_OKRESU;
    if (d) m_from = date::fromYmd(date::year(d), date::month(d), 1);
}

void RangeDialogController::periodEnd() {
    const int d = session().DANE_DATA_OKRESU;
    if (!d) return;
    const QDate q = date::toQDate(d);
    m_to = date::fromYmd(q.year(), q.month(), q.daysInMonth());
}

void RangeDialogController::yearStart() { m_from = session().DANE_POCZATEK_ROKU; }
void RangeDialogController::yearEnd() { m_to = session().DANE_KONIEC_ROKU; }

bool RangeDialogController::confirm() {
    const SessionContext& s = session();
    auto inYear = [&](int day) { return day != 0 && day >= s.DANE_POCZATEK_ROKU && day <= s.DANE_KONIEC_ROKU; };
    if (!inYear(m_from) || !inYear(m_to)) {
        ui::dialogs().information(kOutOfYearText);
        return false;
    }
    if (!resolveAccount()) return false;
    return true;
}

AccountRange RangeDialogController::result() const {
    AccountRange r;
    r.account = m_account;
    r.from = std::min(m_from, m_to);
    r.to = std::max(m_from, m_to);
    r.singleDay = r.from == r.to;
    return r;
}

} // namespace ksiega::printouts
