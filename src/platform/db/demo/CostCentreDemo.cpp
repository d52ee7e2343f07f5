#include "platform/db/demo/CostCentreDemo.h"
#include "platform/db/CostCentreLineCopies.h"
#include "platform/db/demo/IdentitySync.h"
#include "platform/filtertree/TreeFunctions.h"

namespace ksiega::db::demo {
namespace {

struct Indicator {
    int64_t id;
    int dimension;
    const char* symbol;
    const char* name;
};

const Indicator kIndicators[] = {
    {1, 1, "WAW", "Hurtownia w Warszawie"},   {2, 1, "RAD", "Oddział w Radomiu"},
    {3, 1, "SPRZ", "Dział sprzedaży"},        {4, 1, "TRANS", "Transport własny"},
    {5, 1, "ZARZ", "Zarząd"},                 {6, 1, "KSIEG", "Księgowość i kadry"},
    {11, 2, "Z-ZAOP", "Zaopatrzenie"},        {12, 2, "Z-MAG", "Magazynowanie"},
    {13, 2, "Z-DYST", "Dystrybucja"},         {14, 2, "Z-ADM", "Administracja"},
    {15, 2, "Z-SPRZ", "Obsługa sprzedaży"},   {16, 2, "Z-IT", "Utrzymanie systemów"},
    {21, 3, "WX 1234A", "Samochód dostawczy"}, {22, 3, "WX 5678B", "Samochód dostawczy"},
    {23, 3, "WR 9012C", "Ciężarówka"},         {24, 3, "WX 3456D", "Samochód osobowy"},
    {31, 4, "P-MODERN", "Modernizacja magazynu"}, {32, 4, "P-SKLEP", "Sklep internetowy"},
    {33, 4, "P-FLOTA", "Wymiana floty"},
    {51, 5, "K-MAT", "Materiały i towary"},    {52, 5, "K-WYN", "Wynagrodzenia"},
    {53, 5, "K-USL", "Usługi obce"},           {54, 5, "K-AMORT", "Amortyzacja"},
    {55, 5, "K-PRZ", "Przychody ze sprzedaży"},
};

struct Split {
    int64_t amount;
    std::array<int64_t, 5> indicators;
};

QString pathOf(const std::array<int64_t, 5>& indicators, const QString& separator) {
    QString path;
    for (int64_t w : indicators)
        if (w) path += QString::number(w) + separator;
    return path.isEmpty() ? path : separator + path;
}

// The splits of a cost on its Dt side: its own centre, a task, for the transport a vehicle,
// for the two branches a project, and the kind of cost; every third shared with the management.
std::vector<Split> costSplits(int64_t lineId, int centre, const QString& account, int64_t amount) {
    const int64_t own = centre, task = 11 + lineId % 6;
    const int64_t vehicle = own == 4 ? 21 + lineId % 4 : 0, project = own <= 2 ? 31 + lineId % 3 : 0;
    const int64_t kind = account.startsWith(QLatin1String("50")) ? 51 : account.startsWith(QLatin1String("55")) ? 52
                                                                                                              : 53 + lineId % 2;
    const bool shared = lineId % 3 == 0 && own != kManagementCentre;
    const int64_t first = shared ? amount * 70 / 100 : amount;
    std::vector<Split> out{{first, {own, task, vehicle, project, kind}}};
    if (shared) out.push_back({amount - first, {kManagementCentre, task, 0, 0, kind}});
    return out;
}

// A sale on its Ct side: the sales department and a branch, the sales task, the revenue kind.
std::vector<Split> saleSplits(int64_t lineId, int64_t amount) {
    const int64_t first = amount * 60 / 100;
    return {{first, {3, kSalesTask, 0, 0, 55}}, {amount - first, {1 + lineId % 2, kSalesTask, 0, 32, 55}}};
}

void writeTree(Database& db, int64_t company) {
    std::vector<int64_t> users;
    Rows r = db.select(QStringLiteral("select id_uzytkownika from UZYTKOWNICY order by id_uzytkownika"));
    while (r.next()) users.push_back(r.int64(0));
    using namespace filtertree;
    for (int64_t user : users) {
        const TreeScope scope{company, kCostCentreBrowser, user};
        // A configuration by accounts first; a copy of it becomes the tree of sets, so that
        // the one saved last is current.
        TREE_DODAJ_GALAZ(db, scope, 0, QStringLiteral("MPK:KONTO"), QStringLiteral("LIKE"), QStringLiteral("5%"),
                         QStringLiteral("Koszty zespołu 5"));
        TREE_DODAJ_KONFIG(db, scope, QStringLiteral("Koszty według kont"));
        TREE_DODAJ_KONFIG(db, scope, QStringLiteral("Zbiory MPK"));
        for (const TreeBranch& b : branches(db, scope))
            if (b.parent == 0) TREE_USUN_GALAZ(db, scope, b.id);
        const int64_t management = TREE_DODAJ_GALAZ(db, scope, 0, QStringLiteral("MPK:DRZEWO_ZBIOR_ID"), QStringLiteral("="),
                                                    QString::number(kManagementCentre), QStringLiteral("Zarząd"));
        const int64_t sales = TREE_DODAJ_GALAZ(db, scope, 0, QStringLiteral("MPK:DRZEWO_ZBIOR_ID"), QStringLiteral("="),
                                               QString::number(kSalesTask), QStringLiteral("Obsługa sprzedaży"));
        TREE_DODAJ_GALAZ(db, scope, 0, QStringLiteral("MPK:DRZEWO_ZBIOR_ID"), QStringLiteral("="), QString::number(kMaterialsKind),
                         QStringLiteral("Materiały i towary"));
        TREE_DODAJ_GALAZ(db, scope, management, QStringLiteral("MPK:STRONA"), QStringLiteral("="), QStringLiteral("WN"),
                         QStringLiteral("Zarząd - strona Dt"));
        TREE_DODAJ_GALAZ(db, scope, sales, QStringLiteral("MPK:STRONA"), QStringLiteral("="), QStringLiteral("WN"),
                         QStringLiteral("Sprzedaż - strona Dt"));
        TREE_DODAJ_GALAZ(db, scope, sales, QStringLiteral("MPK:STRONA"), QStringLiteral("="), QStringLiteral("MA"),
                         QStringLiteral("Sprzedaż - strona Ct"));
    }
}

} // namespace

void writeCostCentreDemo(Database& db, int64_t company, const CompanyIds& ids, const std::vector<DemoDocument>& docs,
                         const WrittenDocuments& written) {
    for (const Indicator& i : kIndicators)
        db.execute(QStringLiteral("insert into MPK_WSKAZNIK (id_wskaznika, id_firmy, nr_wskaznika, symbol, nazwa) values (?, ?, ?, ?, ?)"),
                   {i.id, company, i.dimension, QString::fromUtf8(i.symbol), QString::fromUtf8(i.name)});
    syncIdentity(db, QStringLiteral("MPK_WSKAZNIK"), QStringLiteral("id_wskaznika"));
    const QString separator =
        db.scalarText(QStringLiteral("select separator_mpk from FIRMA where id_firmy=?"), {company}).value_or(QStringLiteral("-"));
    const int64_t currentYear = ids.years.at(kCurrentYear);

    auto rows = db.bulkInsert(QStringLiteral("MPK_DANE"), {"id_poz_dok", "id_firmy", "id_lata_obrot", "strona", "konto", "kwota",
                                                           "wskaznik_1_id", "wskaznik_2_id", "wskaznik_3_id", "wskaznik_4_id",
                                                           "wskaznik_5_id", "drzewo_zbior_id"});
    auto add = [&](int64_t line, const DemoDocument& d, const char* side, const QString& account, const std::vector<Split>& splits) {
        for (const Split& s : splits)
            rows->add({line, company, d.year, side, account, s.amount, s.indicators[0], s.indicators[1], s.indicators[2],
                       s.indicators[3], s.indicators[4], pathOf(s.indicators, separator)});
    };
    int openingLine = 0;
    for (size_t i = 0; i < docs.size(); ++i) {
        const DemoDocument& d = docs[i];
        if (d.company != company) continue;
        for (size_t k = 0; k < d.lines.size(); ++k) {
            const DemoLine& l = d.lines[k];
            const int64_t id = written.lineIds[i][k];
            if (d.kind == kOpeningBalanceKind) {
                // The current year's opening balance: every fifth line, on the side it has,
                // between the two branches.
                if (d.year != currentYear || d.currency != QLatin1String("PLN") || ++openingLine % 5 != 0) continue;
                const bool debit = l.amountDt != 0;
                const int64_t amount = debit ? l.amountDt : l.amountCt;
                const int64_t half = amount / 2;
                add(id, d, debit ? "WN" : "MA", debit ? l.accountDt : l.accountCt,
                    {{half, {1, 0, 0, 31, 0}}, {amount - half, {2, 0, 0, 31, 0}}});
            } else if (l.costCentre > 0 && l.costCentre <= 6 && l.amountDt > 0) {
                add(id, d, "WN", l.accountDt, costSplits(id, l.costCentre, l.accountDt, l.amountDt));
            } else if (l.accountCt.startsWith(QLatin1String("7")) && l.amountCt > 0 && id % 2 == 0) {
                add(id, d, "MA", l.accountCt, saleSplits(id, l.amountCt));
            }
        }
    }
    rows->finish();
    refreshCostCentreLineCopies(db, CostCentreCopyScope::all());
    writeTree(db, company);
}

int64_t writeLedgerSplits(Database& db, int64_t company, int64_t year, int64_t firstLine, int64_t lastLine) {
    // Indicators named by number, so that a line's id picks them in the statement.
    const auto have = db.scalarInt(QStringLiteral("select count(*) from MPK_WSKAZNIK where id_firmy=? and symbol like 'G%'"), {company});
    if (have.value_or(0) == 0) {
        for (int dimension : {1, 2, 5})
            for (int n = 0; n < 7; ++n)
                db.execute(QStringLiteral("insert into MPK_WSKAZNIK (id_firmy, nr_wskaznika, symbol, nazwa) values (?, ?, ?, ?)"),
                           {company, dimension, QStringLiteral("G%1-%2").arg(dimension).arg(n),
                            QStringLiteral("Wskaźnik %1 nr %2").arg(dimension).arg(n)});
    }
    const QString separator =
        db.scalarText(QStringLiteral("select separator_mpk from FIRMA where id_firmy=?"), {company}).value_or(QStringLiteral("-"));
    // Dimension d of line p: indicator "Gd-n" with n = (p / 5 + d) % 7.
    const QString pick = QStringLiteral("join MPK_WSKAZNIK w%1 on w%1.id_firmy=p.id_firmy and w%1.nr_wskaznika=%1 and "
                                        "w%1.symbol='G%1-' || cast(((p.id_poz_dok / 5 + %1) % 7) as varchar(10)) ");
    const QString sql =
        QStringLiteral("insert into MPK_DANE (id_poz_dok, id_firmy, id_lata_obrot, strona, konto, kwota, wskaznik_1_id, wskaznik_2_id, "
                       "wskaznik_5_id, drzewo_zbior_id) "
                       "select p.id_poz_dok, p.id_firmy, p.id_lata_obrot, %1, %2, %3, w1.id_wskaznika, w2.id_wskaznika, "
                       "w5.id_wskaznika, ? || cast(w1.id_wskaznika as varchar(20)) || ? || cast(w2.id_wskaznika as varchar(20)) || ? "
                       "|| cast(w5.id_wskaznika as varchar(20)) || ? from POZ_DOK p ") +
        pick.arg(1) + pick.arg(2) + pick.arg(5) +
        QStringLiteral("where p.id_poz_dok between ? and ? and p.id_firmy=? and p.id_lata_obrot=? and p.id_poz_dok % 5 = 0 and %4");
    int64_t written = 0;
    // Dt side: every other chosen line that has one; Ct side: the rest that have one.
    written += db.execute(sql.arg(QStringLiteral("'WN'"), QStringLiteral("p.konto_wn"), QStringLiteral("p.kwota_wn"),
                                  QStringLiteral("p.kwota_wn <> 0 and (p.id_poz_dok % 10 = 0 or p.kwota_ma = 0)")),
                          {separator, separator, separator, separator, firstLine, lastLine, company, year});
    written += db.execute(sql.arg(QStringLiteral("'MA'"), QStringLiteral("p.konto_ma"), QStringLiteral("p.kwota_ma"),
                                  QStringLiteral("p.kwota_ma <> 0 and (p.id_poz_dok % 10 = 5 or p.kwota_wn = 0)")),
                          {separator, separator, separator, separator, firstLine, lastLine, company, year});
    refreshCostCentreLineCopies(db, CostCentreCopyScope::lines(firstLine, lastLine));
    return written;
}

} // namespace ksiega::db::demo
