// A handler's error is shown with the procedure's name and goes no further.
#include "platform/ui/dialogs/Guarded.h"
#include "platform/ui/dialogs/ScriptedDialogs.h"
#include <QDialog>
#include <QPushButton>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace ksiega;

TEST(Guarded, anExceptionOfAButtonIsShownWithTheWindowsProcedureAndTheWindowGoesOn) {
    ui::ScriptedDialogs dialogs;
    ui::ScopedDialogs scoped(dialogs);
    QDialog window;
    window.setObjectName("KSIEGA_WG_OKRESOW");
    auto* button = new QPushButton(&window);
    int presses = 0;
    QObject::connect(button, &QPushButton::clicked, &window, ui::guarded(button, [&](bool) {
        if (++presses == 1) throw std::runtime_error("relation \"OBROTY_I_SALDA\" does not exist");
    }));
    button->click();
    EXPECT_EQ(dialogs.texts(ui::ScriptedDialogs::Kind::Warning),
              QStringList{"KSIEGA_WG_OKRESOW: relation \"OBROTY_I_SALDA\" does not exist"});
    button->click();
    EXPECT_EQ(presses, 2);
    EXPECT_EQ(dialogs.texts().size(), 1);
}

TEST(Guarded, runGuardedSaysWhetherTheHandlerFinished) {
    ui::ScriptedDialogs dialogs;
    ui::ScopedDialogs scoped(dialogs);
    EXPECT_TRUE(ui::runGuarded("FILTR", [] {}));
    EXPECT_FALSE(ui::runGuarded("FILTR", [] { throw 42; }));
    EXPECT_EQ(dialogs.last().text, "FILTR: nieznany błąd");
    EXPECT_EQ(dialogs.last().title, ui::TITLE_OSTRZEZENIE);
}
