#include "platform/db/demo/GeneratorContext.h"
#include "platform/runtime/Date.h"

namespace ksiega::db::demo {

GeneratorContext::GeneratorContext(int64_t company, int year, const CompanyIds& ids, const std::vector<DemoCard>& cards,
                                   uint64_t seed)
    : m_company(company), m_year(year), m_ids(ids), m_random(seed) {
    for (const DemoCard& c : cards)
        if (c.company == company) m_cards[c.kind].push_back(c);
}

const std::vector<DemoCard>& GeneratorContext::cards(QChar kind) const {
    static const std::vector<DemoCard> none;
    auto it = m_cards.find(kind);
    return it == m_cards.end() ? none : it->second;
}

std::vector<DemoCard> GeneratorContext::contractors(const QString& currency) const {
    std::vector<DemoCard> out;
    for (const DemoCard& c : cards(QChar('K')))
        if (c.currency == currency) out.push_back(c);
    return out;
}

DemoDocument GeneratorContext::document(const QString& type, int day, const QString& description) {
    const JournalIds& j = m_ids.journals.at(m_year).at(type);
    const int month = date::month(day);
    const int number = ++m_numbers[QStringLiteral("%1/%2").arg(type).arg(month)];
    DemoDocument d;
    d.company = m_company;
    d.year = m_ids.years.at(m_year);
    d.journal = j.journal;
    d.documentType = j.documentType;
    d.registerNumber = QStringLiteral("%1/%2/%3/%4").arg(type).arg(number, 4, 10, QChar('0')).arg(month, 2, 10, QChar('0')).arg(m_year);
    d.originalNumber = d.registerNumber;
    d.systemNumber = QStringLiteral("%1/%2").arg(m_year).arg(++m_systemNumber, 6, 10, QChar('0'));
    d.postingDate = day;
    d.documentDate = day;
    d.operationDate = day;
    d.receiptDate = day;
    d.approvalDate = day;
    d.periodDate = date::monthPeriod(m_year, month);
    d.description = description;
    d.user = QString::fromLatin1(kClerkLogin);
    return d;
}

std::vector<int> GeneratorContext::businessDays(int month) const {
    std::vector<int> days;
    const QDate first(m_year, month, 1);
    for (int d = 1; d <= first.daysInMonth(); ++d) {
        const QDate q(m_year, month, d);
        if (q.dayOfWeek() <= 5) days.push_back(date::fromQDate(q));
    }
    return days;
}

int64_t GeneratorContext::rate(const QString& currency, int day) {
    (void)day;
    const int64_t mean = currency == QLatin1String("USD") ? 39650 : 42810;
    return mean + m_random.between(-600, 600);
}

} // namespace ksiega::db::demo
