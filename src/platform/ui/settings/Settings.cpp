#include "platform/ui/settings/Settings.h"
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace ksiega {

Settings::Settings(const QString& fileName)
    : m_fileName(fileName), m_ini(std::make_unique<QSettings>(fileName, QSettings::IniFormat)) {}

Settings::~Settings() { kill(); }

QString Settings::fileName() const { return m_fileName; }

QString Settings::keyOf(const QString& section, const QString& key) {
    return section + QChar('/') + key;
}

int64_t Settings::getInt(const QString& section, const QString& key, int64_t fallback) const {
    std::lock_guard lock(m_mutex);
    if (!m_ini) return fallback;
    bool ok = false;
    qlonglong v = m_ini->value(keyOf(section, key)).toLongLong(&ok);
    return ok ? v : fallback;
}

void Settings::setInt(const QString& section, const QString& key, int64_t value) {
    std::lock_guard lock(m_mutex);
    if (m_ini) m_ini->setValue(keyOf(section, key), qlonglong(value));
}

QString Settings::getText(const QString& section, const QString& key, const QString& fallback) const {
    std::lock_guard lock(m_mutex);
    if (!m_ini || !m_ini->contains(keyOf(section, key))) return fallback;
    return m_ini->value(keyOf(section, key)).toString();
}

void Settings::setText(const QString& section, const QString& key, const QString& value) {
    std::lock_guard lock(m_mutex);
    if (m_ini) m_ini->setValue(keyOf(section, key), value);
}

bool Settings::getBool(const QString& section, const QString& key, bool fallback) const {
    return getInt(section, key, fallback ? 1 : 0) != 0;
}

void Settings::setBool(const QString& section, const QString& key, bool value) { setInt(section, key, value ? 1 : 0); }

QByteArray Settings::getBytes(const QString& section, const QString& key) const {
    std::lock_guard lock(m_mutex);
    if (!m_ini) return {};
    return m_ini->value(keyOf(section, key)).toByteArray();
}

void Settings::setBytes(const QString& section, const QString& key, const QByteArray& value) {
    std::lock_guard lock(m_mutex);
    if (m_ini) m_ini->setValue(keyOf(section, key), value);
}

bool Settings::contains(const QString& section, const QString& key) const {
    std::lock_guard lock(m_mutex);
    return m_ini && m_ini->contains(keyOf(section, key));
}

void Settings::removeSection(const QString& section) {
    std::lock_guard lock(m_mutex);
    if (m_ini) m_ini->remove(section);
}

void Settings::sync() {
    std::lock_guard lock(m_mutex);
    if (m_ini) m_ini->sync();
}

void Settings::kill() {
    std::lock_guard lock(m_mutex);
    if (m_ini) m_ini->sync();
    m_ini.reset();
}

bool Settings::active() const {
    std::lock_guard lock(m_mutex);
    return m_ini != nullptr;
}

QString defaultSettingsFile() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (dir.isEmpty()) dir = QDir::homePath();
    QDir().mkpath(dir);
    return QDir(dir).filePath(QStringLiteral("ksiega.ini"));
}

} // namespace ksiega
