// The platform seam's part that deals in widgets: the program's own dialogs
// shown modally, and the printer's dialogs.
#pragma once

#include "core/platform/Platform.h"

class QDialog;
class QPrinter;

class UiPlatform : public Platform {
public:
    // Shows one of the program's own dialogs modally; returns its result code.
    virtual int execDialog(QDialog& dialog) = 0;
    // The print dialog (true: print) and the printer setup dialog, on the program's printer.
    virtual bool printDialog(QPrinter& printer) = 0;
    virtual void printerSetupDialog(QPrinter& printer) = 0;
};
