#pragma once
// The shared tooltip object: the title its balloons carry while it is active.
#include <QString>

namespace ksiega {

class Tooltip {
public:
    void init(const QString& title) {
        m_title = title;
        m_active = true;
    }
    void kill() { m_active = false; }
    bool active() const { return m_active; }
    const QString& title() const { return m_title; }

private:
    QString m_title;
    bool m_active = false;
};

} // namespace ksiega
