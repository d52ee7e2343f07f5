#pragma once
// The record filter of a budget window, in the framework's syntax over BT_VIEW (BTV:):
// the company, then the person's parts in their order (the stored or quick filter, the
// dictionary condition, the classification condition), then the side and the marked-only
// condition. The length rule drops only the person's parts: the company and the side
// always stand, so no filter ever lists another company's or the other side's lines.
#include <QString>
#include <QStringList>
#include <cstdint>

namespace ksiega::budget {

// A dictionary part of 600 characters or more, or a whole filter of 1200 or more, is dropped.
inline constexpr int kMaxDictionaryPart = 600;
inline constexpr int kMaxWholeFilter = 1200;

struct BudgetFilterParts {
    int64_t company = 0;
    QString side;             // "W" / "D"
    QString quickOrSaved;     // the stored or quick filter in force
    QString dictionary;       // the dictionary condition
    QString classification;   // the classification condition
    QString markedOnly;       // the marked-only condition ("" when off)
};

struct ComposedFilter {
    QString filter;
    bool dictionaryDropped = false;   // the dictionary part alone was too long
    bool userDropped = false;         // the whole expression was too long: the person's parts went
    bool anythingDropped() const { return dictionaryDropped || userDropped; }
};

ComposedFilter composeBudgetFilter(const BudgetFilterParts& parts);

// The classification condition of one symbol: BTV:BT_KLASYFIKACJA='symbol' ("" for none).
QString symbolCondition(const QString& symbol);

// A mask of the classification chooser, split at the separator into dział, rozdział,
// paragraf and analytic part. An empty part means any value of that part (as many "?"
// as the part has characters; an empty analytic part any analytic or none), never a
// literal "?". Parts after the last given one are left out. "" when every part is empty.
QString classificationMask(const QString& chosen, const QString& separator);
// The condition of a mask: with "*" or "?" a LIKE of the one quoting helper, else the
// symbol itself; "" for an empty mask.
QString maskCondition(const QString& mask);

// The dictionary condition of the rows chosen for the list (FILTR_SLOWNIK_NAG): operator
// "=" keeps the lines carrying the dictionary value, any other leaves them out.
struct DictionaryChoice {
    int64_t idKartotekiPoz = 0;
    QString op;
};
QString dictionaryCondition(const std::vector<DictionaryChoice>& choices);

// The marked-only condition: the ids stored for the user and browser, only the rows that
// are marks (empty opis_elementu; browser 36 also keeps chosen symbols by text).
QString markedOnlyCondition(int64_t user, int browser);

} // namespace ksiega::budget
