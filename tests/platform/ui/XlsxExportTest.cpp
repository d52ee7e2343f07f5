#include "ListFixture.h"
#include "platform/runtime/Date.h"
#include "platform/ui/export/XlsxExport.h"
#include "platform/ui/list/PagedListModel.h"
#include "support/TestDatabase.h"
#include "support/SchemaOwner.h"
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace ksiega;
using namespace ksiega::ui;

namespace {
QString sheetXml(const QString& path, int sheet = 1) {
    QProcess unzip;
    unzip.start("unzip", {"-p", path, QStringLiteral("xl/worksheets/sheet%1.xml").arg(sheet)});
    unzip.waitForFinished(60000);
    return QString::fromUtf8(unzip.readAllStandardOutput());
}
QString cell(const QString& xml, const QString& ref) {
    const auto m = QRegularExpression(QStringLiteral("<c r=\"%1\"[^>]*>(.*?)</c>").arg(ref)).match(xml);
    return m.hasMatch() ? m.captured(1) : QString();
}
} // namespace

class XlsxExportTest : public test::DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        test::createListTable(*test::openAsOwner(url()), 6000);
    }
    QTemporaryDir dir;
};
KSIEGA_ON_BOTH_ENGINES(XlsxExportTest);

TEST_P(XlsxExportTest, writesEveryRowOfTheFilterNotOnlyThePageOnScreen) {
    ListQuery q = test::listQuery();
    q.filter = {QStringLiteral("kwota > ?"), {0}};
    PagedListModel list(db(), q);
    list.setPageSize(100);
    list.setQuery(q);
    const int64_t inFilter = *db().scalarInt("select count(*) from TEST_LISTA where id_firmy = 1 and kwota > 0");
    ASSERT_GT(inFilter, 1000);

    const QString path = dir.filePath("lista.xlsx");
    std::vector<int> seen;
    const ExportResult r = EXPORT2EXCEL(list, path, [&](int p) { seen.push_back(p); return true; });
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    EXPECT_EQ(r.rows, inFilter);
    EXPECT_EQ(seen.back(), 100);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));

    const QString xml = sheetXml(path);
    EXPECT_EQ(xml.count("<row "), inFilter + 1);
    EXPECT_TRUE(cell(xml, "B1").contains("Kwota"));
    // Row 2 is the list's first row: the amount a number with two decimals, the date a
    // date serial (days since 30 Dec 1899) formatted as a date, the text as text.
    const int64_t amount = list.valueAt(0, "kwota").toInt64();
    const int day = int(list.valueAt(0, "data").toInt64());
    const QString b2 = cell(xml, "B2"), c2 = cell(xml, "C2");
    const auto v = QRegularExpression("<v>([-0-9.]+)</v>").match(b2);
    ASSERT_TRUE(v.hasMatch()) << b2.toStdString();
    EXPECT_EQ(v.captured(1), Money::fromMinor(amount).toString().remove(QRegularExpression("\\.?0+$")));
    EXPECT_EQ(c2, QStringLiteral("<v>%1</v>").arg(QDate(1899, 12, 30).daysTo(date::toQDate(day))));
    EXPECT_TRUE(cell(xml, "A2").contains(list.valueAt(0, "nazwa").toText()));
    EXPECT_TRUE(cell(xml, "D2").contains(QStringLiteral("<v>%1</v>").arg(list.idAt(0))));
}

TEST_P(XlsxExportTest, aCancelledExportLeavesNoFile) {
    const QString path = dir.filePath("przerwany.xlsx");
    const ExportResult r = exportToXlsx(db(), test::listQuery(), path, [](int p) { return p < 50; });
    EXPECT_TRUE(r.cancelled);
    EXPECT_FALSE(QFile::exists(path));
}
