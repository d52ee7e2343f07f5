#include "platform/siblings/functions/FunctionsLibrary.h"
#include <atomic>

namespace ksiega::functions {

QString replaceBrackets(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        switch (c.unicode()) {
        case '[': case '{': case '<': c = QChar('('); break;
        case ']': case '}': case '>': c = QChar(')'); break;
        default: break;
        }
    }
    return out;
}

namespace {

class FunctionsStandIn : public FunctionsLibrary {
public:
    QString ZAMIEN_SKOBKI(const QString& text) override { return replaceBrackets(text); }
};

std::atomic<FunctionsLibrary*> g_replacement{nullptr};

} // namespace

FunctionsLibrary& functionsLibrary() {
    if (FunctionsLibrary* r = g_replacement.load()) return *r;
    static FunctionsStandIn standIn;
    return standIn;
}

void replaceFunctionsLibrary(FunctionsLibrary* library) { g_replacement.store(library); }

} // namespace ksiega::functions
