#pragma once
// The function library as the opening-balance windows call it: ZAMIEN_SKOBKI cleans a
// symbol or description before it is stored. The library in force is functionsLibrary();
// a test puts its own in place.
#include <QString>

namespace ksiega::functions {

class FunctionsLibrary {
public:
    virtual ~FunctionsLibrary() = default;
    // The text with the brackets that the reporting systems cannot take replaced.
    virtual QString ZAMIEN_SKOBKI(const QString& text) = 0;
};

FunctionsLibrary& functionsLibrary();
// Puts a library in place (not owned); nullptr brings our stand-in back.
void replaceFunctionsLibrary(FunctionsLibrary* library);

} // namespace ksiega::functions
