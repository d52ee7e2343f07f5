#pragma once
// The card window's world: the register "ODB" of contractors behind account 201-01, whose
// cards 101 and 102 have the sub-accounts 201-01-001 and 201-01-002 (card 101 also has
// 202-01-001 under the suppliers), an opening line of 750,00 on 201-01-002 beside the
// fixture's 2 000,00 on 201-01-001, and the libraries the window calls scripted.
#include "openingbalance/LineEditors.h"
#include "platform/siblings/documents/DocumentsLibrary.h"
#include "platform/siblings/pickers/CardPickers.h"
#include "support/WindowFixture.h"
#include "support/WiringFixture.h"

namespace ksiega::test {

// The amount entry window as the card window sees it: what it was opened on, what it answers.
struct RecordingLineEditors : openingbalance::LineEditors {
    QStringList amounts;   // "account|currency|document"
    uint8_t answer = 0;
    uint8_t editAmounts(db::Database&, const SessionContext&, const openingbalance::LineRequest& r, QWidget*) override {
        amounts << QStringLiteral("%1|%2|%3").arg(r.account, r.currency).arg(r.idNagDok) +
                       (r.settlementsOnly ? QStringLiteral("|rozrachunki") : QString());
        return answer;
    }
    uint8_t editCard(db::Database&, const SessionContext&, const openingbalance::LineRequest&, QWidget*) override { return 0; }
};

struct RecordingCardPickers : pickers::CardPickers {
    QStringList calls;     // "kind|register|filter|a|b"
    pickers::CardChoice choice;
    pickers::CardChoice pickCard(const pickers::PickerContext&, QChar kind, const QString& registerSymbol,
                                 const QString& filter, const QString& a, const QString& b) override {
        calls << QStringList{QString(kind), registerSymbol, filter, a, b}.join('|');
        return choice;
    }
};

struct RecordingDocuments : documents::DocumentsLibrary {
    QStringList released;
    int UPRAWNIENIA_POPRAW_DOKUMENT(const documents::DocumentCaller&, int, int64_t, int64_t) override { return 0; }
    int UP_DOKUMENTY(const documents::DocumentCaller&, int64_t, int, int64_t, int64_t) override { return 0; }
    void DOKUMENTY_RK_DEL(const documents::DocumentCaller& caller, const QString& mode) override {
        released << caller.login + "|" + mode;
    }
};

// Over the window fixture, or over the wiring fixture that scripts every library.
template <class Base>
class CardsTestOn : public Base {
protected:
    using Base::db;
    using Base::f;
    void SetUp() override {
        Base::SetUp();
        if (this->IsSkipped()) return;
        db().execute("insert into KARTOTEKA_UZYTKOWNIKA (id_firmy, symbol_kartoteki, nazwa_kartoteki, rodzaj, filtr_kartoteka) "
                     "values (?, 'ODB', 'Odbiorcy', 'K', 'KON:czy_aktywny=1')",
                     {f().company});
        line002 = f().openingBalanceLine(f().year2026, "201-01-002", "", zl("750.00"));
        request.idNagDok = f().openingPln;
        request.account = QStringLiteral("201-01");
        request.currency = QStringLiteral("PLN");
        request.cardSymbol = QStringLiteral("ODB");
        pickers::replaceCardPickers(&cards);
    }
    void TearDown() override {
        pickers::replaceCardPickers(nullptr);
        Base::TearDown();
    }

    // The line's amounts straight from POZ_DOK: Dt, Dt in currency, Ct, Ct in currency.
    std::vector<Money> amountsOf(int64_t line) {
        db::Rows r = db().select("select kwota_wn, kwota_wn_w, kwota_ma, kwota_ma_w from POZ_DOK where id_poz_dok=?", {line});
        if (!r.next()) return {};
        return {r.money(0), r.money(1), r.money(2), r.money(3)};
    }
    int64_t count(const QString& sql, const db::Params& params = {}) { return db().scalarInt(sql, params).value_or(-1); }
    int64_t claims() { return count("select count(*) from BLOKADY_POZYCJI"); }

    int64_t line002 = 0;
    openingbalance::LineRequest request;
    RecordingCardPickers cards;
    RecordingLineEditors editors;
};

using CardsTest = CardsTestOn<WindowTest>;

} // namespace ksiega::test
