#include "platform/db/demo/ChartOfAccounts.h"
#include "platform/db/demo/DemoResources.h"
#include <algorithm>
#include <set>

namespace ksiega::db::demo {
namespace {

bool flag(const QString& text) { return text.trimmed() == QLatin1String("1"); }

struct AccountRow {
    QString number, name, parent;
    int synthetic = 0;
    int level = 0;
    int64_t cardId = 0;
    QString cardKind;
};

} // namespace

ChartOfAccounts ChartOfAccounts::fromResource(const QString& name) {
    ChartOfAccounts chart;
    for (const QStringList& f : readDemoTable(name)) {
        const QString number = f.value(0).trimmed();
        if (number.contains(QChar('-'))) {
            chart.analytic.push_back({number, f.value(1).trimmed()});
            continue;
        }
        bool ok = false;
        SyntheticAccount s;
        s.number = number.toInt(&ok);
        const QString type = f.value(2).trimmed();
        if (!ok || number.size() != 3 || type.size() != 1)
            throw DbError(QStringLiteral("Niepoprawny wiersz planu kont %1: %2").arg(name, f.join(QChar(';'))));
        s.name = f.value(1).trimmed();
        s.type = type.at(0);
        s.settlement = flag(f.value(3));
        s.currency = flag(f.value(4));
        s.twoBalance = flag(f.value(5));
        s.costCentre = flag(f.value(6));
        s.registerKind = f.value(7).trimmed();
        chart.synthetic.push_back(s);
    }
    return chart;
}

const SyntheticAccount* ChartOfAccounts::find(int number) const {
    for (const SyntheticAccount& s : synthetic)
        if (s.number == number) return &s;
    return nullptr;
}

LoadedChart loadChart(Database& db, int64_t company, int64_t year, const ChartOfAccounts& chart,
                      const std::vector<DemoCard>& cards) {
    std::vector<AccountRow> rows;
    std::set<QString> known;
    for (const SyntheticAccount& s : chart.synthetic) {
        const QString number = QStringLiteral("%1").arg(s.number, 3, 10, QChar('0'));
        rows.push_back({number, s.name, QString(), s.number, 0, 0, QString()});
        known.insert(number);
        if (s.registerKind.isEmpty()) continue;
        for (const DemoCard& c : cards) {
            if (c.company != company || QString(c.kind) != s.registerKind) continue;
            if (c.kind == QChar('K') && s.currency == c.currency.isEmpty()) continue;
            rows.push_back({c.account(s.number), c.name, number, s.number, 1, c.id, QString(c.kind)});
            known.insert(rows.back().number);
        }
    }
    for (const AnalyticAccount& a : chart.analytic) {
        const QString parent = a.number.left(a.number.lastIndexOf(QChar('-')));
        if (!known.count(parent))
            throw DbError(QStringLiteral("Konto %1 nie ma konta nadrzędnego w planie kont").arg(a.number));
        rows.push_back({a.number, a.name, parent, a.number.left(3).toInt(), int(a.number.count(QChar('-'))), 0, QString()});
        known.insert(a.number);
    }
    std::set<QString> parents;
    for (const AccountRow& r : rows)
        if (!r.parent.isEmpty()) parents.insert(r.parent);

    auto synth = db.bulkInsert(QStringLiteral("KONTA_SYNT"),
        {"id_firmy", "id_lata_obrot", "nr_konta_syn", "nazwa", "typ_konta", "czy_walutowe", "czy_rozrach", "czy_dwusaldowe",
         "czy_mpk", "kartoteka"});
    for (const SyntheticAccount& s : chart.synthetic)
        synth->add({company, year, s.number, s.name, QString(s.type), s.currency, s.settlement, s.twoBalance, s.costCentre,
                    s.registerKind});
    synth->finish();

    LoadedChart loaded;
    auto values = db.bulkInsert(QStringLiteral("WARTOSCI_KONT"),
        {"id_firmy", "id_lata_obrot", "nr_konta", "nazwa_konta", "nr_konta_syn", "poziom", "nr_konta_nadrz", "czy_analityka",
         "id_kartoteki", "rodzaj_kartoteki"});
    for (const AccountRow& r : rows) {
        const bool leaf = !parents.count(r.number);
        values->add({company, year, r.number, r.name, r.synthetic, r.level, r.parent, leaf, r.cardId, r.cardKind});
        if (leaf) loaded.leaves.push_back(r.number);
    }
    values->finish();
    std::sort(loaded.leaves.begin(), loaded.leaves.end());
    return loaded;
}

} // namespace ksiega::db::demo
