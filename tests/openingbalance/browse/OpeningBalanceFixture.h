#pragma once
// The opening-balance browse on the shared test ledger: a controller on 2026 with line
// editors that write down what "Popraw" asked, helpers that add accounts to the chart,
// and the sums of the opening-balance lines taken straight from POZ_DOK.
#include "entries/accountfilter/AccountFilterSettings.h"
#include "openingbalance/browse/OpeningBalanceController.h"
#include "support/WindowFixture.h"
#include <QStringList>

namespace ksiega::test {

struct RecordingLineEditors : openingbalance::LineEditors {
    std::vector<openingbalance::LineRequest> amounts, cards;
    uint8_t answer = 0;
    uint8_t editAmounts(db::Database&, const SessionContext&, const openingbalance::LineRequest& r, QWidget*) override {
        amounts.push_back(r);
        return answer;
    }
    uint8_t editCard(db::Database&, const SessionContext&, const openingbalance::LineRequest& r, QWidget*) override {
        cards.push_back(r);
        return answer;
    }
};

class OpeningBalanceTest : public WindowTest {
protected:
    std::unique_ptr<openingbalance::OpeningBalanceController> opened() {
        auto c = std::make_unique<openingbalance::OpeningBalanceController>(db(), session(), editors);
        c->filterWindow = [] { return uint8_t(0); };
        c->open();
        return c;
    }

    // An account of the year's chart below an existing synthetic account.
    void addAccount(int64_t year, const QString& account, int synthetic, const QString& name = QStringLiteral("Konto"),
                    int editable = 1) {
        db().execute("insert into WARTOSCI_KONT (id_firmy, id_lata_obrot, nr_konta, nazwa_konta, nr_konta_syn, poziom, "
                     "nr_konta_nadrz, czy_edytowalne) values (?, ?, ?, ?, ?, ?, ?, ?)",
                     {f().company, year, account, name, synthetic, int(account.count('-')),
                      account.left(account.lastIndexOf('-')), editable});
    }
    // A synthetic account with its WARTOSCI_KONT row.
    void addSynthetic(int64_t year, int number, const QString& typ = QStringLiteral("B")) {
        const QString text = QStringLiteral("%1").arg(number, 3, 10, QChar('0'));
        db().execute("insert into KONTA_SYNT (id_firmy, id_lata_obrot, nr_konta_syn, nazwa, typ_konta) values (?, ?, ?, ?, ?)",
                     {f().company, year, number, "Syntetyczne " + text, typ});
        db().execute("insert into WARTOSCI_KONT (id_firmy, id_lata_obrot, nr_konta, nazwa_konta, nr_konta_syn, poziom) "
                     "values (?, ?, ?, ?, ?, 0)",
                     {f().company, year, text, "Syntetyczne " + text, number});
    }

    // One side of the opening-balance lines of a document for the account and every
    // account below it ("130-1" takes "130-1-5", never "130-10"), PLN then currency.
    std::pair<Money, Money> lineSum(int64_t document, const QString& account, const char* side) {
        const QString s = QString::fromLatin1(side);
        auto rows = db().select(QStringLiteral("select coalesce(sum(kwota_%1),0), coalesce(sum(kwota_%1_w),0) from POZ_DOK "
                                               "where id_nag_dok=? and (konto_%1=? or konto_%1 like ?)")
                                    .arg(s),
                                {document, account, account + "-%"});
        rows.next();
        return {rows.money(0), rows.money(1)};
    }
    // The same over every opening-balance document of the 2026, PLN only.
    Money allDocumentsSum(const QString& account, const char* side) {
        const QString s = QString::fromLatin1(side);
        auto rows = db().select(QStringLiteral("select coalesce(sum(p.kwota_%1),0) from POZ_DOK p join NAG_DOK n on "
                                               "n.id_nag_dok=p.id_nag_dok where n.czy_rk=10 and n.id_lata_obrot=? and "
                                               "(p.konto_%1=? or p.konto_%1 like ?)")
                                    .arg(s),
                                {f().year2026, account, account + "-%"});
        rows.next();
        return rows.money(0);
    }

    static const openingbalance::AccountRow& row(const openingbalance::OpeningBalanceController& c, const QString& account) {
        for (const auto& r : c.rows())
            if (r.account == account) return r;
        throw std::invalid_argument(("no row " + account).toStdString());
    }
    static QStringList accounts(const openingbalance::OpeningBalanceController& c) {
        QStringList out;
        for (int i : c.displayOrder()) out << c.rows()[size_t(i)].account;
        return out;
    }
    static QStringList synthetics(const openingbalance::OpeningBalanceController& c) {
        QStringList out;
        for (int i : c.displayOrder())
            if (c.rows()[size_t(i)].level == 1) out << c.rows()[size_t(i)].account;
        return out;
    }
    static void applyFilter(const std::function<void(entries::AccountFilterSettings&)>& set) {
        entries::AccountFilterSettings s;
        set(s);
        s.computeDerived();
        entries::accountFilter() = s;
    }

    RecordingLineEditors editors;
};

} // namespace ksiega::test
