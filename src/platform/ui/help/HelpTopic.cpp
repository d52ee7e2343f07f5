#include "platform/ui/help/HelpTopic.h"
#include "platform/ui/help/HelpWindow.h"
#include <QFile>
#include <QShortcut>
#include <QWidget>

static void initHelpResources() { Q_INIT_RESOURCE(help); }

namespace ksiega::ui {

HelpTopic::HelpTopic(QWidget* window, const QString& topic)
    : QObject(window), m_topic(topic), m_shortcut(new QShortcut(QKeySequence(Qt::Key_F1), window)) {
    m_shortcut->setContext(Qt::WindowShortcut);
    connect(m_shortcut, &QShortcut::activated, this, &HelpTopic::open);
    // The shortcut belongs to the help object's life, not the window's.
    connect(this, &QObject::destroyed, m_shortcut, &QObject::deleteLater);
}

QUrl HelpTopic::pageUrl(const QString& topic) { return QUrl(QStringLiteral("qrc:/help/") + topic); }

bool HelpTopic::hasPage(const QString& topic) {
    initHelpResources();
    return !topic.isEmpty() && QFile::exists(QStringLiteral(":/help/") + topic);
}

void HelpTopic::open() {
    initHelpResources();
    HelpWindow::showPage(pageUrl(m_topic));
}

} // namespace ksiega::ui
