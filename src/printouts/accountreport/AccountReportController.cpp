#include "printouts/accountreport/AccountReportController.h"
#include "frame/SessionContext.h"
#include "ledger/accounts/EntriesFilter.h"
#include "platform/db/passthrough/PassThrough.h"
#include "platform/runtime/Date.h"
#include <algorithm>

namespace ksiega::printouts {

AccountReportHooks& accountReportHooks() {
    static AccountReportHooks hooks;
    return hooks;
}

AccountReportController::AccountReportController(db::Database& db)
    : m_db(db), m_firm(session().DANE_ID_FIRMY), m_year(session().DANE_LATA_OBROTOWE) {}

void AccountReportController::addRange(const AccountRange& range) {
    m_ranges.push_back(range);
    m_current = int(m_ranges.size()) - 1;
}

void AccountReportController::replaceRange(int index, const AccountRange& range) {
    if (index < 0 || index >= int(m_ranges.size())) return;
    m_ranges[size_t(index)] = range;
    m_current = index;
}

void AccountReportController::removeRange(int index) {
    if (index < 0 || index >= int(m_ranges.size())) return;
    m_ranges.erase(m_ranges.begin() + index);
    if (m_ranges.empty())
        m_current = -1;
    else if (m_current >= int(m_ranges.size()) || m_current > index)
        m_current = std::max(0, m_current - 1);
}

void AccountReportController::setCurrent(int index) {
    if (index >= 0 && index < int(m_ranges.size())) m_current = index;
}

const AccountRange* AccountReportController::current() const {
    return m_current >= 0 && m_current < int(m_ranges.size()) ? &m_ranges[size_t(m_current)] : nullptr;
}

void AccountReportController::setCurrency(const QString& currency) {
    const QString c = currency.trimmed().left(3);
    m_currency = c.isEmpty() ? QStringLiteral("PLN") : c;
}

bool AccountReportController::homeCurrency() const { return ledger::isHomeCurrency(m_currency); }

QString AccountReportController::entryFilter() const {
    const AccountRange* r = current();
    return r ? rangeEntryFilter(*r, m_dateKind, m_currency, m_year) : QString();
}

QString AccountReportController::accountName() {
    const AccountRange* r = current();
    if (!r) return {};
    db::PassThrough pt(m_db);
    db::PassResult res = pt.EXECVAX(QStringLiteral("CALL USTAL_NAZWE_KONTA(?,?,?)"), {m_firm, m_year, r->account});
    return res.next() ? res.text(1).trimmed().left(150) : QString();
}

Money AccountReportController::amountAt(int date, int kind) {
    const AccountRange* r = current();
    if (!r) return {};
    const QString kindText = QString::number(kind) + (m_dateKind == DateKind::Posting ? QStringLiteral("1") : QStringLiteral(" "));
    db::PassThrough pt(m_db);
    db::PassResult res = pt.EXECVAX(QStringLiteral("CALL OBLICZ_KWOTY_DLA_RK(?,?,?,?,?,?)"),
                                    {m_firm, m_year, date, r->account, kindText, m_currency.toUpper()});
    if (res.failed()) throw db::DbError(res.error());
    return res.next() ? res.amount(1) : Money();
}

CashSummary AccountReportController::summary() {
    const AccountRange* r = current();
    if (!r) return makeCashSummary({}, {});
    // The amounts are "up to and including" a day: what the range carries in is what
    // stands on the day before it, so that the entries of its first day count in "Razem".
    const int before = r->from - 1;
    const int last = r->singleDay ? r->from : r->to;
    const int kinds = homeCurrency() ? 2 : 4;
    CashAmounts a{}, b{};
    for (int kind = 1; kind <= kinds; ++kind) {
        a[size_t(kind - 1)] = amountAt(before, kind);
        b[size_t(kind - 1)] = amountAt(last, kind);
    }
    return makeCashSummary(a, b);
}

QStringList AccountReportController::descriptionLines() {
    const AccountRange* r = current();
    if (!r) return {};
    const QString suffix = m_dateKind == DateKind::Posting ? QStringLiteral(" wg daty księgowania")
                                                           : QStringLiteral(" wg daty dokumentu");
    QStringList lines;
    lines << QStringLiteral("Konto: ") + r->account + QStringLiteral(" ") + accountName();
    if (r->singleDay)
        lines << QStringLiteral("Na dzień: ") + date::toDisplay(r->from) + suffix;
    else
        lines << QStringLiteral("Zakres: od ") + date::toDisplay(r->from) + QStringLiteral(" do ") + date::toDisplay(r->to) + suffix;
    lines << QStringLiteral("Waluta: ") + (homeCurrency() ? QStringLiteral("PLN") : m_currency.toUpper());
    return lines;
}

QString AccountReportController::reportTitle(int code) {
    switch (code) {
    case kAccountReport: return QStringLiteral("Raport z konta");
    case kCashReport: return QStringLiteral("Raport kasowy - RK Nr");
    case kBankReport: return QStringLiteral("Raport bankowy");
    default: return {};
    }
}

std::optional<PrintRequest> AccountReportController::print(int64_t currentEntry, int sortChoice, bool descending) {
    if (!current()) return std::nullopt;
    SessionContext& s = session();
    s.CRST_FILTR_INFO = QStringLiteral("KSIEGA_R");
    s.CRST_FILTR_TABELA = QStringLiteral("KSIEGA_R");
    s.CRST_FILTR_ZAPYTANIE = entryFilter();
    s.GGG_DANE_ID_OBIEKTU = currentEntry;
    AccountReportHooks& hooks = accountReportHooks();
    const int code = hooks.chooseStatement(QStringLiteral("KSIEGA_R"));
    const QString title = reportTitle(code);
    if (title.isEmpty()) return std::nullopt;
    s.DANE_NAGLOWEK_WYDRUKU = title;
    if (hooks.choosePrintRange() != 1) return std::nullopt;

    // The figures of the head of the printout, as they stand now.
    const CashSummary figures = summary();
    s.DANE_OPIS_PRN = descriptionLines();

    PrintRequest request;
    request.code = code;
    const char* lead = code == kAccountReport ? "81,0," : code == kCashReport ? "66,0," : "67,0,";
    request.parameters = QString::fromLatin1(lead) + QString::number(sortChoice) + QStringLiteral(",") +
                         QString::number(descending ? 1 : 0) + (homeCurrency() ? QStringLiteral(",0") : QStringLiteral(",1"));
    request.filter = entryFilter();
    request.heading = title;
    const bool pln = homeCurrency();
    request.carriedInDt = pln ? figures.carriedIn.obrotyDt : figures.carriedIn.obrotyDtW;
    request.carriedInCt = pln ? figures.carriedIn.obrotyCt : figures.carriedIn.obrotyCtW;
    hooks.startPrint(request);
    return request;
}

} // namespace ksiega::printouts
