#pragma once
// The settings object: per-user settings in an INI file (the file named by GGG_SCIEZKA_SET).
// Every window stores its values under its own section ("Ksiega_wg_kont"); keys are the
// window's own names. Writes reach the file on sync() and at shut-down.
#include <QByteArray>
#include <QString>
#include <memory>
#include <mutex>

class QSettings;

namespace ksiega {

class Settings {
public:
    explicit Settings(const QString& fileName);
    ~Settings();
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    QString fileName() const;

    int64_t getInt(const QString& section, const QString& key, int64_t fallback = 0) const;
    void setInt(const QString& section, const QString& key, int64_t value);
    QString getText(const QString& section, const QString& key, const QString& fallback = {}) const;
    void setText(const QString& section, const QString& key, const QString& value);
    bool getBool(const QString& section, const QString& key, bool fallback = false) const;
    void setBool(const QString& section, const QString& key, bool value);
    QByteArray getBytes(const QString& section, const QString& key) const;
    void setBytes(const QString& section, const QString& key, const QByteArray& value);
    bool contains(const QString& section, const QString& key) const;
    void removeSection(const QString& section);

    // Writes pending changes to the file.
    void sync();
    // Shut-down: writes and closes the file; later reads give the fallbacks, writes are dropped.
    void kill();
    bool active() const;

private:
    static QString keyOf(const QString& section, const QString& key);
    mutable std::mutex m_mutex;
    QString m_fileName;
    std::unique_ptr<QSettings> m_ini;
};

// The default settings file when the session names none: ksiega.ini in the user's config folder.
QString defaultSettingsFile();

} // namespace ksiega
