#pragma once
// What the demo document generators of a company share: the company and year, its journals
// and document types, its cards, the random source and the running document numbers.
#include "platform/db/demo/DemoCards.h"
#include "platform/db/demo/DemoCompanies.h"
#include "platform/db/demo/DemoModel.h"
#include "platform/db/demo/DemoRandom.h"
#include <map>

namespace ksiega::db::demo {

class GeneratorContext {
public:
    GeneratorContext(int64_t company, int year, const CompanyIds& ids, const std::vector<DemoCard>& cards, uint64_t seed);

    int64_t company() const { return m_company; }
    int year() const { return m_year; }
    DemoRandom& random() { return m_random; }
    const std::vector<DemoCard>& cards(QChar kind) const;
    // Domestic contractors (no currency) or the foreign ones invoiced in `currency`.
    std::vector<DemoCard> contractors(const QString& currency = {}) const;

    // A new document of the given type, dated `day` (a day number), numbered in its register
    // ("FS/0007/03/2026"), in the month's period, posted by the clerk.
    DemoDocument document(const QString& type, int day, const QString& description);
    // The business days (Monday to Friday) of a month, as day numbers.
    std::vector<int> businessDays(int month) const;
    // The exchange rate of a currency on a day (kRateScale units), drifting around its mean.
    int64_t rate(const QString& currency, int day);
    // A random amount in whole grosze between two amounts given in złoty.
    int64_t amount(int64_t fromZl, int64_t toZl) { return m_random.between(fromZl * 100, toZl * 100); }

private:
    int64_t m_company;
    int m_year;
    const CompanyIds& m_ids;
    std::map<QChar, std::vector<DemoCard>> m_cards;
    DemoRandom m_random;
    std::map<QString, int> m_numbers;   // type/month -> last number
    int m_systemNumber = 0;
};

// VAT at 23 %, rounded half up.
inline int64_t vat23(int64_t net) { return (net * 23 + 50) / 100; }

} // namespace ksiega::db::demo
