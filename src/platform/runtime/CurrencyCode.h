#pragma once
// A currency as the ledger names it: three upper-case letters, "PLN" for the home
// currency. Whatever a window, a setting or the command line gives (blanks, lower case,
// nothing at all) becomes one of these the same way.
#include <QString>

namespace ksiega {

class CurrencyCode {
public:
    CurrencyCode() = default;
    // Blank or "pln" in any case: the home currency; otherwise the first three
    // characters, trimmed and upper-cased.
    static CurrencyCode of(const QString& text);
    static CurrencyCode home() { return {}; }

    const QString& symbol() const { return m_symbol; }
    bool isHome() const { return m_symbol == homeSymbol(); }
    // The symbol as the entry views store it: "" for the home currency.
    QString entrySymbol() const { return isHome() ? QString() : m_symbol; }
    static QString homeSymbol() { return QStringLiteral("PLN"); }

    bool operator==(const CurrencyCode&) const = default;

private:
    explicit CurrencyCode(QString symbol) : m_symbol(std::move(symbol)) {}
    QString m_symbol = homeSymbol();
};

// "PLN" in any case, or nothing: the home currency.
inline bool isHomeCurrency(const QString& currency) { return CurrencyCode::of(currency).isHome(); }

} // namespace ksiega
