#include "platform/db/demo/TradeDocuments.h"
#include "platform/runtime/Date.h"
#include <algorithm>
#include <deque>

namespace ksiega::db::demo {
namespace {

struct OpenItem {
    DemoCard card;
    int64_t amount = 0;       // PLN
    int64_t amountW = 0;      // currency
    int64_t rate = 0;
    QString number;
    int day = 0;
};

class TradeYear {
public:
    TradeYear(GeneratorContext& ctx, int scale) : c(ctx), scale(scale) {}

    std::vector<DemoDocument> month(int m) {
        std::vector<DemoDocument> docs;
        const std::vector<int> days = c.businessDays(m);
        int64_t vatOut = 0, vatIn = 0;
        auto count = [&](int full) { return std::max(1, full * scale / 100); };
        auto day = [&] { return c.random().pick(days); };

        for (int i = 0; i < count(66); ++i) docs.push_back(sale(day(), vatOut));
        for (int i = 0; i < count(4); ++i) docs.push_back(exportSale(day()));
        for (int i = 0; i < count(30); ++i) docs.push_back(goodsPurchase(day(), vatIn));
        for (int i = 0; i < count(16); ++i) docs.push_back(costPurchase(day(), vatIn));
        for (int i = 0; i < count(3); ++i) docs.push_back(importPurchase(day()));
        std::sort(docs.begin(), docs.end(), [](const DemoDocument& a, const DemoDocument& b) { return a.postingDate < b.postingDate; });

        // Statements, cash and month-end documents after the invoices they settle.
        std::vector<DemoDocument> later;
        const int statements = count(20);
        for (int i = 0; i < statements; ++i) later.push_back(bankStatement(days[size_t(i) * days.size() / size_t(statements)], i == 0));
        later.push_back(currencyStatement(days[days.size() / 2], QStringLiteral("EUR")));
        later.push_back(currencyStatement(days.back(), QStringLiteral("USD")));
        for (size_t w = 0; w < days.size(); w += 5) later.push_back(cashReport(days[std::min(days.size() - 1, w + 4)]));
        later.push_back(payroll(days.back(), m));
        later.push_back(depreciation(days.back(), m));
        later.push_back(vatSettlement(days.back(), m, vatOut, vatIn));
        if (m % 3 == 1) later.push_back(offBalance(days.front()));
        std::stable_sort(later.begin(), later.end(), [](const DemoDocument& a, const DemoDocument& b) { return a.postingDate < b.postingDate; });
        docs.insert(docs.end(), later.begin(), later.end());
        return docs;
    }

private:
    DemoDocument sale(int d, int64_t& vatOut) {
        const DemoCard card = c.random().pick(c.contractors());
        const bool service = c.random().chance(150);
        DemoDocument doc = c.document(QStringLiteral("FS"), d, QStringLiteral("Sprzedaż %1 - %2").arg(service ? QStringLiteral("usług") : QStringLiteral("towarów"), card.name.left(60)));
        doc.originalNumber = QStringLiteral("FV %1").arg(doc.registerNumber.mid(3));
        doc.cardId = card.id;
        doc.cardKind = QStringLiteral("K");
        const int64_t net = c.amount(800, 42000), vat = vat23(net);
        doc.debit(card.account(201), net + vat, QStringLiteral("Należność od odbiorcy")).settlement = doc.originalNumber;
        doc.credit(service ? QStringLiteral("700-01") : QStringLiteral("730-01"), net, QStringLiteral("Przychód ze sprzedaży"));
        doc.credit(QStringLiteral("221-01"), vat, QStringLiteral("VAT należny 23%"));
        if (!service)
            doc.post(QStringLiteral("731"), c.random().chance(800) ? QStringLiteral("330-01") : QStringLiteral("330-02"),
                     net * c.random().between(70, 80) / 100, QStringLiteral("Wartość sprzedanych towarów w cenie zakupu"));
        vatOut += vat;
        receivables.push_back({card, net + vat, 0, 0, doc.originalNumber, d});
        return doc;
    }

