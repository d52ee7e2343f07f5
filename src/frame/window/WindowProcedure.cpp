#include "frame/window/WindowProcedure.h"
#include "platform/ui/dialogs/Guarded.h"
#include "frame/SessionContext.h"
#include "frame/lifecycle/ModuleState.h"
#include "frame/window/ThreadRegistry.h"
#include "platform/siblings/data/Globals.h"
#include "platform/ui/help/HelpTopic.h"
#include <QEvent>
#include <QWidget>

namespace ksiega {

static void copyToSession(const WindowSwitches& w) {
    SessionContext& s = session();
    s.GGG_VSPLITPOS = w.vsplitPos;
    s.GGG_HSPLITPOS = w.hsplitPos;
    s.GGG_SORTOWANIE_LP = w.sortOrder;
    s.GGG_SORTOWANIE_DIR = uint8_t(w.sortDirection);
    s.GGG_SORTOWANIE_INTU = uint8_t(w.intuitive);
    s.GGG_UNI_1 = uint8_t(w.viewSwitch);
}

WindowProcedure::WindowProcedure(WindowSpec definition) : m_config(std::move(definition)) {
    moduleState();  // the module is loaded before its first window
    m_threadNumber = registerWindowThread();
    if (!session().hasCompanyAndYear()) {
        m_level = NOTIFY;
        return;
    }
    if (ErrorReporter* errors = errorObject()) {
        m_previousProcedure = errors->procedureName();
        errors->setProcedureName(m_config.procedure);
    }
    if (Settings* settings = settingsObject(); settings && !m_config.section.isEmpty())
        m_switches.fetch(*settings, m_config.section);
    copyToSession(m_switches);
}

WindowProcedure::~WindowProcedure() {
    if (opened()) {
        if (Settings* settings = settingsObject(); settings && !m_config.section.isEmpty()) {
            m_switches.update(*settings, m_config.section);
            if (m_window) updatePlacement(*settings, m_config.section, m_window);
            delete m_keeper.data();
            settings->sync();
        }
        delete m_help.data();
        if (ErrorReporter* errors = errorObject()) errors->setProcedureName(m_previousProcedure);
    }
    removeWindowThread(m_threadNumber);
}

namespace {

// Stores the placement when the window closes (the view usually goes before the guard).
class PlacementKeeper : public QObject {
public:
    PlacementKeeper(QWidget* window, QString section) : QObject(window), m_section(std::move(section)) {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close)
            if (Settings* settings = settingsObject()) updatePlacement(*settings, m_section, static_cast<QWidget*>(watched));
        return false;
    }

private:
    QString m_section;
};

} // namespace

void WindowProcedure::attach(QWidget* window) {
    if (!opened() || !window) return;
    m_window = window;
    if (Settings* settings = settingsObject(); settings && !m_config.section.isEmpty()) {
        fetchPlacement(*settings, m_config.section, window);
        m_keeper = new PlacementKeeper(window, m_config.section);
    }
    if (!m_config.helpTopic.isEmpty() && !m_help) m_help = new ui::HelpTopic(window, m_config.helpTopic);
}

bool runWindow(const WindowSpec& definition, const std::function<void(WindowProcedure&)>& body) {
    WindowProcedure window(definition);
    if (!window.opened()) return false;
    // A window that fails while it opens or runs says so with its procedure's name; the
    // caller goes on.
    return ui::runGuarded(definition.procedure, [&] { body(window); });
}

} // namespace ksiega
