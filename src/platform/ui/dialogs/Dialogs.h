#pragma once
// Everything a window asks of a person goes through Dialogs: information, warning,
// question with a button list and a default, progress with cancel, busy cursor.
// Production shows Qt dialogs (QtDialogs); tests install ScriptedDialogs.
#include <QString>
#include <QStringList>
#include <memory>
#include <utility>
#include <vector>

namespace ksiega::ui {

// The system's titles and button lists.
inline const QString TITLE_INFORMACJA = QStringLiteral("Bilantor: Informacja");
inline const QString TITLE_PYTANIE = QStringLiteral("Bilantor: Pytanie");
inline const QString TITLE_OSTRZEZENIE = QStringLiteral("Bilantor: Ostrzeżenie");
inline const QString BUTTONS_TAK_NIE = QStringLiteral("&Tak|&Nie");
inline const QString BUTTONS_ZMIEN_KWOTE_ANULUJ = QStringLiteral("&Zmień kwotę|&Anuluj");
inline const QString BUTTONS_ZAPISZ_ANULUJ = QStringLiteral("&Zapisz|&Anuluj");
inline const QString PROSZE_CZEKAC = QStringLiteral("Proszę czekać...");

// A "|" in a message starts a new line.
QString messageText(const QString& text);
// "&Tak|&Nie" -> {"&Tak", "&Nie"}.
QStringList buttonList(const QString& buttons);

// A progress window: a bar from 0 to 100, a text and a cancel button. Closes when destroyed.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void setValue(int percent) = 0;
    virtual void setText(const QString& text) = 0;
    // True once the person pressed cancel.
    virtual bool cancelled() = 0;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void information(const QString& text, const QString& title = TITLE_INFORMACJA) = 0;
    virtual void warning(const QString& text, const QString& title = TITLE_OSTRZEZENIE) = 0;
    // Buttons as the runtime writes them ("&Tak|&Nie"); defaultButton and the answer are
    // 1-based (1 = the first button). Closing the box without a choice answers the last button.
    virtual int question(const QString& text, const QString& buttons = BUTTONS_TAK_NIE,
                         int defaultButton = 1, const QString& title = TITLE_PYTANIE) = 0;
    virtual std::unique_ptr<Progress> progress(const QString& text, const QString& title = TITLE_INFORMACJA,
                                               bool cancellable = true) = 0;
    // The file a save goes to ("" = the person gave up); filter as Qt writes it.
    virtual QString saveFileName(const QString& title, const QString& filter) = 0;
    // A folder ("" = the person gave up), starting at `current`.
    virtual QString folderName(const QString& title, const QString& current) = 0;
    // "Podgląd pól": names and values of one row.
    virtual void fieldPreview(const std::vector<std::pair<QString, QString>>& fields) = 0;
    // Busy cursor on / off; calls nest (use BusyCursor).
    virtual void beginBusy() = 0;
    virtual void endBusy() = 0;
};

// The dialogs in force: the installed ones, else the Qt dialogs.
Dialogs& dialogs();
// Installs dialogs (not owned); nullptr restores the Qt dialogs.
void installDialogs(Dialogs* dialogs);

// Installs dialogs for the life of a scope (tests).
class ScopedDialogs {
public:
    explicit ScopedDialogs(Dialogs& d);
    ~ScopedDialogs();
    ScopedDialogs(const ScopedDialogs&) = delete;
    ScopedDialogs& operator=(const ScopedDialogs&) = delete;

private:
    Dialogs* m_previous;
};

// The busy cursor for the life of a scope.
class BusyCursor {
public:
    BusyCursor() { dialogs().beginBusy(); }
    ~BusyCursor() { dialogs().endBusy(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace ksiega::ui