    DemoDocument exportSale(int d) {
        const DemoCard card = c.contractors(QStringLiteral("EUR")).back();
        DemoDocument doc = c.document(QStringLiteral("FSE"), d, QStringLiteral("Sprzedaż eksportowa - %1").arg(card.name));
        doc.originalNumber = QStringLiteral("FE %1").arg(doc.registerNumber.mid(4));
        doc.cardId = card.id;
        doc.cardKind = QStringLiteral("K");
        doc.currency = QStringLiteral("EUR");
        const int64_t rate = c.rate(doc.currency, d), amountW = c.amount(2500, 16000);
        doc.postInCurrency(card.account(203), QStringLiteral("730-02"), doc.currency, amountW, rate,
                                               QStringLiteral("Sprzedaż towarów - dostawa wewnątrzwspólnotowa"));
        doc.post(QStringLiteral("731"), QStringLiteral("330-01"), doc.lines.front().amountDt * 72 / 100, QStringLiteral("Wartość sprzedanych towarów w cenie zakupu"));
        doc.lines.front().settlement = doc.originalNumber;
        foreignReceivables.push_back({card, doc.lines.front().amountDt, amountW, rate, doc.originalNumber, d});
        return doc;
    }

    DemoDocument goodsPurchase(int d, int64_t& vatIn) {
        const DemoCard card = supplier();
        DemoDocument doc = c.document(QStringLiteral("FZ"), d, QStringLiteral("Zakup towarów - %1").arg(card.name.left(60)));
        doc.originalNumber = QStringLiteral("%1/%2/%3").arg(c.random().between(1, 999)).arg(date::month(d)).arg(c.year());
        doc.cardId = card.id;
        doc.cardKind = QStringLiteral("K");
        const int64_t net = c.amount(4000, 48000), vat = vat23(net);
        doc.debit(c.random().chance(800) ? QStringLiteral("330-01") : QStringLiteral("330-02"), net, QStringLiteral("Przyjęcie towarów do magazynu"));
        doc.debit(QStringLiteral("221-02"), vat, QStringLiteral("VAT naliczony 23%"));
        doc.credit(card.account(202), net + vat, QStringLiteral("Zobowiązanie wobec dostawcy")).settlement = doc.originalNumber;
        vatIn += vat;
        payables.push_back({card, net + vat, 0, 0, doc.originalNumber, d});
        return doc;
    }

    DemoDocument costPurchase(int d, int64_t& vatIn) {
        static const std::vector<std::pair<QString, QString>> costs = {
            {"402-01", "Usługi transportowe"}, {"402-02", "Usługi telekomunikacyjne"}, {"402-03", "Najem magazynu"},
            {"402-04", "Usługi księgowe"}, {"401-02", "Energia elektryczna"}, {"401-01", "Materiały biurowe"}};
        static const std::vector<QString> centres = {"500-01", "500-02", "520-01", "520-02", "550-01", "550-02"};
        const auto& [account, what] = c.random().pick(costs);
        const DemoCard card = supplier();
        DemoDocument doc = c.document(QStringLiteral("FZK"), d, QStringLiteral("%1 - %2").arg(what, card.name.left(60)));
        doc.originalNumber = QStringLiteral("FA/%1/%2").arg(c.random().between(100, 9999)).arg(c.year());
        doc.cardId = card.id;
        doc.cardKind = QStringLiteral("K");
        const int64_t net = c.amount(150, 9000), vat = vat23(net);
        doc.debit(account, net, what);
        doc.debit(QStringLiteral("221-02"), vat, QStringLiteral("VAT naliczony 23%"));
        doc.credit(card.account(202), net + vat, QStringLiteral("Zobowiązanie wobec dostawcy")).settlement = doc.originalNumber;
        // The cost by function and cost centre, against the settlement of costs by type.
        const int centre = int(c.random().between(0, int64_t(centres.size()) - 1));
        doc.post(centres[size_t(centre)], QStringLiteral("490"), net, QStringLiteral("Rozliczenie kosztów: %1").arg(what)).costCentre = centre + 1;
        vatIn += vat;
        payables.push_back({card, net + vat, 0, 0, doc.originalNumber, d});
        return doc;
    }

