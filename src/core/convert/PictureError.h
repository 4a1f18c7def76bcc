// Why a picture could not be read: a value that the import dialog and the command line
// each put into words of their own.
#pragma once

#include <QSize>
#include <QString>

namespace convert {

struct PictureError {
    enum class Kind {
        None,
        CannotOpen,   // the file would not open: `detail` is the system's reason
        CannotRead,   // reading it failed: `detail` is the system's reason
        FileTooLarge, // larger than the largest picture the program takes could be
        Empty,
        NotAPicture,     // no reader knows the bytes
        Damaged,         // the decoder gave up: `detail` is its own reason, when it gave one
        Truncated,       // the file ends before the picture does
        ImplausibleSize, // the header claims `size`, far more than the file's bytes can hold: damaged
        TooLarge,        // `size` is beyond the limits (PictureLimits.h)
        OutOfMemory,     // the picture fits the limits, but not in memory now
        UnsupportedJpeg, // a JPEG colour space only Qt's reader turns into colours
    };
    Kind kind = Kind::None;
    QString detail;
    QSize size;

    bool failed() const { return kind != Kind::None; }
};

} // namespace convert
