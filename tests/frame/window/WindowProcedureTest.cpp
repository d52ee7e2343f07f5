// The pattern every window procedure follows: thread row, refusal, procedure name,
// settings of its section, help on F1.
#include "platform/ui/dialogs/ScriptedDialogs.h"
#include "support/FrameFixture.h"
#include "frame/window/ThreadRegistry.h"
#include "frame/window/WindowProcedure.h"
#include "platform/siblings/data/Globals.h"
#include "platform/ui/help/HelpTopic.h"
#include "platform/ui/help/HelpTopics.h"
#include "platform/ui/help/HelpWindow.h"
#include <QSplitter>
#include <QTest>
#include <QWidget>

using namespace ksiega;

namespace {

class Window : public test::FrameTest {
protected:
    static WindowSpec ledger() {
        return {QStringLiteral("KSIEGA_WG_KONT"), QStringLiteral("Ksiega_wg_kont"), help::KSIEGA_WG_KONT};
    }
    static std::vector<int64_t> rows() {
        std::vector<int64_t> out;
        for (const ThreadRow& r : session().DANE_WATKI) out.push_back(r.threadNumber);
        return out;
    }
};

TEST_F(Window, withoutCompanyOrYearNoWindowOpensAndNoRowStays) {
    for (auto [company, year] : {std::pair{0, 7}, std::pair{1, 0}}) {
        session().DANE_ID_FIRMY = company;
        session().DANE_LATA_OBROTOWE = year;
        bool ran = false;
        {
            WindowProcedure w(ledger());
            EXPECT_FALSE(w.opened());
            EXPECT_EQ(w.level(), WindowProcedure::NOTIFY);
        }
        EXPECT_FALSE(runWindow(ledger(), [&](WindowProcedure&) { ran = true; }));
        EXPECT_FALSE(ran);
        EXPECT_EQ(openWindowCount(), 0u);
        EXPECT_TRUE(errorObject()->procedureName().isEmpty());
    }
}

TEST_F(Window, closingRemovesExactlyItsOwnRow) {
    session().DANE_WATKI.push_back({999, 1});  // a window of the host
    auto first = std::make_unique<WindowProcedure>(ledger());
    auto second = std::make_unique<WindowProcedure>(ledger());
    ASSERT_NE(first->threadNumber(), second->threadNumber());
    EXPECT_EQ(openWindowCount(), 3u);
    const int64_t secondNumber = second->threadNumber();
    first.reset();
    EXPECT_EQ(rows(), (std::vector<int64_t>{999, secondNumber}));
    second.reset();
    EXPECT_EQ(rows(), (std::vector<int64_t>{999}));
}

TEST_F(Window, aBodyThatThrowsIsShownWithTheProcedureNameAndItsRowIsRemoved) {
    ui::ScriptedDialogs dialogs;
    ui::ScopedDialogs scoped(dialogs);
    EXPECT_FALSE(runWindow(ledger(), [](WindowProcedure&) { throw std::runtime_error("brak tabeli"); }));
    EXPECT_EQ(openWindowCount(), 0u);
    EXPECT_EQ(dialogs.texts(ui::ScriptedDialogs::Kind::Warning), QStringList{"KSIEGA_WG_KONT: brak tabeli"});
}

TEST_F(Window, errorObjectCarriesTheProcedureNameWhileOpenAndTheCallersAfter) {
    runWindow(ledger(), [](WindowProcedure&) {
        EXPECT_EQ(errorObject()->procedureName(), QStringLiteral("KSIEGA_WG_KONT"));
        runWindow({QStringLiteral("FILTR"), QStringLiteral("Filtr"), {}}, [](WindowProcedure&) {
            EXPECT_EQ(errorObject()->procedureName(), QStringLiteral("FILTR"));
        });
        EXPECT_EQ(errorObject()->procedureName(), QStringLiteral("KSIEGA_WG_KONT"));
    });
    EXPECT_TRUE(errorObject()->procedureName().isEmpty());
}

TEST_F(Window, switchesAreStoredUnderTheSectionAndRestoredAtTheNextOpening) {
    runWindow(ledger(), [](WindowProcedure& w) {
        EXPECT_EQ(w.switches().sortOrder, 0);
        w.switches().sortOrder = 14;
        w.switches().sortDirection = 1;
        w.switches().vsplitPos = 320;
        w.switches().viewSwitch = 1;
    });
    // another window's section is untouched
    runWindow({QStringLiteral("KSIEGA_WG_OKRESOW"), QStringLiteral("Ksiega_wg_okresow"), {}},
              [](WindowProcedure& w) { EXPECT_EQ(w.switches().sortOrder, 0); });
    // the file survives a new module (a new session of the program)
    test::freshModule(m_dir);
    runWindow(ledger(), [](WindowProcedure& w) {
        EXPECT_EQ(w.switches().sortOrder, 14);
        EXPECT_EQ(w.switches().sortDirection, 1);
        EXPECT_EQ(w.switches().vsplitPos, 320);
        EXPECT_EQ(w.switches().viewSwitch, 1);
        EXPECT_EQ(session().GGG_SORTOWANIE_LP, 14);
        EXPECT_EQ(session().GGG_VSPLITPOS, 320);
    });
}

TEST_F(Window, placementAndSplittersOfTheAttachedWindowAreKeptWhenItCloses) {
    auto buildView = [](QWidget& view) {
        auto* split = new QSplitter(&view);
        split->setObjectName(QStringLiteral("VSPLIT"));
        split->addWidget(new QWidget);
        split->addWidget(new QWidget);
        split->resize(800, 600);
        return split;
    };
    QList<int> sizes;
    runWindow(ledger(), [&](WindowProcedure& w) {
        QWidget view;
        QSplitter* split = buildView(view);
        w.attach(&view);
        split->setSizes({200, 600});
        sizes = split->sizes();
        view.close();  // the view goes before the guard does
    });
    runWindow(ledger(), [&](WindowProcedure& w) {
        QWidget view;
        QSplitter* split = buildView(view);
        w.attach(&view);
        EXPECT_EQ(split->sizes(), sizes);
    });
}

TEST_F(Window, f1InTheWindowOpensItsHelpTopicAndTheHelpObjectGoesWithTheGuard) {
    QPointer<ui::HelpTopic> helpObject;
    auto view = std::make_unique<QWidget>();
    runWindow(ledger(), [&](WindowProcedure& w) {
        w.attach(view.get());
        helpObject = view->findChild<ui::HelpTopic*>();
        ASSERT_TRUE(helpObject);
        view->show();
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
        QTest::keyClick(view.get(), Qt::Key_F1);
        ui::HelpWindow* help = ui::HelpWindow::current();
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->source(), ui::HelpTopic::pageUrl(help::KSIEGA_WG_KONT));
        EXPECT_TRUE(help->toPlainText().contains(QStringLiteral("Księga główna")));
        help->close();
    });
    EXPECT_FALSE(helpObject);
}

} // namespace