    DemoDocument importPurchase(int d) {
        const bool usd = c.random().chance(300);
        const QString currency = usd ? QStringLiteral("USD") : QStringLiteral("EUR");
        const DemoCard card = c.contractors(currency).front();
        DemoDocument doc = c.document(QStringLiteral("FZI"), d, QStringLiteral("Import towarów - %1").arg(card.name));
        doc.originalNumber = QStringLiteral("INV-%1-%2").arg(c.year()).arg(c.random().between(10000, 99999));
        doc.cardId = card.id;
        doc.cardKind = QStringLiteral("K");
        doc.currency = currency;
        const int64_t rate = c.rate(currency, d), amountW = c.amount(3000, 22000);
        doc.postInCurrency(QStringLiteral("330-01"), card.account(203), currency, amountW, rate,
                                               QStringLiteral("Nabycie towarów od dostawcy zagranicznego"));
        doc.lines.front().settlement = doc.originalNumber;
        foreignPayables.push_back({card, doc.lines.front().amountCt, amountW, rate, doc.originalNumber, d});
        return doc;
    }

    DemoDocument bankStatement(int d, bool firstOfMonth) {
        DemoDocument doc = c.document(QStringLiteral("WB"), d, QStringLiteral("Wyciąg bankowy z rachunku bieżącego"));
        doc.originalNumber = QStringLiteral("WB %1").arg(++statementNumber);
        const QString bank = QStringLiteral("130-01");
        for (int i = 0, n = int(c.random().between(2, 6)); i < n && !receivables.empty(); ++i) {
            if (receivables.front().day + 7 > d) break;
            const OpenItem it = receivables.front();
            receivables.pop_front();
            doc.post(bank, it.card.account(201), it.amount, QStringLiteral("Zapłata za %1").arg(it.number)).settlement = it.number;
        }
        for (int i = 0, n = int(c.random().between(1, 4)); i < n && !payables.empty(); ++i) {
            if (payables.front().day + 10 > d) break;
            const OpenItem it = payables.front();
            payables.pop_front();
            doc.post(it.card.account(202), bank, it.amount, QStringLiteral("Przelew za %1").arg(it.number)).settlement = it.number;
        }
        if (firstOfMonth) {
            for (const auto& [card, amount, text] : toPay)
                doc.post(card, bank, amount, text);
            toPay.clear();
        }
        doc.post(QStringLiteral("402-04"), bank, c.amount(15, 60), QStringLiteral("Opłaty i prowizje bankowe"));
        return doc;
    }

