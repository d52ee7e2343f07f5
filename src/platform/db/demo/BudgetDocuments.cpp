#include "platform/db/demo/BudgetDocuments.h"
#include "platform/runtime/Date.h"
#include <algorithm>

namespace ksiega::db::demo {
namespace {

const QString kWages = QStringLiteral("801-80101-4010");
const QString kSocial = QStringLiteral("801-80101-4110");
const QString kLabourFund = QStringLiteral("801-80101-4120");
const QString kMaterials = QStringLiteral("801-80101-4210");
const QString kFood = QStringLiteral("801-80148-4220");
const QString kTeachingAids = QStringLiteral("801-80101-4240");
const QString kEnergy = QStringLiteral("801-80101-4260");
const QString kServices = QStringLiteral("801-80101-4300");
const QString kMealsRevenue = QStringLiteral("801-80148-0830");
const QString kRentRevenue = QStringLiteral("801-80101-0750");

DemoLine& classify(DemoLine& l, const QString& symbol, QChar side, unsigned senses) {
    l.budgetSymbol = symbol;
    l.budgetSide = side;
    l.budgetSenses = senses;
    return l;
}

struct Purchase { QString account, symbol, what; int64_t from, to; };

} // namespace

std::vector<PlanItem> budgetPlan(int year) {
    const int64_t growth = 100 + (year - 2025) * 6;   // per cent of the 2025 plan
    const std::vector<PlanItem> base = {
        {kWages, 'W', 112000000}, {kSocial, 'W', 19300000}, {kLabourFund, 'W', 2700000}, {kMaterials, 'W', 3800000},
        {kFood, 'W', 9500000}, {kTeachingAids, 'W', 2400000}, {kEnergy, 'W', 6200000}, {kServices, 'W', 4100000},
        {kMealsRevenue, 'D', 10200000}, {kRentRevenue, 'D', 1800000}};
    std::vector<PlanItem> plan;
    for (PlanItem p : base) {
        p.amount = p.amount * growth / 100;
        plan.push_back(p);
    }
    return plan;
}

std::vector<DemoDocument> budgetDocuments(GeneratorContext& c, int scale) {
    static const std::vector<Purchase> purchases = {
        {"401-01", kMaterials, "Materiały biurowe i środki czystości", 300, 4000},
        {"401-01", kFood, "Artykuły żywnościowe do stołówki", 2500, 9000},
        {"401-01", kTeachingAids, "Pomoce dydaktyczne", 500, 6000},
        {"401-02", kEnergy, "Energia elektryczna i cieplna", 3000, 9000},
        {"402", kServices, "Usługi remontowe i serwisowe", 400, 5000}};
    std::vector<DemoDocument> all;
    const QString bankW = QStringLiteral("130-01"), bankD = QStringLiteral("130-02");
    const QString zus = c.cards(QChar('U')).at(0).account(229), tax = c.cards(QChar('U')).at(1).account(225);
    struct Open { QString account; int64_t amount; QString symbol; QString text; };
    std::vector<Open> toPay;
    int64_t collected = 0;

    for (int m = 1; m <= 12; ++m) {
        const std::vector<int> days = c.businessDays(m);
        std::vector<DemoDocument> docs;
        auto count = [&](int full) { return std::max(1, full * scale / 100); };

        if (m == 1) {
            DemoDocument plan = c.document(QStringLiteral("PF"), days.front(), QStringLiteral("Plan finansowy wydatków na rok %1").arg(c.year()));
            for (const PlanItem& p : budgetPlan(c.year()))
                if (p.side == QChar('W')) plan.post(QStringLiteral("980"), QStringLiteral("990"), p.amount, QStringLiteral("Plan %1").arg(p.symbol));
            docs.push_back(plan);
        }

        // Funding of the month's expenditure and the payments of what fell due.
        DemoDocument bank = c.document(QStringLiteral("WB"), days.front(), QStringLiteral("Wyciąg bankowy - wydatki"));
        int64_t paid = 0;
        for (const Open& o : toPay) paid += o.amount;
        bank.post(bankW, QStringLiteral("223"), paid + 500000, QStringLiteral("Środki na wydatki budżetowe z urzędu gminy"));
        for (const Open& o : toPay) {
            DemoLine& l = bank.post(o.account, bankW, o.amount, o.text);
            if (!o.symbol.isEmpty()) classify(l, o.symbol, 'W', Expenditure | Cash);
        }
        toPay.clear();
        docs.push_back(bank);

        for (int i = 0; i < count(6); ++i) {
            const Purchase& p = c.random().pick(purchases);
            if ((m == 7 || m == 8) && p.symbol == kFood) continue;   // no meals in the summer holidays
            // Suppliers are the first five contractors; the last two are the club and the parents.
            const DemoCard card = c.contractors().at(size_t(c.random().between(0, 4)));
            DemoDocument doc = c.document(QStringLiteral("FZ"), c.random().pick(days), QStringLiteral("%1 - %2").arg(p.what, card.name.left(60)));
            doc.originalNumber = QStringLiteral("FV/%1/%2").arg(c.random().between(10, 999)).arg(c.year());
            doc.cardId = card.id;
            doc.cardKind = QStringLiteral("K");
            const int64_t gross = c.amount(p.from, p.to);
            classify(doc.post(p.account, card.account(201), gross, p.what), p.symbol, 'W', Cost | Commitment);
            doc.post(QStringLiteral("998"), QStringLiteral("990"), gross, QStringLiteral("Zaangażowanie wydatków"));
            toPay.push_back({card.account(201), gross, p.symbol, QStringLiteral("Zapłata za %1").arg(doc.originalNumber)});
            docs.push_back(doc);
        }

        if (m != 7 && m != 8) {
            const DemoCard parents = c.contractors().back();
            DemoDocument accrual = c.document(QStringLiteral("NAL"), days.front(), QStringLiteral("Naliczenie opłat za wyżywienie"));
            const int64_t meals = c.amount(7000, 11000);
            classify(accrual.post(parents.account(221), QStringLiteral("720-01"), meals, QStringLiteral("Opłaty za wyżywienie uczniów")),
                     kMealsRevenue, 'D', Revenue);
            docs.push_back(accrual);
            DemoDocument receipts = c.document(QStringLiteral("WB"), days[days.size() / 2], QStringLiteral("Wyciąg bankowy - dochody"));
            classify(receipts.post(bankD, parents.account(221), meals, QStringLiteral("Wpłaty rodziców za wyżywienie")),
                     kMealsRevenue, 'D', Receipt | Cash);
            collected += meals;
            if (m % 2 == 0) {
                const DemoCard club = c.contractors().at(5);
                DemoDocument rent = c.document(QStringLiteral("NAL"), days.front(), QStringLiteral("Najem sali gimnastycznej"));
                const int64_t r = c.amount(900, 1600);
                classify(rent.post(club.account(221), QStringLiteral("720-02"), r, QStringLiteral("Najem sali - %1").arg(club.name)),
                         kRentRevenue, 'D', Revenue);
                docs.push_back(rent);
                classify(receipts.post(bankD, club.account(221), r, QStringLiteral("Wpłata za najem sali")), kRentRevenue, 'D', Receipt | Cash);
                collected += r;
            }
            // Revenue is passed on to the municipality's budget.
            receipts.post(QStringLiteral("222"), bankD, collected, QStringLiteral("Przekazanie dochodów budżetowych"));
            collected = 0;
            docs.push_back(receipts);
        }

        DemoDocument cash = c.document(QStringLiteral("RK"), days[days.size() / 2], QStringLiteral("Raport kasowy"));
        const int64_t small = c.amount(80, 400);
        cash.post(QStringLiteral("101"), bankW, small, QStringLiteral("Pobranie gotówki"));
        classify(cash.post(QStringLiteral("401-01"), QStringLiteral("101"), small, QStringLiteral("Zakup materiałów za gotówkę")),
                 kMaterials, 'W', Expenditure | Cost | Cash);
        docs.push_back(cash);

        DemoDocument payroll = c.document(QStringLiteral("LP"), days.back(), QStringLiteral("Lista płac za %1/%2").arg(m, 2, 10, QChar('0')).arg(c.year()));
        int64_t employeeZus = 0, pit = 0, employerZus = 0, fund = 0;
        for (const DemoCard& e : c.cards(QChar('P'))) {
            const int64_t g = 620000 + e.number * 48000 + (c.year() - 2025) * 35000;
            const int64_t z = g * 1371 / 10000, p = (g - z) * 9 / 100;
            classify(payroll.post(QStringLiteral("404"), QStringLiteral("231"), g, QStringLiteral("Wynagrodzenie - %1").arg(e.name)), kWages, 'W',
                     Cost | Commitment);
            toPay.push_back({QStringLiteral("231"), g - z - p, kWages, QStringLiteral("Wynagrodzenie - %1").arg(e.name)});
            employeeZus += z; pit += p; employerZus += g * 1952 / 10000; fund += g * 245 / 10000;
        }
        payroll.post(QStringLiteral("231"), zus, employeeZus, QStringLiteral("Składki ZUS pracowników"));
        payroll.post(QStringLiteral("231"), tax, pit, QStringLiteral("Zaliczki na podatek dochodowy"));
        classify(payroll.post(QStringLiteral("405"), zus, employerZus, QStringLiteral("Składki ZUS pracodawcy")), kSocial, 'W', Cost | Commitment);
        classify(payroll.post(QStringLiteral("405"), zus, fund, QStringLiteral("Składki na Fundusz Pracy")), kLabourFund, 'W', Cost | Commitment);
        toPay.push_back({zus, employeeZus, kWages, QStringLiteral("Składki ZUS pracowników")});
        toPay.push_back({zus, employerZus, kSocial, QStringLiteral("Składki ZUS pracodawcy")});
        toPay.push_back({zus, fund, kLabourFund, QStringLiteral("Fundusz Pracy")});
        toPay.push_back({tax, pit, kWages, QStringLiteral("Zaliczki PIT")});
        docs.push_back(payroll);

        DemoDocument depreciation = c.document(QStringLiteral("AM"), days.back(), QStringLiteral("Umorzenie środków trwałych"));
        depreciation.post(QStringLiteral("400"), QStringLiteral("071"), 1283300, QStringLiteral("Umorzenie budynku szkoły"));
        docs.push_back(depreciation);

        std::stable_sort(docs.begin(), docs.end(), [](const DemoDocument& a, const DemoDocument& b) { return a.postingDate < b.postingDate; });
        all.insert(all.end(), docs.begin(), docs.end());
    }
    return all;
}

} // namespace ksiega::db::demo
