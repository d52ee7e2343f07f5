// Load, KSIEGA_INIT, KSIEGA_KILL and unload of the module.
#include "support/FrameFixture.h"
#include "ksiega/ksiega.h"
#include "platform/siblings/data/FileAccess.h"
#include "platform/siblings/data/Globals.h"
#include "support/TestDatabase.h"
#include <QStringList>

using namespace ksiega;

namespace {

// Records every init and kill of the ten libraries, with the objects each was given.
struct CallLog {
    QStringList calls;
    std::vector<std::pair<ErrorReporter*, Settings*>> objects;
};

class RecordingLibrary : public SiblingLibrary {
public:
    RecordingLibrary(Sibling which, CallLog& log) : m_which(which), m_log(log) {}
    QString name() const override { return siblingName(m_which); }
    void init(ErrorReporter* e, Settings* s) override {
        m_log.calls << QStringLiteral("init ") + name();
        m_log.objects.emplace_back(e, s);
    }
    void kill() override { m_log.calls << QStringLiteral("kill ") + name(); }

private:
    Sibling m_which;
    CallLog& m_log;
};

class HostErrors : public ErrorReporter {
public:
    QStringList shown;

protected:
    void show(const FileError& e) override { shown << e.procedure + QChar(':') + e.table + QChar(':') + e.message; }
};

class Lifecycle : public test::FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        for (Sibling which : SIBLING_ORDER) {
            m_libraries.push_back(std::make_unique<RecordingLibrary>(which, m_log));
            replaceSiblingLibrary(which, m_libraries.back().get());
        }
    }
    QStringList expected(const QString& verb) const {
        QStringList out;
        for (Sibling which : SIBLING_ORDER) out << verb + QChar(' ') + siblingName(which);
        return out;
    }
    CallLog m_log;
    std::vector<std::unique_ptr<RecordingLibrary>> m_libraries;
};

TEST_F(Lifecycle, loadPreparesTheModuleObjectsAndPointsTheGlobalsAtThem) {
    ModuleState& m = moduleState();
    EXPECT_EQ(errorObject(), &m.moduleErrors());
    EXPECT_EQ(settingsObject(), &m.moduleSettings());
    EXPECT_EQ(m.moduleSettings().fileName(), settingsFile());
    EXPECT_TRUE(m.fuzzy().option(FuzzyMatcher::CaseInsensitive));
    EXPECT_FALSE(m.fuzzy().option(FuzzyMatcher::WholeWord));
    EXPECT_TRUE(m.tooltip().active());
    EXPECT_EQ(m.tooltip().title(), QStringLiteral("Help"));
    EXPECT_FALSE(m.initDone);
    EXPECT_FALSE(m.killDone);
}

TEST_F(Lifecycle, unloadShutsDownTheObjectsAndEmptiesBothPointers) {
    unloadModule();
    EXPECT_EQ(errorObject(), nullptr);
    EXPECT_EQ(settingsObject(), nullptr);
}

TEST_F(Lifecycle, initTwiceStartsTheTenLibrariesOnceInOrderWithTheHostObjects) {
    HostErrors hostErrors;
    Settings hostSettings(m_dir.filePath(QStringLiteral("host.ini")));
    KSIEGA_INIT(&hostErrors, &hostSettings);
    KSIEGA_INIT(nullptr, nullptr);

    EXPECT_EQ(m_log.calls, expected(QStringLiteral("init")));
    for (const auto& [e, s] : m_log.objects) {
        EXPECT_EQ(e, &hostErrors);
        EXPECT_EQ(s, &hostSettings);
    }
    EXPECT_EQ(errorObject(), &hostErrors);
    EXPECT_EQ(settingsObject(), &hostSettings);
    unloadModule();  // before the host's objects go
}

TEST_F(Lifecycle, killTwiceShutsDownOnceInTheSameOrder) {
    KSIEGA_INIT(nullptr, nullptr);
    m_log.calls.clear();
    KSIEGA_KILL();
    KSIEGA_KILL();
    EXPECT_EQ(m_log.calls, expected(QStringLiteral("kill")));
}

