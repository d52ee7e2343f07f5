#pragma once
// Exported procedures opened as the host opens them, with the libraries around the module
// scripted: every call that reaches a library is recorded, so a test can press each
// button and popup item of a window and see which service it reached. Windows of the
// module itself that a button opens (the quick filter, the column configuration) are
// real; the test sees them open and closes them.
#include "platform/siblings/contractors/ContractorsLibrary.h"
#include "platform/siblings/documents/DocumentsLibrary.h"
#include "platform/siblings/ledgerprint/LedgerPrintLibrary.h"
#include "platform/siblings/print/PrintLibrary.h"
#include "platform/siblings/statements/StatementsLibrary.h"
#include "platform/ui/controls/PopupMenu.h"
#include "support/WindowFixture.h"
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <functional>

namespace ksiega::test {

// Every library around the module, answering as a person would who goes on with each
// step, and writing down what was called.
struct RecordingLibraries : contractors::ContractorsLibrary,
                            documents::DocumentsLibrary,
                            statements::StatementsLibrary,
                            print::PrintLibrary,
                            ledgerprint::LedgerPrintLibrary {
    QStringList reached;
    int statementCode = 68;

    QString FILTR_LISTA(const contractors::ContractorCaller&, int idBrowsera) override {
        reached << QStringLiteral("FILTR_LISTA %1").arg(idBrowsera);
        return QStringLiteral("Zapisany");
    }
    QString GET_FILTR_LISTA(const contractors::ContractorCaller&, int idBrowsera, const QString&) override {
        reached << QStringLiteral("GET_FILTR_LISTA %1").arg(idBrowsera);
        return QStringLiteral("PDU:kwota_wn>=0");
    }
    QString UP_FILTR_LISTA_STR(const contractors::ContractorCaller&, int idBrowsera, const QString&) override {
        reached << QStringLiteral("UP_FILTR_LISTA_STR %1").arg(idBrowsera);
        return QStringLiteral("Zapisany");
    }
    void KONTAKTY_KONTRAHENTA(const contractors::ContractorCaller&, int64_t) override { reached << "KONTAKTY_KONTRAHENTA"; }
    int UPRAWNIENIA_POPRAW_DOKUMENT(const documents::DocumentCaller&, int, int64_t, int64_t) override {
        reached << "UPRAWNIENIA_POPRAW_DOKUMENT";
        return 1;
    }
    int UP_DOKUMENTY(const documents::DocumentCaller&, int64_t, int, int64_t, int64_t) override {
        reached << "UP_DOKUMENTY";
        return 0;
    }
    void DOKUMENTY_RK_DEL(const documents::DocumentCaller&, const QString&) override { reached << "DOKUMENTY_RK_DEL"; }
    int ZESTAWIENIA_CRS(const QString& context, QWidget*) override {
        reached << "ZESTAWIENIA_CRS " + context;
        return statementCode;
    }
    int PARAM_PRN_BRO(print::PrintGlobals g, QWidget*) override {
        reached << "PARAM_PRN_BRO";
        g.DANE_ZAKRES_PRN = 0;
        return 1;
    }
    bool WYDRUK_KSIEGA(const ledgerprint::ListingJob& job) override {
        reached << "WYDRUK_KSIEGA " + job.params.section(QLatin1Char(','), 0, 0);
        return true;
    }
};

class WiringTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        recompute();
        contractors::replaceContractorsLibrary(&libraries);
        documents::replaceDocumentsLibrary(&libraries);
        statements::replaceStatementsLibrary(&libraries);
        print::replacePrintLibrary(&libraries);
        ledgerprint::replaceLedgerPrintLibrary(&libraries);
    }
    void TearDown() override {
        contractors::replaceContractorsLibrary(nullptr);
        documents::replaceDocumentsLibrary(nullptr);
        statements::replaceStatementsLibrary(nullptr);
        print::replacePrintLibrary(nullptr);
        ledgerprint::replaceLedgerPrintLibrary(nullptr);
        WindowTest::TearDown();
    }

    // Runs `procedure` (which shows its window modally) and `inside` once the window is
    // up; the window is closed afterwards. False when no window came up.
    static bool whileOpen(const std::function<void()>& procedure, const std::function<void(QDialog&)>& inside) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!window) return;
            inside(*window);
            ran = true;
            window->reject();
        });
        procedure();
        QApplication::processEvents();   // what the window started after its handlers
        return ran;
    }

    // Presses `press` and closes the modal window it opens; the window's object name, or
    // its title when it has none ("" when nothing opened).
    static QString windowOpenedBy(const std::function<void()>& press) {
        QWidget* before = QApplication::activeModalWidget();
        QString seen;
        auto* poll = new QTimer;
        poll->setInterval(10);
        int tries = 0;
        QObject::connect(poll, &QTimer::timeout, [&, poll] {
            QWidget* now = QApplication::activeModalWidget();
            if (now && now != before) {
                seen = now->objectName().isEmpty() ? now->windowTitle() : now->objectName();
                if (auto* d = qobject_cast<QDialog*>(now)) d->reject();
                else now->close();
                poll->stop();
            } else if (++tries > 300) {
                poll->stop();
            }
        });
        poll->start();
        press();
        poll->stop();
        delete poll;
        return seen;
    }

    // Presses `press`; the modal window it opens is filled by `fill`, which ends it (a
    // button of its own). The window's object name ("" when nothing opened).
    static QString fillWindowOpenedBy(const std::function<void()>& press, const std::function<void(QDialog&)>& fill) {
        QWidget* before = QApplication::activeModalWidget();
        QString seen;
        QTimer poll;
        poll.setInterval(10);
        int tries = 0;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* now = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (now && now != before) {
                poll.stop();
                seen = now->objectName();
                fill(*now);
                if (now->isVisible()) now->reject();
            } else if (++tries > 300) {
                poll.stop();
            }
        });
        poll.start();
        press();
        return seen;
    }

    static QAbstractButton* button(QDialog& window, const char* name) {
        return window.findChild<QAbstractButton*>(QString::fromLatin1(name));
    }
    // The popup item of a list, triggered as the menu would.
    static bool choose(QDialog& window, const char* list, const QString& item) {
        QWidget* l = window.findChild<QWidget*>(QString::fromLatin1(list));
        QAction* action = l ? ui::popupItem(l, item) : nullptr;
        if (!action) return false;
        action->trigger();
        return true;
    }
    // The items of a list's popup menu, separators left out.
    static QStringList popupItems(QDialog& window, const char* list) {
        QStringList out;
        if (QWidget* l = window.findChild<QWidget*>(QString::fromLatin1(list)))
            for (QAction* a : l->actions())
                if (!a->isSeparator()) out << a->text();
        return out;
    }
    // The marks items of an entry list's popup, seen in the marked figures of
    // "Podsumowanie" (LIST8: the count listed, the count marked).
    static void expectMarksFollowThePopup(QDialog& w, const char* list) {
        w.findChild<QTabWidget*>("SHEET1")->setCurrentIndex(1);
        auto* summary = w.findChild<QTableWidget*>("LIST8");
        auto marked = [&] { return summary->item(0, 3)->text(); };
        const QString listed = summary->item(0, 1)->text();
        ASSERT_NE(listed, "0");
        ASSERT_TRUE(choose(w, list, "Zaznacz wszystko"));
        EXPECT_EQ(marked(), listed);
        ASSERT_TRUE(choose(w, list, "Odwróć zaznaczone"));
        EXPECT_EQ(marked(), "0");
        ASSERT_TRUE(choose(w, list, "Odwróć zaznaczone"));
        EXPECT_EQ(marked(), listed);
        ASSERT_TRUE(choose(w, list, "Odznacz wszystko"));
        EXPECT_EQ(marked(), "0");
    }
    // The recorded calls since the last look.
    QStringList reachedSince() {
        QStringList out = libraries.reached;
        libraries.reached.clear();
        return out;
    }

    RecordingLibraries libraries;
};

} // namespace ksiega::test
