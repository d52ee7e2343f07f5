#pragma once
// The pattern every window procedure of the module follows, in one guard:
//
//   WindowProcedure window({"KSIEGA_WG_KONT", "Ksiega_wg_kont", help::KSIEGA_WG_KONT});
//   if (!window.opened()) return;            // no company or fiscal year: no window
//   ... build the controller and the view; window.attach(view); run ...
//
// Opening registers the window in DANE_WATKI, refuses without a company or a fiscal year
// (level NOTIFY), gives the error object the procedure's name and restores the window's
// switches from its settings section. Leaving the scope stores the switches (and the
// placement of the attached widget, which is also stored when that widget closes),
// frees the help object, gives the error object back the previous procedure's name and
// removes exactly this window's row from DANE_WATKI, also when the window refused to
// open or the body threw.
#include "platform/ui/settings/WindowSettings.h"
#include <QPointer>
#include <QString>
#include <functional>

class QWidget;

namespace ksiega {

namespace ui { class HelpTopic; }

struct WindowSpec {
    QString procedure;   // "KSIEGA_WG_KONT"
    QString section;     // settings section, "Ksiega_wg_kont"
    QString helpTopic;   // "08_02_Przegladanie_danych_wg_kont.htm"; may be empty
};

class WindowProcedure {
public:
    // The framework's level for a window that declines to open.
    static constexpr int NOTIFY = 5;

    explicit WindowProcedure(WindowSpec definition);
    ~WindowProcedure();
    WindowProcedure(const WindowProcedure&) = delete;
    WindowProcedure& operator=(const WindowProcedure&) = delete;

    bool opened() const { return m_level == 0; }
    // 0 when open, NOTIFY when refused.
    int level() const { return m_level; }
    int64_t threadNumber() const { return m_threadNumber; }
    const WindowSpec& definition() const { return m_config; }

    // The window's switches as restored; the window keeps them current, they are stored
    // on close. At open they are also copied to the session's GGG_ globals.
    WindowSwitches& switches() { return m_switches; }

    // Once the view exists: restores its placement and splitters from the section and
    // binds F1 on it to the help topic.
    void attach(QWidget* window);

private:
    WindowSpec m_config;
    int64_t m_threadNumber = 0;
    int m_level = 0;
    QString m_previousProcedure;
    WindowSwitches m_switches;
    QPointer<QWidget> m_window;
    QPointer<ui::HelpTopic> m_help;
    QPointer<QObject> m_keeper;
};

// Runs body inside the pattern; false when the window refused to open or failed (the
// failure is shown with the procedure's name).
bool runWindow(const WindowSpec& definition, const std::function<void(WindowProcedure&)>& body);

} // namespace ksiega
