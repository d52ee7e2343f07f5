#include "platform/siblings/functions/TextFields.h"
#include "platform/runtime/TextWrap.h"
#include <map>

namespace ksiega::functions {

QString WYTNIJ_STR(const QString& text, int n, const QString& separator) {
    if (n < 1 || separator.isEmpty()) return {};
    return text.split(separator).value(n - 1);
}

QString STRING_CUT(const QString& text, int width, QString* rest) { return cutAtWord(text, width, rest); }

namespace {
std::mutex& filterLock() {
    static std::mutex m;
    return m;
}
std::map<int, QString>& filters() {
    static std::map<int, QString> f;
    return f;
}
} // namespace

void FILTR_INFO(int browser, const QString& filter) {
    std::lock_guard guard(filterLock());
    filters()[browser] = filter;
}

QString lastFilterInfo(int browser) {
    std::lock_guard guard(filterLock());
    auto it = filters().find(browser);
    return it == filters().end() ? QString() : it->second;
}

} // namespace ksiega::functions