TEST_F(Lifecycle, initWithoutHostObjectsKeepsTheModuleOwnAndHandsThemToTheLibraries) {
    KSIEGA_INIT(nullptr, nullptr);
    ModuleState& m = moduleState();
    EXPECT_EQ(errorObject(), &m.moduleErrors());
    EXPECT_EQ(settingsObject(), &m.moduleSettings());
    ASSERT_EQ(m_log.objects.size(), SIBLING_ORDER.size());
    EXPECT_EQ(m_log.objects.front().first, &m.moduleErrors());
    EXPECT_EQ(m_log.objects.front().second, &m.moduleSettings());
}

TEST_F(Lifecycle, resetGivesAFreshModuleAndDropsSubsystemState) {
    struct Counter { int value = 0; };
    KSIEGA_INIT(nullptr, nullptr);
    KSIEGA_KILL();
    moduleState().state<Counter>().value = 5;
    resetModuleState();
    EXPECT_FALSE(moduleState().initDone);
    EXPECT_FALSE(moduleState().killDone);
    EXPECT_EQ(moduleState().state<Counter>().value, 0);
    m_log.calls.clear();
    KSIEGA_INIT(nullptr, nullptr);
    EXPECT_EQ(m_log.calls.size(), qsizetype(SIBLING_ORDER.size()));
}

TEST(StandIns, keepTheObjectsWhileInitialisedAndAreReplaceable) {
    StandInLibrary& data = dynamic_cast<StandInLibrary&>(siblingLibrary(Sibling::Data));
    ErrorReporter errors;
    Settings settings(QStringLiteral("/nonexistent/x.ini"));
    data.init(&errors, &settings);
    EXPECT_TRUE(data.initialised());
    EXPECT_EQ(data.errors(), &errors);
    data.kill();
    EXPECT_FALSE(data.initialised());
    EXPECT_EQ(data.settings(), nullptr);
}

// File errors of a real database reach the error object in force.
class FileErrors : public test::DbTest {
protected:
    void SetUp() override {
        test::DbTest::SetUp();
        if (IsSkipped()) return;
        test::freshModule(m_dir);
    }
    void TearDown() override {
        unloadModule();
        test::DbTest::TearDown();
    }
    QTemporaryDir m_dir;
    ui::ScriptedDialogs m_dialogs;
    ui::ScopedDialogs m_installed{m_dialogs};
};
KSIEGA_ON_BOTH_ENGINES(FileErrors);

TEST_P(FileErrors, withTheModuleOwnObjectAMissingTableIsShownWithProcedureAndEngineText) {
    KSIEGA_INIT(nullptr, nullptr);
    errorObject()->setProcedureName(QStringLiteral("KSIEGA_WG_KONT"));
    const bool ok = fileAccess(QStringLiteral("BRAK_TABELI"),
                               [&] { db().select(QStringLiteral("select x from BRAK_TABELI")).next(); });
    EXPECT_FALSE(ok);
    ASSERT_EQ(m_dialogs.shown().size(), 1u);
    const auto shown = m_dialogs.last();
    EXPECT_EQ(shown.kind, ui::ScriptedDialogs::Kind::Warning);
    EXPECT_EQ(shown.title, ui::TITLE_OSTRZEZENIE);
    EXPECT_TRUE(shown.text.contains(QStringLiteral("BRAK_TABELI")));
    EXPECT_TRUE(shown.text.contains(QStringLiteral("KSIEGA_WG_KONT")));
    EXPECT_FALSE(fileErrorText().isEmpty());
    EXPECT_TRUE(shown.text.contains(fileErrorText()));
}

TEST_P(FileErrors, aHostObjectGivenToInitReceivesTheErrorsInsteadOfABox) {
    HostErrors host;
    KSIEGA_INIT(&host, nullptr);
    host.setProcedureName(QStringLiteral("BO"));
    // a value too long for its column fails on PostgreSQL; a duplicate key fails on both
    db().execute(QStringLiteral("insert into UZYTKOWNICY (login) values (?)"), {QStringLiteral("ADAM")});
    auto value = fileAccessValue(QStringLiteral("UZYTKOWNICY"), [&] {
        return db().execute(QStringLiteral("insert into UZYTKOWNICY (login) values (?)"), {QStringLiteral("ADAM")});
    });
    EXPECT_FALSE(value.has_value());
    ASSERT_EQ(host.shown.size(), 1);
    EXPECT_TRUE(host.shown.front().startsWith(QStringLiteral("BO:UZYTKOWNICY:")));
    EXPECT_TRUE(m_dialogs.empty());
    unloadModule();
}

} // namespace
