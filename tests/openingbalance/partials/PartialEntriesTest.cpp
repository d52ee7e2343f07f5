// The partial-entries window's rules: what it refuses to take, removal after the question,
// and the read-only list of the settlements-only mode.
#include "openingbalance/partials/PartialEntriesController.h"
#include "platform/ui/dialogs/ScriptedDialogs.h"
#include <gtest/gtest.h>

using namespace ksiega;
using namespace ksiega::openingbalance;

namespace {

server::PartialEntry entry(const char* wn, const char* wnW = "0") {
    server::PartialEntry e;
    e.nrDok = QStringLiteral("PK/7");
    e.opis = QStringLiteral("Dostawa 'Gamma'");
    e.kwotaWn = Money::parseOrThrow(QString::fromLatin1(wn));
    e.kwotaWnW = Money::parseOrThrow(QString::fromLatin1(wnW));
    return e;
}

PartialEntriesContext context(bool currency, bool readOnly = false) {
    return {QStringLiteral("131-01"), QStringLiteral("EUR"), currency, readOnly, 46023};
}

} // namespace

TEST(PartialEntries, refusesWhatTheLineCannotHoldAndKeepsTheListUnchanged) {
    std::vector<server::PartialEntry> list;
    PartialEntriesController plain(context(false), list);
    EXPECT_EQ(plain.caption(), QStringLiteral("Dekrety dla konta: 131-01"));
    EXPECT_FALSE(plain.add(entry("10.00", "2.00")).isEmpty());   // currency amounts on a PLN-only account
    server::PartialEntry longText = entry("1.00");
    longText.opis = QString(PartialEntriesController::OPIS_MAX + 1, QLatin1Char('x'));
    EXPECT_FALSE(plain.add(longText).isEmpty());
    server::PartialEntry noMultiplier = entry("1.00");
    noMultiplier.mnoznikMa = 0;
    EXPECT_FALSE(plain.add(noMultiplier).isEmpty());
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(plain.newEntry().dataDok, 46023);

    PartialEntriesController currency(context(true), list);
    EXPECT_TRUE(currency.add(entry("43.00", "10.00")).isEmpty());
    EXPECT_TRUE(currency.add(entry("8.60", "2.00")).isEmpty());
    EXPECT_TRUE(currency.correct(1, entry("4.30", "1.00")).isEmpty());
    EXPECT_FALSE(currency.correct(5, entry("1.00")).isEmpty());
    EXPECT_EQ(currency.sums().kwotaWn, Money::parseOrThrow("47.30"));
    EXPECT_EQ(currency.sums().kwotaWnW, Money::parseOrThrow("11.00"));
    EXPECT_EQ(list.at(0).opis, QStringLiteral("Dostawa 'Gamma'"));
}

TEST(PartialEntries, removalAsksFirstAndAReadOnlyListTakesNothing) {
    ui::ScriptedDialogs dialogs;
    ui::ScopedDialogs scoped(dialogs);
    std::vector<server::PartialEntry> list{entry("1.00"), entry("2.00")};
    PartialEntriesController c(context(false), list);
    dialogs.answer(2);   // "Nie"
    EXPECT_FALSE(c.remove(0));
    EXPECT_EQ(list.size(), 2u);
    dialogs.answer(1);
    EXPECT_TRUE(c.remove(0));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list.front().kwotaWn, Money::parseOrThrow("2.00"));
    EXPECT_EQ(dialogs.texts(ui::ScriptedDialogs::Kind::Question),
              (QStringList{QStringLiteral("Czy chcesz usunąć wybraną pozycję?"), QStringLiteral("Czy chcesz usunąć wybraną pozycję?")}));

    PartialEntriesController readOnly(context(false, true), list);
    EXPECT_FALSE(readOnly.add(entry("5.00")).isEmpty());
    EXPECT_FALSE(readOnly.remove(0));
    EXPECT_EQ(list.size(), 1u);
}
