#pragma once
// The statement library as the module calls it: ZESTAWIENIA_CRS(context) lets the person
// choose one of the statements available for the context and returns its report code,
// 0 when cancelled. The library in force is statementsLibrary(); a test puts its own in
// place with replaceStatementsLibrary.
#include <QString>

class QWidget;

namespace ksiega::statements {

class StatementsLibrary {
public:
    virtual ~StatementsLibrary() = default;
    virtual int ZESTAWIENIA_CRS(const QString& context, QWidget* parent = nullptr) = 0;
};

StatementsLibrary& statementsLibrary();
// Puts a library in place (not owned); nullptr brings our stand-in back.
void replaceStatementsLibrary(StatementsLibrary* library);

} // namespace ksiega::statements
