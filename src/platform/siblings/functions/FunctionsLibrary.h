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

// Our stand-in's rule: the square, curly and angle brackets ("[", "{", "<" and "]", "}",
// ">") become round ones ("(" and ")"); the reporting files and their templates read the
// former as markup. Every other character, round brackets included, stays as it was, so
// the text keeps its length.
QString replaceBrackets(const QString& text);

FunctionsLibrary& functionsLibrary();
// Puts a library in place (not owned); nullptr brings our stand-in back.
void replaceFunctionsLibrary(FunctionsLibrary* library);

} // namespace ksiega::functions
