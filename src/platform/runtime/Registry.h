#pragma once
// Things registered by name at start-up (subcommands, menu procedures, report and
// screenshot targets, server procedures). A second registration under a name already
// taken is a programming error: add() throws instead of replacing the first one, so the
// process stops at start-up with the duplicate named.
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <stdexcept>

namespace ksiega {

template <typename T>
class Registry {
public:
    using Key = std::function<QString(const QString&)>;

    // `kind` names what is registered in the duplicate message ("subcommand"); `key`
    // turns a name into the key it is stored and found under (the name itself when empty).
    explicit Registry(QString kind, Key key = {}) : m_kind(std::move(kind)), m_key(std::move(key)) {}

    // Throws std::logic_error when the name is empty or already registered.
    void add(const QString& name, T value) {
        const QString k = keyOf(name);
        if (k.isEmpty()) throw std::logic_error(QStringLiteral("%1 without a name").arg(m_kind).toStdString());
        if (m_items.count(k))
            throw std::logic_error(QStringLiteral("%1 \"%2\" is registered twice").arg(m_kind, name).toStdString());
        m_items.emplace(k, std::move(value));
    }

    const T* find(const QString& name) const {
        auto it = m_items.find(keyOf(name));
        return it == m_items.end() ? nullptr : &it->second;
    }
    bool contains(const QString& name) const { return find(name) != nullptr; }

    // The keys, in sorted order.
    QStringList names() const {
        QStringList out;
        for (const auto& [k, v] : m_items) out << k;
        return out;
    }

    // Every entry, by key in sorted order.
    void forEach(const std::function<void(const QString&, const T&)>& visit) const {
        for (const auto& [k, v] : m_items) visit(k, v);
    }

    size_t size() const { return m_items.size(); }
    const QString& kind() const { return m_kind; }

private:
    QString keyOf(const QString& name) const { return m_key ? m_key(name) : name; }

    QString m_kind;
    Key m_key;
    std::map<QString, T> m_items;
};

} // namespace ksiega
