#pragma once
// A window's help object: F1 anywhere in the window opens its topic in the help window.
// It is a child of the window, so it goes when the window closes.
#include <QObject>
#include <QString>
#include <QUrl>

class QWidget;
class QShortcut;

namespace ksiega::ui {

class HelpTopic : public QObject {
    Q_OBJECT
public:
    HelpTopic(QWidget* window, const QString& topic);
    const QString& topic() const { return m_topic; }
    void setTopic(const QString& topic) { m_topic = topic; }

    // The page of a topic (qrc:/help/<topic>), and whether the module has it.
    static QUrl pageUrl(const QString& topic);
    static bool hasPage(const QString& topic);

public slots:
    // Shows the topic in the help window.
    void open();

private:
    QString m_topic;
    QShortcut* m_shortcut;
};

} // namespace ksiega::ui