    DemoDocument currencyStatement(int d, const QString& currency) {
        DemoDocument doc = c.document(QStringLiteral("WBW"), d, QStringLiteral("Wyciąg z rachunku walutowego %1").arg(currency));
        doc.originalNumber = QStringLiteral("WB-%1 %2").arg(currency).arg(++statementNumber);
        doc.currency = currency;
        const QString bank = currency == QLatin1String("USD") ? QStringLiteral("131-02") : QStringLiteral("131-01");
        const int64_t rate = c.rate(currency, d);
        auto settle = [&](std::deque<OpenItem>& items, bool receipt) {
            for (auto it = items.begin(); it != items.end();) {
                if (it->card.currency != currency || it->day + 5 > d) { ++it; continue; }
                const int64_t now = plnValue(it->amountW, rate), diff = now - it->amount;
                if (receipt) doc.debit(bank, now); else doc.credit(bank, now);
                if (receipt) doc.credit(it->card.account(203), it->amount); else doc.debit(it->card.account(203), it->amount);
                for (size_t k = doc.lines.size() - 2; k < doc.lines.size(); ++k) {
                    DemoLine& l = doc.lines[k];
                    const bool bankSide = k == doc.lines.size() - 2;
                    l.currency = currency;
                    l.rate = bankSide ? rate : it->rate;
                    (l.accountDt.isEmpty() ? l.amountCtW : l.amountDtW) = it->amountW;
                    l.description = QStringLiteral("%1 %2").arg(receipt ? QStringLiteral("Wpływ za") : QStringLiteral("Zapłata za"), it->number);
                    if (!bankSide) l.settlement = it->number;
                }
                // Exchange differences: a receipt worth more, or a payment costing less, is a gain.
                const int64_t gain = receipt ? diff : -diff;
                if (gain > 0) doc.credit(QStringLiteral("750-02"), gain, QStringLiteral("Dodatnie różnice kursowe"));
                if (gain < 0) doc.debit(QStringLiteral("751-02"), -gain, QStringLiteral("Ujemne różnice kursowe"));
                it = items.erase(it);
            }
        };
        settle(foreignReceivables, true);
        settle(foreignPayables, false);
        if (doc.lines.empty()) {
            DemoLine& l = doc.post(QStringLiteral("751-01"), bank, 0, QStringLiteral("Prowizja za prowadzenie rachunku"));
            l.currency = currency; l.rate = rate; l.amountDtW = l.amountCtW = 1500; l.amountDt = l.amountCt = plnValue(1500, rate);
        }
        return doc;
    }

    DemoDocument cashReport(int d) {
        DemoDocument doc = c.document(QStringLiteral("RK"), d, QStringLiteral("Raport kasowy"));
        doc.originalNumber = QStringLiteral("RK %1/%2").arg(++cashNumber).arg(c.year());
        const QString cash = QStringLiteral("100-01");
        doc.post(cash, QStringLiteral("130-01"), c.amount(600, 1500), QStringLiteral("Pobranie gotówki z banku"));
        const DemoCard employee = c.random().pick(c.cards(QChar('P')));
        const int64_t advance = c.amount(100, 800);
        doc.post(employee.account(234), cash, advance, QStringLiteral("Zaliczka - %1").arg(employee.name));
        doc.post(QStringLiteral("401-01"), employee.account(234), advance, QStringLiteral("Rozliczenie zaliczki - %1").arg(employee.name));
        doc.post(QStringLiteral("402-04"), cash, c.amount(150, 700), QStringLiteral("Drobne wydatki gotówkowe"));
        return doc;
    }

    DemoDocument payroll(int d, int m) {
        DemoDocument doc = c.document(QStringLiteral("LP"), d, QStringLiteral("Lista płac za %1/%2").arg(m, 2, 10, QChar('0')).arg(c.year()));
        const QString zus = c.cards(QChar('U')).at(0).account(229), tax = c.cards(QChar('U')).at(1).account(229);
        int64_t employeeZus = 0, pit = 0, employerZus = 0, gross = 0;
        for (const DemoCard& e : c.cards(QChar('P'))) {
            const int64_t g = 500000 + e.number * 95000 + (c.year() - 2025) * 30000;
            const int64_t z = g * 1371 / 10000, p = (g - z) * 9 / 100;
            doc.post(QStringLiteral("404"), QStringLiteral("231"), g, QStringLiteral("Wynagrodzenie brutto - %1").arg(e.name));
            toPay.push_back({QStringLiteral("231"), g - z - p, QStringLiteral("Wynagrodzenie za %1/%2 - %3").arg(m).arg(c.year()).arg(e.name)});
            employeeZus += z; pit += p; employerZus += g * 2048 / 10000; gross += g;
        }
        doc.post(QStringLiteral("231"), zus, employeeZus, QStringLiteral("Składki ZUS pracownika"));
        doc.post(QStringLiteral("231"), tax, pit, QStringLiteral("Zaliczka na podatek dochodowy"));
        doc.post(QStringLiteral("405"), zus, employerZus, QStringLiteral("Składki ZUS pracodawcy"));
        doc.post(QStringLiteral("550-02"), QStringLiteral("490"), gross + employerZus, QStringLiteral("Rozliczenie kosztów wynagrodzeń")).costCentre = 6;
        toPay.push_back({zus, employeeZus + employerZus, QStringLiteral("Składki ZUS za %1/%2").arg(m).arg(c.year())});
        toPay.push_back({tax, pit, QStringLiteral("PIT-4 za %1/%2").arg(m).arg(c.year())});
        return doc;
    }

