#include "RandomLedger.h"
#include "platform/server/Turnovers.h"

namespace ksiega::test {

namespace {

struct Analytic {
    const char* nr;
    int leaf;
};

void synthetic(LedgerFixture& f, int64_t year, int nr, const char* typ, int walutowe, int rozrach, int mpk,
               const std::vector<Analytic>& accounts) {
    f.db.execute("insert into KONTA_SYNT (id_firmy, id_lata_obrot, nr_konta_syn, nazwa, typ_konta, czy_walutowe, czy_rozrach, czy_mpk) "
                 "values (?, ?, ?, 'x', ?, ?, ?, ?)",
                 {f.company, year, nr, typ, walutowe, rozrach, mpk});
    for (const Analytic& a : accounts)
        f.db.execute("insert into WARTOSCI_KONT (id_firmy, id_lata_obrot, nr_konta, nazwa_konta, nr_konta_syn, poziom, czy_analityka) "
                     "values (?, ?, ?, 'x', ?, ?, ?)",
                     {f.company, year, a.nr, nr, int(QString(a.nr).count('-')), a.leaf});
}

const QStringList kSettlementAccounts{"201-01-001", "201-01-002", "202-01-001", "234-01", "234-02"};

} // namespace

RandomLedger::RandomLedger(LedgerFixture& fixture, uint32_t seed, int64_t userNumber, int lines)
    : f(fixture), m_seed(seed), m_user(userNumber), m_rng(seed) {
    db::Transaction tx(f.db);
    m_skip980 = chance(50);
    m_attachMode = pick(3);
    addCharts();
    addChanges();
    consistentFixtureSettlements();
    for (int i = 0; i < lines; ++i) {
        const int kind = pick(100);
        if (kind < 40) settlementLine();
        else if (kind < 55) costCentreLine();
        else plainLine();
    }
    attach();
    tx.commit();
    server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(f.db, f.company, f.year2026, 0);
    server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(f.db, f.company, f.year18, 0);   // its payments
}

void RandomLedger::addCharts() {
    const int64_t y = f.year2026, n = f.year18;
    for (int64_t year : {y, n}) {
        synthetic(f, year, 140, "B", 0, 0, 0, {{"140", 0}, {"140-01", 1}, {"140-02", 1}});
        synthetic(f, year, 150, "B", 0, 0, 0, {{"150", 0}, {"150-01", 1}, {"150-02", 1}});
        synthetic(f, year, 550, "B", 1, 0, 1, {{"550", 0}, {"550-01", 1}, {"550-02", 1}});
        synthetic(f, year, 980, "P", 0, 0, 0, {{"980", 0}, {"980-01", 1}});
    }
    synthetic(f, n, 11, "B", 0, 0, 0, {{"011", 0}, {"011-01", 1}});
    synthetic(f, n, 141, "B", 0, 0, 0, {{"141", 0}, {"141-01", 1}});
    synthetic(f, n, 203, "B", 0, 1, 0, {{"203", 0}, {"203-01", 0}, {"203-01-001", 1}});
    synthetic(f, n, 205, "B", 1, 1, 0, {{"205", 0}, {"205-01", 1}});
    synthetic(f, n, 860, "B", 0, 0, 0, {{"860", 1}});
}

int64_t RandomLedger::changeRow(const QString& from, const QString& to) {
    return f.db.insertReturningId("insert into ZMIANA_PLANU_KONT (id_firmy, id_lata_obrot, z_konta, na_konto) values (?, ?, ?, ?) "
                                  "returning id_zmiana_planu_kont",
                                  {f.company, f.year2026, from, to});
}

void RandomLedger::addChanges() {
    changeRow("010-01", "011-01");   // rename
    changeRow("140-01", "141-01");   // merge
    changeRow("140-02", "141-01");
    changeRow("150-01", "150-02");   // swap
    changeRow("150-02", "150-01");
    changeRow("202-01", "203-01");   // prefix of a non-posting account
    changeRow("700-01", "701-01");   // a result account: its balance goes to 860 all the same
    if (m_attachMode != 0) m_attachRow = changeRow("201-01-001", "205-01");
}

// The shared ledger's lines on settlement accounts open their own settlements, so that every
// settlement account's balance is what its settlements leave open.
void RandomLedger::consistentFixtureSettlements() {
    struct Side { int64_t line; QString strona, account; };
    std::vector<Side> sides;
    db::Rows r = f.db.select("select id_poz_dok, konto_wn, konto_ma from POZ_DOK where id_lata_obrot=? and (status=2 or czy_rk=10) "
                             "order by id_poz_dok",
                             {f.year2026});
    while (r.next()) {
        if (kSettlementAccounts.contains(r.text(1))) sides.push_back({r.int64(0), "WN", r.text(1)});
        if (kSettlementAccounts.contains(r.text(2))) sides.push_back({r.int64(0), "MA", r.text(2)});
    }
    for (const Side& s : sides) {
        const int64_t id = f.openSettlement(s.line, s.strona);
        db::Rows k = f.db.select("select kwota, kwota_w, sym_waluty from ROZRACHUNEK where id_rozrachunku=?", {id});
        k.next();
        m_open.push_back({id, s.account, s.strona, k.text(2), false, k.int64(0), k.int64(1), k.int64(0), k.int64(1)});
    }
}

int64_t RandomLedger::document(int64_t year, int period, const QString& waluta, int status) {
    ++m_docs;
    return f.addDocument({year, period, status, 0, QStringLiteral("R%1/%2").arg(m_seed).arg(m_docs), waluta});
}

Money RandomLedger::amount(int64_t minGrosze, int64_t maxGrosze) {
    return Money::fromMinor(std::uniform_int_distribution<int64_t>(minGrosze, maxGrosze)(m_rng));
}

void RandomLedger::settlementLine() {
    const int kind = pick(100);
    const int month = 1 + pick(12);
    std::vector<size_t> payable;   // open, not corrections, something left
    for (size_t i = 0; i < m_open.size(); ++i)
        if (!m_open[i].korekta && m_open[i].left > 0) payable.push_back(i);

    if (kind < 45 || payable.empty()) {   // an invoice or an advance opens a settlement
        const QString account = kSettlementAccounts[pick(kSettlementAccounts.size())];
        const bool eur = account == QLatin1String("201-01-002");
        const Money pln = amount(1000, 500000);
        const Money cur = eur ? Money::fromMinor(pln.minor() / 4 + 1) : Money();
        const int64_t doc = document(f.year2026, f.month2026(month), eur ? "EUR" : "");
        QString dt, ct, strona;
        if (account.startsWith("201")) { dt = account; ct = "700-01"; strona = "WN"; }
        else if (account.startsWith("202")) { dt = "401"; ct = account; strona = "MA"; }
        else if (chance(50)) { dt = account; ct = "130-01"; strona = "WN"; }
        else { dt = "130-01"; ct = account; strona = "MA"; }
        const int64_t line = f.post(doc, dt, ct, pln, cur, eur ? "EUR" : "");
        const int64_t id = f.openSettlement(line, strona);
        m_open.push_back({id, account, strona, eur ? "EUR" : "PLN", false, pln.minor(), cur.minor(), pln.minor(), cur.minor()});
    } else if (kind < 85) {   // a payment, in the year or in the next one
        Open& o = m_open[payable[pick(int(payable.size()))]];
        const bool eur = o.waluta == QLatin1String("EUR");
        const bool full = chance(40);
        int64_t p = full ? o.left : std::uniform_int_distribution<int64_t>(1, o.left)(m_rng);
        int64_t pw = 0;
        if (eur) {
            pw = full || o.leftW == 0 ? o.leftW : std::max<int64_t>(1, o.leftW * p / std::max<int64_t>(1, o.left));
            if (pw > o.leftW) pw = o.leftW;
            if (pw == o.leftW) p = o.left;
        }
        const bool nextYear = chance(25);
        const int64_t doc = nextYear ? document(f.year18, f.month18(2027, 1 + pick(6)), eur ? "EUR" : "")
                                     : document(f.year2026, f.month2026(month), eur ? "EUR" : "");
        const QString bank = eur ? "131-01" : "130-01";
        const int64_t line = o.strona == QLatin1String("WN") ? f.post(doc, bank, o.account, Money::fromMinor(p), Money::fromMinor(pw), eur ? "EUR" : "")
                                                             : f.post(doc, o.account, bank, Money::fromMinor(p), Money::fromMinor(pw), eur ? "EUR" : "");
        f.settle(o.id, line, Money::fromMinor(p), Money::fromMinor(pw));
        o.left -= p;
        o.leftW -= pw;
        if (!nextYear) { o.rem -= p; o.remW -= pw; }
    } else if (kind < 93) {   // a correction of a payable or a receivable
        const bool supplier = chance(50);
        const QString account = supplier ? "202-01-001" : "201-01-001";
        const Money x = amount(100, 20000);
        const int64_t doc = document(f.year2026, f.month2026(month), "");
        const int64_t line = supplier ? f.post(doc, account, "401", x) : f.post(doc, "700-01", account, x);
        const QString lineSide = supplier ? "WN" : "MA";
        const int64_t id = f.openSettlement(line, lineSide);
        const QString strona = supplier ? "MA" : "WN";
        f.db.execute("update ROZRACHUNEK set czy_korekta=1, strona=? where id_rozrachunku=?", {strona, id});
        m_open.push_back({id, account, strona, "PLN", true, x.minor(), 0, x.minor(), 0});
    } else {   // a compensation of a payable against a receivable: one line, two accounts
        Open* pay = nullptr;
        Open* rec = nullptr;
        for (size_t i : payable) {
            Open& o = m_open[i];
            if (o.account == QLatin1String("202-01-001") && o.strona == QLatin1String("MA") && !pay) pay = &o;
            if (o.account == QLatin1String("201-01-001") && o.strona == QLatin1String("WN") && !rec) rec = &o;
        }
        if (!pay || !rec) return;
        const int64_t x = std::uniform_int_distribution<int64_t>(1, std::min(pay->left, rec->left))(m_rng);
        const int64_t doc = document(f.year2026, f.month2026(month), "");
        const int64_t line = f.post(doc, "202-01-001", "201-01-001", Money::fromMinor(x));
        f.settle(pay->id, line, Money::fromMinor(x), {}, rec->id);
        for (Open* o : {pay, rec}) { o->left -= x; o->rem -= x; }
    }
}

void RandomLedger::costCentreLine() {
    const int currency = pick(3);   // PLN, EUR, USD
    const QString waluta = currency == 0 ? "" : currency == 1 ? "EUR" : "USD";
    const QString counter = currency == 0 ? "130-01" : currency == 1 ? "131-01" : "131-02";
    const QString account = chance(50) ? "550-01" : "550-02";
    const bool dt = chance(70);
    const Money pln = amount(100, 300000);
    const Money cur = currency == 0 ? Money() : Money::fromMinor(pln.minor() / 4 + 1);
    const int64_t doc = document(f.year2026, chance(3) ? f.bz2026() : f.month2026(1 + pick(12)), waluta, chance(5) ? 1 : 2);
    const int64_t line = dt ? f.post(doc, account, counter, pln, cur, waluta) : f.post(doc, counter, account, pln, cur, waluta);
    static const char* const kCentres[] = {"K1", "K2", "K3"};
    static const char* const kProjects[] = {"", "P1", "P2"};
    const int parts = 1 + pick(3);
    std::vector<CostSplit> splits;
    int64_t left = pln.minor();
    for (int i = 0; i < parts; ++i) {
        const int64_t part = i + 1 == parts ? left : std::uniform_int_distribution<int64_t>(0, left)(m_rng);
        left -= part;
        CostSplit s{Money::fromMinor(part), {}};
        s.wskazniki[0] = f.costCentre(1, kCentres[pick(3)]);
        const char* project = kProjects[pick(3)];
        if (*project) s.wskazniki[1] = f.costCentre(2, project);
        splits.push_back(s);
    }
    f.splitCostCentres(line, dt ? "WN" : "MA", splits);
}

void RandomLedger::plainLine() {
    static const QStringList kBalance{"010-01", "130-01", "140-01", "140-02", "150-01", "150-02", "800", "401", "700-01"};
    const int kind = pick(100);
    const int period = chance(3) ? f.bz2026() : f.month2026(1 + pick(12));
    const int status = chance(5) ? 1 : 2;
    const Money pln = amount(1, 1000000);
    if (kind < 8) {   // off-balance, one side only
        const QString account = chance(50) ? "980-01" : "990";
        const int64_t doc = document(f.year2026, period, "", status);
        if (chance(70)) f.post(doc, account, "", pln);
        else f.post(doc, "", account, pln);
    } else if (kind < 14) {   // a PLN-only line of the currency account
        const int64_t doc = document(f.year2026, period, "", status);
        if (chance(50)) f.post(doc, "131-01", "130-01", pln);
        else f.post(doc, "130-01", "131-01", pln);
    } else if (kind < 20) {   // a currency line of the currency accounts
        const bool eur = chance(50);
        const int64_t doc = document(f.year2026, period, eur ? "EUR" : "USD", status);
        f.post(doc, eur ? "131-01" : "131-02", "800", pln, Money::fromMinor(pln.minor() / 4 + 1), eur ? "EUR" : "USD");
    } else {
        const QString dt = kBalance[pick(kBalance.size())];
        QString ct = kBalance[pick(kBalance.size())];
        if (ct == dt) ct = "130-01" == dt ? "800" : "130-01";
        const int64_t doc = document(f.year2026, period, "", status);
        f.post(doc, dt, ct, pln);
    }
}

void RandomLedger::attach() {
    if (m_attachMode != 2) return;
    std::vector<int64_t> candidates;
    for (const Open& o : m_open)
        if (o.account == QLatin1String("201-01-001") && (o.rem != 0 || o.remW != 0)) candidates.push_back(o.id);
    if (candidates.empty()) {
        m_attachMode = 1;
        return;
    }
    const int n = std::min<int>(int(candidates.size()), 1 + pick(2));
    for (int i = 0; i < n; ++i) {
        const int64_t id = candidates[pick(int(candidates.size()))];
        if (!m_attached.insert(id).second) continue;
        f.db.execute("insert into ZMIANA_PLANU_KONT_ROZRACHUNKI (id_uzytkownika, id_zmiana_planu_kont, id_rozrachunku) values (?, ?, ?)",
                     {m_user, m_attachRow, id});
    }
}

QString RandomLedger::target(const QString& account) const {
    static const std::map<QString, QString> moves{{"010-01", "011-01"}, {"140-01", "141-01"}, {"140-02", "141-01"},
                                                  {"150-01", "150-02"}, {"150-02", "150-01"}, {"202-01-001", "203-01-001"},
                                                  {"401", "860"},       {"700-01", "860"}};
    if (account == QLatin1String("980-01")) return m_skip980 ? QString() : account;
    if (account == QLatin1String("201-01-001") && m_attachMode == 1) return "205-01";
    return moves.count(account) ? moves.at(account) : account;
}

QString RandomLedger::targetOfSettlement(int64_t id, const QString& account) const {
    if (m_attachMode == 2 && m_attached.count(id)) return "205-01";
    return target(account);
}

const std::set<QString>& RandomLedger::movedSynthetics() {
    static const std::set<QString> all{"010", "011", "140", "141", "150", "201", "202", "203", "205", "401", "700", "860", "980"};
    return all;
}

} // namespace ksiega::test
