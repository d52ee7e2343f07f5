#pragma once
// The amount entry controller on the shared test ledger, its sub-windows answered by the
// test, and snapshots of every table a save writes, read with plain SQL.
#include "openingbalance/entry/AmountEntryController.h"
#include "support/WindowFixture.h"
#include <functional>

namespace ksiega::test {

struct ScriptedEntryServices : openingbalance::AmountEntryServices {
    std::function<void(std::vector<openingbalance::SettlementRow>&)> onSettlements;
    std::function<void(std::vector<server::PartialEntry>&)> onPartials;
    QStringList reached;

    void editSettlements(db::Database&, const SessionContext&, const openingbalance::LineSettlementsContext&,
                         std::vector<openingbalance::SettlementRow>& rows, QWidget*) override {
        reached << "Rozrachunki";
        if (onSettlements) onSettlements(rows);
    }
    void editPartialEntries(const openingbalance::PartialEntriesContext&, std::vector<server::PartialEntry>& entries,
                            QWidget*) override {
        reached << "Szczegóły";
        if (onPartials) onPartials(entries);
    }
    bool editCostCentres(db::Database&, const QString& strona, const costcentres::CostCentreLine&,
                         costcentres::CostCentreSplit&, QWidget*) override {
        reached << "MPK_DANE " + strona;
        return false;
    }
};

class AmountEntryTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        if (IsSkipped()) return;
        recompute();
        // 201 is a currency and settlement account; 202 a settlement account with cost centres.
        db().execute("update KONTA_SYNT set czy_mpk=1 where nr_konta_syn=202");
    }

    std::unique_ptr<openingbalance::AmountEntryController> entry(const QString& account, const QString& currency = "PLN") {
        openingbalance::LineRequest r;
        r.idNagDok = currency == QLatin1String("PLN") ? f().openingPln : f().openingEur;
        r.account = account;
        r.currency = currency;
        return std::make_unique<openingbalance::AmountEntryController>(db(), session(), r, services);
    }

    // A settlement as the settlement form makes a new one.
    server::OpeningSettlement settlement(const char* strona, const char* kwota, const char* kwotaW = "0", bool korekta = false) {
        server::OpeningSettlement s;
        s.symbol = QStringLiteral("FV/%1").arg(++m_number);
        s.dataDok = f().bo2026();
        s.terminPlatnosci = f().bo2026() + 14;
        s.strona = QString::fromLatin1(strona);
        s.kwota = zl(kwota);
        s.kwotaW = zl(kwotaW);
        s.korekta = korekta;
        return s;
    }
    void addSettlements(openingbalance::AmountEntryController& c, std::vector<server::OpeningSettlement> list) {
        services.onSettlements = [list](std::vector<openingbalance::SettlementRow>& rows) {
            for (const auto& s : list) rows.push_back({s, openingbalance::SettlementState::New});
        };
        c.editSettlements(nullptr);
        services.onSettlements = nullptr;
    }
    void setPartials(openingbalance::AmountEntryController& c, std::vector<server::PartialEntry> list) {
        services.onPartials = [list](std::vector<server::PartialEntry>& entries) { entries = list; };
        c.editPartialEntries(nullptr);
        services.onPartials = nullptr;
    }
    static server::PartialEntry partial(const char* wn, const char* wnW, const char* ma, const char* maW, const QString& opis = {}) {
        server::PartialEntry p;
        p.nrDok = QStringLiteral("PK/1");
        p.opis = opis;
        p.kwotaWn = zl(wn);
        p.kwotaWnW = zl(wnW);
        p.kwotaMa = zl(ma);
        p.kwotaMaW = zl(maW);
        return p;
    }

    // Every row of the tables a save writes, as text.
    QStringList snapshot() {
        QStringList out;
        for (const char* table : {"POZ_DOK", "POZ_DOK_CZASTKOWE", "ROZRACHUNEK", "ROZLICZENIE", "MPK_DANE", "OBROTY_I_SALDA"}) {
            db::Rows r = db().select(QStringLiteral("select * from %1 order by 1").arg(QLatin1String(table)));
            while (r.next()) {
                QStringList cols{QLatin1String(table)};
                for (int c = 0; c < r.columnCount(); ++c) cols << (r.isNull(c) ? QStringLiteral("NULL") : r.text(c));
                out << cols.join('|');
            }
        }
        return out;
    }
    int64_t claims() { return db().scalarInt("select count(*) from BLOKADY_POZYCJI").value_or(-1); }
    QStringList questions() { return dialogs.texts(ui::ScriptedDialogs::Kind::Question); }

    ScriptedEntryServices services;

private:
    int m_number = 0;
};

} // namespace ksiega::test
