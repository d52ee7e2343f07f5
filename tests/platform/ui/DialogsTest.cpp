// The dialogs seam: scripted answers and what the tests can read back.
#include "platform/ui/dialogs/Messages.h"
#include "platform/ui/dialogs/ScriptedDialogs.h"
#include <gtest/gtest.h>

using namespace ksiega;
using Kind = ui::ScriptedDialogs::Kind;

TEST(ScriptedDialogs, recordsMessagesWithTheirTitlesAndABarAsANewLine) {
    ui::ScriptedDialogs d;
    ui::ScopedDialogs installed(d);
    MSG_OST(QStringLiteral("Wyrażenie filtrujące jest za długie.|Filtr będzie zignorowany."));
    MSG_INF(QStringLiteral("Zapis pochodzi z bilansu otwarcia."));
    const auto shown = d.shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].kind, Kind::Warning);
    EXPECT_EQ(shown[0].title, QStringLiteral("Bilantor: Ostrzeżenie"));
    EXPECT_EQ(shown[0].text, QStringLiteral("Wyrażenie filtrujące jest za długie.\nFiltr będzie zignorowany."));
    EXPECT_EQ(shown[1].kind, Kind::Information);
    EXPECT_EQ(shown[1].title, QStringLiteral("Bilantor: Informacja"));
    EXPECT_EQ(d.texts(Kind::Warning).size(), 1);
}

TEST(ScriptedDialogs, answersQuestionsFromTheQueueThenWithTheDefault) {
    ui::ScriptedDialogs d;
    ui::ScopedDialogs installed(d);
    d.answer(2);
    EXPECT_EQ(ui::dialogs().question(QStringLiteral("Czy chcesz przeglądać konta kartotekowe ?")), 2);
    EXPECT_EQ(ui::dialogs().question(QStringLiteral("Zmienić?"), ui::BUTTONS_ZMIEN_KWOTE_ANULUJ, 2), 2);
    EXPECT_EQ(ui::dialogs().question(QStringLiteral("Zapisać?"), ui::BUTTONS_ZAPISZ_ANULUJ), 1);
    const auto shown = d.shown();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].title, QStringLiteral("Bilantor: Pytanie"));
    EXPECT_EQ(shown[0].buttons, (QStringList{QStringLiteral("&Tak"), QStringLiteral("&Nie")}));
    EXPECT_EQ(shown[0].defaultButton, 1);
    EXPECT_EQ(shown[1].buttons, (QStringList{QStringLiteral("&Zmień kwotę"), QStringLiteral("&Anuluj")}));
    EXPECT_EQ(shown[1].answer, 2);
    EXPECT_EQ(d.pendingAnswers(), 0);
}

TEST(ScriptedDialogs, progressRecordsItsValuesAndCancelsWhereScripted) {
    ui::ScriptedDialogs d;
    ui::ScopedDialogs installed(d);
    d.cancelProgressAt(50);
    {
        auto p = ui::dialogs().progress(QStringLiteral("Proszę czekać. Trwa czytanie zaznaczonych elementów..."));
        p->setValue(10);
        EXPECT_FALSE(p->cancelled());
        p->setValue(60);
        EXPECT_TRUE(p->cancelled());
    }
    auto next = ui::dialogs().progress(QStringLiteral("drugi"));
    next->setValue(100);
    EXPECT_FALSE(next->cancelled());
    const auto shown = d.shown();
    EXPECT_EQ(shown[0].kind, Kind::Progress);
    EXPECT_EQ(shown[0].title, QStringLiteral("Bilantor: Informacja"));
    EXPECT_EQ(shown[0].values, (std::vector<int>{10, 60}));
}

TEST(ScriptedDialogs, busyCursorNestsAndIsReleasedByScope) {
    ui::ScriptedDialogs d;
    ui::ScopedDialogs installed(d);
    {
        ui::BusyCursor outer;
        {
            ui::BusyCursor inner;
            EXPECT_EQ(d.busyDepth(), 2);
        }
        EXPECT_EQ(d.busyDepth(), 1);
    }
    EXPECT_EQ(d.busyDepth(), 0);
    EXPECT_EQ(d.busyCount(), 2);
}

TEST(ScriptedDialogs, scopedInstallationRestoresThePreviousDialogs) {
    ui::ScriptedDialogs outer, inner;
    ui::ScopedDialogs a(outer);
    {
        ui::ScopedDialogs b(inner);
        MSG_INF(QStringLiteral("x"));
    }
    MSG_INF(QStringLiteral("y"));
    EXPECT_EQ(inner.texts(), QStringList{QStringLiteral("x")});
    EXPECT_EQ(outer.texts(), QStringList{QStringLiteral("y")});
}

#include "platform/ui/dialogs/QtDialogs.h"
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

// Answers the next message box from the event loop: records it, then presses a button
// (0-based) or Escape (-1).
struct BoxPresser {
    QString title, text, defaultText;
    QStringList buttons;
    void press(int button) {
        QTimer::singleShot(0, [this, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            if (box->defaultButton()) defaultText = box->defaultButton()->text();
            for (QAbstractButton* b : box->buttons()) buttons << b->text();
            if (button < 0) box->reject();
            else box->buttons().at(button)->click();
        });
    }
};

} // namespace

TEST(QtDialogs, questionShowsTheButtonsInOrderAndAnswersOneBased) {
    ui::QtDialogs d;
    BoxPresser p;
    p.press(1);
    EXPECT_EQ(d.question(QStringLiteral("Pierwsza linia|druga"), ui::BUTTONS_ZMIEN_KWOTE_ANULUJ, 2, ui::TITLE_PYTANIE), 2);
    EXPECT_EQ(p.title, QStringLiteral("Bilantor: Pytanie"));
    EXPECT_EQ(p.text, QStringLiteral("Pierwsza linia\ndruga"));
    EXPECT_EQ(p.buttons, (QStringList{QStringLiteral("&Zmień kwotę"), QStringLiteral("&Anuluj")}));
    EXPECT_EQ(p.defaultText, QStringLiteral("&Anuluj"));
}

TEST(QtDialogs, closingAQuestionWithoutAChoiceAnswersTheLastButton) {
    ui::QtDialogs d;
    BoxPresser p;
    p.press(-1);
    EXPECT_EQ(d.question(QStringLiteral("Czy chcesz przeglądać konta kartotekowe ?"), ui::BUTTONS_TAK_NIE, 1,
                         ui::TITLE_PYTANIE),
              2);
    EXPECT_EQ(p.defaultText, QStringLiteral("&Tak"));
}
