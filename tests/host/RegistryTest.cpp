// Registries by name: a second registration under a taken name is refused, whichever of
// the five registries it goes to, and the first one stays in use.
#include "host/Subcommands.h"
#include "host/gui/ProcedureCatalogue.h"
#include "host/gui/ShotTargets.h"
#include "host/report/ReportTargets.h"
#include "platform/runtime/Registry.h"
#include "platform/server/Procedures.h"
#include <gtest/gtest.h>

using namespace ksiega;
using namespace ksiega::host;

namespace {

// The message names what was registered twice.
template <typename F>
void expectRefused(F&& registration, const char* name) {
    try {
        registration();
        ADD_FAILURE() << name << " was registered twice";
    } catch (const std::logic_error& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QString::fromUtf8(name))) << e.what();
    }
}

} // namespace

TEST(Registry, findsByKeyListsInOrderAndRefusesADuplicate) {
    Registry<int> r(QStringLiteral("thing"), [](const QString& n) { return n.trimmed().toUpper(); });
    r.add(QStringLiteral("beta"), 2);
    r.add(QStringLiteral("alfa"), 1);
    ASSERT_NE(r.find(QStringLiteral(" ALFA ")), nullptr);
    EXPECT_EQ(*r.find(QStringLiteral("alfa")), 1);
    EXPECT_EQ(r.find(QStringLiteral("gamma")), nullptr);
    EXPECT_EQ(r.names(), (QStringList{"ALFA", "BETA"}));
    QStringList visited;
    r.forEach([&](const QString& k, const int& v) { visited << k + QString::number(v); });
    EXPECT_EQ(visited, (QStringList{"ALFA1", "BETA2"}));

    expectRefused([&] { r.add(QStringLiteral("Beta"), 3); }, "Beta");
    EXPECT_EQ(*r.find(QStringLiteral("beta")), 2);
    EXPECT_EQ(r.size(), 2u);
    EXPECT_THROW(r.add(QStringLiteral("  "), 4), std::logic_error);
}

TEST(Registry, everyRegistryOfTheProcessRefusesATakenName) {
    ASSERT_NE(subcommands().find(QStringLiteral("entries")), nullptr);
    expectRefused([] { registerSubcommand({QStringLiteral("entries"), QStringLiteral("another"), {}, {}, [](const Arguments&) { return 0; }}); },
                  "entries");
    EXPECT_EQ(subcommands().find(QStringLiteral("entries"))->summary.contains("another"), false);

    ASSERT_NE(catalogue().find(QStringLiteral("KSIEGA_WG_KONT")), nullptr);
    expectRefused([] { registerMenuProcedure({"KSIEGA_WG_KONT", "Inne", QString::fromUtf8(menu::LEDGER), 1, [] {}}); },
                  "KSIEGA_WG_KONT");
    EXPECT_EQ(catalogue().find(QStringLiteral("KSIEGA_WG_KONT"))->caption, QStringLiteral("Przeglądanie wg kont"));

    ASSERT_NE(findReportTarget(QStringLiteral("PRN_62_KSIEGA_K")), nullptr);
    expectRefused([] { registerReportTarget({QStringLiteral("PRN_62_KSIEGA_K"), {}, {}}); }, "PRN_62_KSIEGA_K");
    EXPECT_TRUE(findReportTarget(QStringLiteral("PRN_62_KSIEGA_K"))->build);

    ASSERT_NE(findShotTarget(QStringLiteral("main")), nullptr);
    expectRefused([] { registerShotTarget(QStringLiteral("main"), {}); }, "main");
    EXPECT_TRUE(*findShotTarget(QStringLiteral("main")));

    // Server procedures compare without case and without "dbo.".
    const QStringList procedures = server::procedureNames();
    ASSERT_FALSE(procedures.isEmpty());
    const QString taken = "dbo." + procedures.first().toLower();
    expectRefused([&] { server::registerProcedure(taken, {}); }, taken.toUtf8().constData());
    ASSERT_NE(server::findProcedure(taken), nullptr);
    EXPECT_TRUE(*server::findProcedure(taken));
}