    DemoDocument depreciation(int d, int m) {
        DemoDocument doc = c.document(QStringLiteral("AM"), d, QStringLiteral("Amortyzacja za %1/%2").arg(m, 2, 10, QChar('0')).arg(c.year()));
        doc.post(QStringLiteral("400"), QStringLiteral("070-01"), 1425000, QStringLiteral("Amortyzacja środków trwałych"));
        doc.post(QStringLiteral("400"), QStringLiteral("070-02"), 133333, QStringLiteral("Amortyzacja wartości niematerialnych"));
        doc.post(QStringLiteral("500-01"), QStringLiteral("490"), 1558333, QStringLiteral("Rozliczenie amortyzacji")).costCentre = 1;
        return doc;
    }

    DemoDocument vatSettlement(int d, int m, int64_t vatOut, int64_t vatIn) {
        DemoDocument doc = c.document(QStringLiteral("PK"), d, QStringLiteral("Rozliczenie VAT za %1/%2").arg(m, 2, 10, QChar('0')).arg(c.year()));
        doc.post(QStringLiteral("221-01"), QStringLiteral("221-03"), vatOut, QStringLiteral("Przeksięgowanie VAT należnego"));
        doc.post(QStringLiteral("221-03"), QStringLiteral("221-02"), vatIn, QStringLiteral("Przeksięgowanie VAT naliczonego"));
        if (vatOut > vatIn)
            toPay.push_back({QStringLiteral("221-03"), vatOut - vatIn, QStringLiteral("VAT-7 za %1/%2").arg(m).arg(c.year())});
        return doc;
    }

    DemoDocument offBalance(int d) {
        DemoDocument doc = c.document(QStringLiteral("PZB"), d, QStringLiteral("Przyjęcie obcego środka trwałego"));
        doc.post(QStringLiteral("980"), QStringLiteral("998"), c.amount(20000, 90000), QStringLiteral("Wózek widłowy w leasingu operacyjnym"));
        return doc;
    }

    DemoCard supplier() {
        const auto all = c.contractors();
        // Suppliers are the producers and service firms among the contractors.
        return all[size_t(c.random().between(7, int64_t(all.size()) - 1))];
    }

    struct Payment { QString account; int64_t amount; QString text; };
    GeneratorContext& c;
    int scale;
    std::deque<OpenItem> receivables, payables, foreignReceivables, foreignPayables;
    std::vector<Payment> toPay;
    int statementNumber = 0, cashNumber = 0;
};

} // namespace

std::vector<DemoDocument> tradeDocuments(GeneratorContext& ctx, int scale, bool unposted) {
    TradeYear year(ctx, scale);
    std::vector<DemoDocument> all;
    for (int m = 1; m <= 12; ++m) {
        std::vector<DemoDocument> docs = year.month(m);
        if (unposted && m == 12) {
            // The last invoices of the year are still waiting for approval.
            int marked = 0;
            for (auto it = docs.rbegin(); it != docs.rend() && marked < 10; ++it) {
                if (!it->registerNumber.startsWith(QLatin1String("FS/")) && !it->registerNumber.startsWith(QLatin1String("FZ/"))) continue;
                it->status = marked < 3 ? 0 : 1;
                it->approvalDate = 0;
                ++marked;
            }
        }
        all.insert(all.end(), docs.begin(), docs.end());
    }
    return all;
}

} // namespace ksiega::db::demo
