#include "HostFixture.h"
#include "host/Subcommands.h"
#include "support/TestDatabase.h"
#include <QImage>
#include <QTemporaryDir>

using namespace ksiega;
using namespace ksiega::host;

namespace {

int runCommand(const QString& name, const QStringList& args) { return runSubcommand(name, args); }

TEST(ShotCommand, writesAPngOfTheRequestedSizeOfTheMainWindow) {
    test::ScratchDatabase scratch(db::Engine::Sqlite);
    const int64_t company = test::addCompany(scratch.db(), "Alfa");
    test::addYear(scratch.db(), company, "2026", QDate(2026, 1, 1), QDate(2026, 12, 31));
    test::addUser(scratch.db(), "admin", 1);
    QTemporaryDir dir;
    const QString out = dir.filePath("main.png");

    EXPECT_EQ(runCommand("shot", {"main", "--db", scratch.url(), "--out", out, "--width", "800", "--height", "600"}), 0);
    const QImage image(out);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(800, 600));
    bool varied = false;
    const QRgb corner = image.pixel(400, 300);
    for (int x = 0; x < 800 && !varied; x += 7)
        for (int y = 0; y < 600 && !varied; y += 7) varied = image.pixel(x, y) != corner;
    EXPECT_TRUE(varied);
}

TEST(ShotCommand, refusesUnknownWindowsAndMissingDatabases) {
    QTemporaryDir dir;
    const QString missing = "sqlite:" + dir.filePath("nie-ma.db");
    EXPECT_THROW(runCommand("shot", {"NIE_MA", "--db", missing, "--out", dir.filePath("x.png")}), UsageError);
    try {
        runCommand("shot", {"main", "--db", missing, "--out", dir.filePath("x.png")});
        FAIL();
    } catch (const UsageError& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains("ksiega demo"));
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("nie-ma.db")));
}

} // namespace
