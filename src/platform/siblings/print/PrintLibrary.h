#pragma once
// The print library as the module calls it: PARAM_PRN_BRO asks for the print range,
// the device and the copies, writes them into the session's globals and returns 1 to
// print (0 when cancelled). The library in force is printLibrary(); a test puts its own
// in place with replacePrintLibrary.
#include "platform/siblings/print/PrintRangeController.h"

class QWidget;

namespace ksiega::print {

class PrintLibrary {
public:
    virtual ~PrintLibrary() = default;
    virtual int PARAM_PRN_BRO(PrintGlobals globals, QWidget* parent = nullptr) = 0;
};

PrintLibrary& printLibrary();
// Puts a library in place (not owned); nullptr brings our stand-in back.
void replacePrintLibrary(PrintLibrary* library);

} // namespace ksiega::print
