// PRN_62_KSIEGA_K against a real ledger: the queue filled as the browse fills it, the
// account name looked up in the chart, the description queue emptied, the pages saved
// as a PDF through the save-as switch.
#include "support/PdfText.h"
#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "frame/lifecycle/ModuleState.h"
#include "entries/turnovers/PeriodTurnoverList.h"
#include "platform/report/SaveFileChooser.h"
#include "platform/runtime/Date.h"
#include "platform/server/Turnovers.h"
#include "platform/ui/dialogs/ScriptedDialogs.h"
#include "entries/turnovers/AccountPeriodQueue.h"
#include "support/LedgerFixture.h"
#include "support/TestDatabase.h"
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <ksiega/ksiega.h>

using namespace ksiega;
using ksiega::test::pdfText;

namespace {

class Prn62KsiegaK : public test::DbTest {
protected:
    void TearDown() override {
        lendDatabase(nullptr);
        report::installSaveFileChooser({});
        resetSession();
        resetModuleState();
        DbTest::TearDown();
    }
};

} // namespace

TEST_P(Prn62KsiegaK, printsTheQueueWithTheAccountNameAndEmptiesTheDescriptionLines) {
    test::LedgerFixture f(db());
    server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f.company, f.year2026, 0);
    lendDatabase(&db());
    resetSession();
    SessionContext& s = session();
    s.DANE_ID_FIRMY = f.company;
    s.DANE_LATA_OBROTOWE = f.year2026;
    s.DANE_LATA_OBROT_NAZWA = QStringLiteral("2026");
    s.DANE_NAZWA_FIRMY = QStringLiteral("Przykładowa Spółka z o.o.");
    s.DANE_NAGLOWEK_WYDRUKU = QStringLiteral("Obroty konta bankowego");
    s.DANE_OPIS_PRN = {QStringLiteral("Opis dodatkowy")};
    s.GGG_EMAILPDFSAVEAS = 1;

    entries::PeriodTurnoverList list(db());
    list.rebuild({f.company, f.year2026, date::fromYmd(2026, 1, 1), date::fromYmd(2026, 12, 31), QStringLiteral("PLN"),
                  QStringLiteral("130-01"), true, 0});
    entries::setAccountPeriodQueue({QStringLiteral("130-01"), QStringLiteral("PLN"), list.rows()});

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("konto.pdf"));
    report::installSaveFileChooser([&](const QString&) { return file; });
    ui::ScriptedDialogs dialogs;
    ui::ScopedDialogs scripted(dialogs);

    PRN_62_KSIEGA_K_THREAD(QStringLiteral("0"));

    const QString text = pdfText(file);
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Konto: 130-01 +Rachunek bieżący PKO")))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Opis dodatkowy")));
    EXPECT_TRUE(text.contains(QStringLiteral("Obroty konta bankowego")));
    EXPECT_TRUE(text.contains(QStringLiteral("Persaldo")));
    EXPECT_TRUE(s.DANE_OPIS_PRN.isEmpty());
    EXPECT_EQ(s.GGG_EMAILPDFSAVEAS, 0);
    EXPECT_TRUE(dialogs.texts(ui::ScriptedDialogs::Kind::Warning).isEmpty());
}

KSIEGA_ON_BOTH_ENGINES(Prn62KsiegaK);
