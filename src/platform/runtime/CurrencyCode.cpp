#include "platform/runtime/CurrencyCode.h"

namespace ksiega {

CurrencyCode CurrencyCode::of(const QString& text) {
    const QString symbol = text.trimmed().toUpper().left(3);
    return symbol.isEmpty() ? CurrencyCode() : CurrencyCode(symbol);
}

} // namespace ksiega
