#pragma once
// The shared ledger (LedgerTest), a freshly loaded module, a session on the 2026 year of the
// ledger's company, scripted dialogs, and the module's connection lent to the test's database.
#include "support/FrameFixture.h"
#include "frame/database/ModuleDatabase.h"
#include "ledger/quickfilter/QuickFilterController.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/FilterExpression.h"
#include "platform/siblings/pickers/ChartOfAccountsPicker.h"
#include "platform/siblings/pickers/DatePickers.h"
#include "platform/siblings/pickers/DocumentPicker.h"
#include "platform/siblings/pickers/PartyPickers.h"
#include "support/LedgerTest.h"
#include <memory>

namespace ksiega::test {

class QuickFilterTest : public LedgerTest {
protected:
    void SetUp() override {
        LedgerTest::SetUp();
        if (IsSkipped()) return;
        freshModule(m_dir);
        session().DANE_ID_FIRMY = f().company;
        session().DANE_LATA_OBROTOWE = f().year2026;
        session().DANE_ID_UZYTKOWNIKA_NR = 5;
        session().DANE_DATA_BIEZACA = date::fromYmd(2026, 4, 15);
        lendDatabase(&db());
    }
    void TearDown() override {
        lendDatabase(nullptr);
        pickers::replaceDocumentPicker(nullptr);
        pickers::replaceChartOfAccountsPicker(nullptr);
        pickers::replacePartyPickers(nullptr);
        pickers::replaceDatePickers(nullptr);
        restoreStandIns();
        unloadModule();
        LedgerTest::TearDown();
    }

    LedgerFixture& ledger() { return f(); }
    std::unique_ptr<ledger::QuickFilterController> open(const QString& mode = QStringLiteral("1")) {
        return std::make_unique<ledger::QuickFilterController>(db(), session(), ledger::quickFilterState(), mode);
    }
    // How many entry-view rows of the session's year the expression keeps (-1: it does not translate).
    int64_t matching(const QString& expression, const QString& view = QStringLiteral("POZ_DOK_VIEW_UNION")) {
        const FilterTranslation t = translateFilter(expression);
        EXPECT_TRUE(t.ok()) << t.error.toStdString() << " in " << expression.toStdString();
        if (!t.ok()) return -1;
        QString sql = QStringLiteral("select count(*) from ") + view + QStringLiteral(" where id_firmy=? and id_lata_obrot=?");
        if (!t.where.isEmpty()) sql += QStringLiteral(" and (") + t.where + QChar(')');
        return db().scalarInt(sql, {session().DANE_ID_FIRMY, session().DANE_LATA_OBROTOWE}).value_or(-1);
    }

    QTemporaryDir m_dir;
    ui::ScriptedDialogs m_dialogs;
    ui::ScopedDialogs m_installed{m_dialogs};
};

} // namespace ksiega::test
