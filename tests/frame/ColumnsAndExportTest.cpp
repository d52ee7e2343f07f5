// Column layouts of lists (KONFIGURACJA_OKNA) and the spreadsheet export.
#include "FrameFixture.h"
#include "platform/ui/export/SpreadsheetExport.h"
#include "platform/ui/settings/ColumnConfiguration.h"
#include "platform/runtime/Date.h"
#include <QHeaderView>
#include <QProcess>
#include <QStandardItemModel>
#include <QTableView>

using namespace ksiega;

namespace {

class ScriptedColumnEditor : public ColumnEditor {
public:
    std::optional<ColumnLayout> answer;
    int calls = 0;
    std::optional<ColumnLayout> edit(const ColumnLayout&) override {
        ++calls;
        return answer;
    }
};

class Columns : public test::FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        installColumnEditor(&m_editor);
    }
    void TearDown() override {
        installColumnEditor(nullptr);
        FrameTest::TearDown();
    }
    ScriptedColumnEditor m_editor;
};

const QString DEFAULT_LAYOUT = QStringLiteral("Okres\t20\t1\nNr ewidencyjny\t25\t1\nKwota Dt/wal./\t14\t1\n");

TEST_F(Columns, openingGivesTheListOwnLayoutUntilTheUserConfiguresOneForThatBrowser) {
    EXPECT_EQ(KONFIGURACJA_OKNA(2, 40, DEFAULT_LAYOUT), DEFAULT_LAYOUT);

    ColumnLayout edited = ColumnLayout::parse(DEFAULT_LAYOUT);
    std::swap(edited.columns[0], edited.columns[2]);
    edited.columns[1].visible = false;
    m_editor.answer = edited;
    EXPECT_EQ(KONFIGURACJA_OKNA(3, 40, DEFAULT_LAYOUT), edited.text());

    test::freshModule(m_dir);  // the next session of the program
    EXPECT_EQ(KONFIGURACJA_OKNA(2, 40, DEFAULT_LAYOUT), edited.text());
    EXPECT_EQ(KONFIGURACJA_OKNA(2, 41, DEFAULT_LAYOUT), DEFAULT_LAYOUT);

    m_editor.answer.reset();  // cancelled: the stored layout stays
    EXPECT_EQ(KONFIGURACJA_OKNA(3, 40, DEFAULT_LAYOUT), edited.text());
    EXPECT_EQ(m_editor.calls, 2);
}

TEST(ColumnLayoutText, keepsAnyTitleAndStopsAtTheTextLimit) {
    ColumnLayout layout;
    layout.columns.push_back({QStringLiteral("Kwota Ct/wal./, |x"), 55, false});
    EXPECT_EQ(ColumnLayout::parse(layout.text()).columns, layout.columns);
    for (int i = 0; i < 400; ++i) layout.columns.push_back({QStringLiteral("Kolumna %1").arg(i), 60, true});
    const QString text = layout.text();
    EXPECT_LE(text.size(), ColumnLayout::MAX_TEXT);
    EXPECT_TRUE(text.endsWith('\n'));
}

TEST(ColumnLayoutHeader, applyingALayoutReordersHidesAndSizesColumnsByTitle) {
    QStandardItemModel model(1, 3);
    model.setHorizontalHeaderLabels({QStringLiteral("Okres"), QStringLiteral("Nr ewidencyjny"), QStringLiteral("Opis")});
    QTableView view;
    view.setModel(&model);
    ColumnLayout::parse(QStringLiteral("Opis\t120\t1\nOkres\t30\t0\nnieznana\t5\t1\n")).apply(*view.horizontalHeader());
    const ColumnLayout shown = ColumnLayout::capture(*view.horizontalHeader());
    ASSERT_EQ(shown.columns.size(), 3);
    EXPECT_EQ(shown.columns[0], (ColumnLayoutEntry{QStringLiteral("Opis"), 120, true}));
    EXPECT_EQ(shown.columns[1].title, QStringLiteral("Okres"));
    EXPECT_FALSE(shown.columns[1].visible);
    EXPECT_EQ(shown.columns[2].title, QStringLiteral("Nr ewidencyjny"));
    EXPECT_TRUE(shown.columns[2].visible);
}

TEST(SpreadsheetExport, writesEveryRowWithAmountsAsNumbersAndTextAsItIs) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("lista.xlsx"));
    int64_t left = 3;
    const ExportResult r = EXPORT2EXCEL(file, {QStringLiteral("Nr ewidencyjny"), QStringLiteral("Kwota Dt"), QStringLiteral("Data")},
                                        [&](SheetRow& row) {
                                            if (left == 0) return false;
                                            row = {QStringLiteral("PK <%1> & 'ś'").arg(left), Money::fromMinor(123456 * left),
                                                   SheetDate{date::fromYmd(2024, 3, int(left))}};
                                            --left;
                                            return true;
                                        });
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.rows, 3);
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), file, QStringLiteral("xl/worksheets/sheet1.xml")});
    ASSERT_TRUE(unzip.waitForFinished(10000));
    const QString xml = QString::fromUtf8(unzip.readAllStandardOutput());
    EXPECT_TRUE(xml.contains(QStringLiteral("PK &lt;3&gt; &amp; 'ś'")));
    EXPECT_TRUE(xml.contains(QStringLiteral("<v>3703.68</v>")));
    EXPECT_TRUE(xml.contains(QStringLiteral("Kwota Dt")));
}

TEST(SpreadsheetExport, aFileThatCannotBeWrittenIsReportedNotClaimed) {
    const ExportResult r = EXPORT2EXCEL(QStringLiteral("/nonexistent/folder/x.xlsx"), {QStringLiteral("A")},
                                        [](SheetRow&) { return false; });
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.isEmpty());
}

} // namespace
