#include "platform/db/demo/DemoCards.h"
#include "platform/db/demo/DemoRandom.h"
#include "platform/db/demo/DemoResources.h"
#include "platform/db/demo/TaxIds.h"
#include <map>

namespace ksiega::db::demo {

std::vector<DemoCard> demoCards() {
    std::vector<DemoCard> cards;
    std::map<QChar, int64_t> lastId;
    DemoRandom random(20260101);
    for (const QStringList& f : readDemoTable(QStringLiteral("kartoteki.csv"))) {
        DemoCard c;
        c.company = f.value(0).toLongLong();
        c.kind = f.value(1).isEmpty() ? QChar('K') : f.value(1).at(0);
        c.number = f.value(2).toInt();
        c.name = f.value(3);
        c.city = f.value(4);
        c.street = f.value(5);
        c.currency = f.value(6);
        c.id = ++lastId[c.kind];
        if (c.kind != QChar('P') && c.currency.isEmpty()) {
            // Nine random digits (not starting with 0) until the check digit exists.
            while (c.nip.isEmpty())
                c.nip = nipWithCheckDigit(QString::number(random.between(100000000, 999999999)));
        }
        cards.push_back(c);
    }
    return cards;
}

std::vector<DemoCard> cardsOf(const std::vector<DemoCard>& all, int64_t company, QChar kind) {
    std::vector<DemoCard> out;
    for (const DemoCard& c : all)
        if (c.company == company && c.kind == kind) out.push_back(c);
    return out;
}

} // namespace ksiega::db::demo
