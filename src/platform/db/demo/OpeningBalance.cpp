#include "platform/db/demo/OpeningBalance.h"
#include "platform/db/demo/DemoResources.h"
#include "platform/runtime/Date.h"
#include <algorithm>
#include <map>

namespace ksiega::db::demo {
namespace {

DemoDocument header(GeneratorContext& ctx, const QString& currency) {
    const int first = date::fromYmd(ctx.year(), 1, 1);
    DemoDocument d = ctx.document(QStringLiteral("BO"), first, QStringLiteral("Bilans otwarcia %1 %2").arg(ctx.year()).arg(currency));
    d.registerNumber = QStringLiteral("BO/%1/%2").arg(currency).arg(ctx.year());
    d.originalNumber = d.registerNumber;
    d.periodDate = date::openingPeriod(first);
    d.kind = kOpeningBalanceKind;
    d.currency = currency;
    return d;
}

// One document per currency, PLN first, in a fixed order.
std::vector<DemoDocument> byCurrency(std::map<QString, DemoDocument>& docs) {
    std::vector<DemoDocument> out;
    if (docs.count(QStringLiteral("PLN"))) out.push_back(docs[QStringLiteral("PLN")]);
    for (auto& [currency, doc] : docs)
        if (currency != QLatin1String("PLN")) out.push_back(doc);
    return out;
}

int64_t grosze(const QString& text) {
    if (text.trimmed().isEmpty()) return 0;
    return Money::parseOrThrow(text.trimmed()).minor();
}

} // namespace

std::vector<DemoDocument> openingBalanceFromFile(GeneratorContext& ctx, const QString& file) {
    std::map<QString, DemoDocument> docs;
    int64_t dt = 0, ct = 0;
    for (const QStringList& f : readDemoTable(file)) {
        const QString currency = f.value(3).trimmed().isEmpty() ? QStringLiteral("PLN") : f.value(3).trimmed();
        if (!docs.count(currency)) docs.emplace(currency, header(ctx, currency));
        DemoDocument& d = docs.at(currency);
        const int64_t debit = grosze(f.value(1)), credit = grosze(f.value(2)), amountW = grosze(f.value(4));
        DemoLine& l = debit ? d.debit(f.value(0), debit, QStringLiteral("Bilans otwarcia"))
                            : d.credit(f.value(0), credit, QStringLiteral("Bilans otwarcia"));
        if (currency != QLatin1String("PLN")) {
            l.currency = currency;
            (debit ? l.amountDtW : l.amountCtW) = amountW;
            l.rate = amountW ? (std::max(debit, credit) * kRateScale + amountW / 2) / amountW : 0;
        }
        dt += debit;
        ct += credit;
    }
    if (dt != ct)
        throw DbError(QStringLiteral("Bilans otwarcia %1 nie bilansuje się: Dt %2, Ct %3")
                          .arg(file, Money::fromMinor(dt).toString(), Money::fromMinor(ct).toString()));
    return byCurrency(docs);
}

std::vector<DemoDocument> openingBalanceFromYear(GeneratorContext& ctx, const std::vector<DemoDocument>& previousYear,
                                                 const ChartOfAccounts& chart, const QString& resultAccount,
                                                 const std::vector<int>& closedIntoResult) {
    struct Sums { int64_t dt = 0, ct = 0, dtW = 0, ctW = 0; QString currency; };
    std::map<QString, Sums> accounts;
    for (const DemoDocument& d : previousYear) {
        if (d.status < 2) continue;
        for (const DemoLine& l : d.lines) {
            if (!l.accountDt.isEmpty()) {
                Sums& s = accounts[l.accountDt];
                s.dt += l.amountDt; s.dtW += l.amountDtW;
                if (!l.currency.isEmpty()) s.currency = l.currency;
            }
            if (!l.accountCt.isEmpty()) {
                Sums& s = accounts[l.accountCt];
                s.ct += l.amountCt; s.ctW += l.amountCtW;
                if (!l.currency.isEmpty()) s.currency = l.currency;
            }
        }
    }
    std::map<QString, DemoDocument> docs;
    docs.emplace(QStringLiteral("PLN"), header(ctx, QStringLiteral("PLN")));
    int64_t result = 0;   // Ct minus Dt carried to the result account
    for (const auto& [account, s] : accounts) {
        const int synthetic = account.left(3).toInt();
        const SyntheticAccount* a = chart.find(synthetic);
        if (!a || a->type == QChar('P')) continue;
        if (a->type == QChar('W') || std::count(closedIntoResult.begin(), closedIntoResult.end(), synthetic)) {
            result += s.ct - s.dt;
            continue;
        }
        if (s.dt == s.ct && s.dtW == s.ctW) continue;
        const QString currency = s.currency.isEmpty() ? QStringLiteral("PLN") : s.currency;
        if (!docs.count(currency)) docs.emplace(currency, header(ctx, currency));
        DemoDocument& d = docs.at(currency);
        const bool debit = s.dt > s.ct || (s.dt == s.ct && s.dtW > s.ctW);
        DemoLine& l = debit ? d.debit(account, s.dt - s.ct, QStringLiteral("Bilans otwarcia"))
                            : d.credit(account, s.ct - s.dt, QStringLiteral("Bilans otwarcia"));
        if (currency != QLatin1String("PLN")) {
            l.currency = currency;
            const int64_t w = debit ? s.dtW - s.ctW : s.ctW - s.dtW;
            (debit ? l.amountDtW : l.amountCtW) = w;
            const int64_t pln = std::max(l.amountDt, l.amountCt);
            l.rate = w ? (pln * kRateScale + w / 2) / w : 0;
        }
    }
    DemoDocument& pln = docs.at(QStringLiteral("PLN"));
    if (result > 0) pln.credit(resultAccount, result, QStringLiteral("Wynik finansowy roku poprzedniego"));
    if (result < 0) pln.debit(resultAccount, -result, QStringLiteral("Wynik finansowy roku poprzedniego"));
    return byCurrency(docs);
}

} // namespace ksiega::db::demo
