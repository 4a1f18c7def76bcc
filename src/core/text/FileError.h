// Why a file could not be written: a value that the editor and the command line each put
// into words of their own.
#pragma once

#include <QString>

struct FileError {
    enum class Kind {
        NotAFile,         // a pipe, a folder or a disk: nothing a drawing is written to
        NoFolder,         // the folder to write in could not be made; `reason` is its path
        SomeoneElsesLink, // a link another user left at the name: never written through
        System,           // the system refused: `code` and `reason` say why
    };
    Kind kind = Kind::System;
    int code = 0;   // the system's error number (errno); 0 when it gave none
    QString reason; // the system's own words for it, as Qt reports them
};
