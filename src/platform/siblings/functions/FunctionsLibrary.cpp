#include "platform/siblings/functions/FunctionsLibrary.h"
#include <atomic>

namespace ksiega::functions {
namespace {

class PlaceholderFunctions : public FunctionsLibrary {
public:
    QString ZAMIEN_SKOBKI(const QString& text) override { return text; }
};

std::atomic<FunctionsLibrary*> g_replacement{nullptr};

} // namespace

FunctionsLibrary& functionsLibrary() {
    if (FunctionsLibrary* r = g_replacement.load()) return *r;
    static PlaceholderFunctions standIn;
    return standIn;
}

void replaceFunctionsLibrary(FunctionsLibrary* library) { g_replacement.store(library); }

} // namespace ksiega::functions
