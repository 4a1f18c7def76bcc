// The command-line converter: "runeboard convert" and "runeboard banner" turn a
// picture or a line of text into character art without any window, and
// "--help" and "--version" answer as command-line programs do.
#pragma once

#include "core/convert/PictureError.h"
#include "core/convert/RgbRaster.h"

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QCoreApplication;

namespace cli {

// What reading pictures and drawing text takes. The light one, in the program that
// answers the command line, reads JPEG alone without the GUI library and hands
// anything else on; the full one, in the editor's program, reads every format and
// draws fonts.
struct Backend {
    // The picture in `bytes` stretched to the size `target` chooses from its own (a 100 x 100
    // raster); nothing with *error, or nothing with *handOn when this backend cannot read it.
    std::function<std::optional<convert::RgbRaster>(const QByteArray& bytes,
                                                    const std::function<QSize(QSize)>& target,
                                                    convert::PictureError* error, QSize* size, bool* handOn)>
        scale;
    // The banner's picture: the text drawn from (0, 0); nothing with *handOn when this backend draws no text.
    // *standIn receives the family drawn with when `family` is not installed.
    std::function<std::optional<convert::RgbRaster>(const QString& text, const QString& family, int pointSize,
                                                    bool bold, bool italic, bool underline,
                                                    std::optional<QString>* standIn, bool* handOn)>
        banner;
    // Shape matching: the picture in `bytes` stretched to the size `target` chooses, each cell the
    // glyph of the canvas font nearest its part of the picture; nothing with *error. Empty in a
    // backend that draws no text.
    std::function<std::optional<QList<QByteArray>>(const QByteArray& bytes,
                                                   const std::function<QSize(QSize)>& target, bool invert,
                                                   convert::PictureError* error, QSize* size)>
        shapes;
    // The lines drawn as the canvas draws them, as the bytes of a PNG file (empty when there is
    // nothing to draw or no memory for it). Empty in a backend that draws no text.
    std::function<QByteArray(const QList<QByteArray>& lines)> png;
    // The application object the backend needs, fonts or not.
    std::function<std::unique_ptr<QCoreApplication>(int& argc, char** argv, bool fonts)> application;
};

// What became of a command line.
struct Result {
    int exitCode = 0;       // 0 done, 1 a file that cannot be read or converted, 2 bad usage
    bool editor = false;    // not for the converter: start the editor
    bool handOn = false;    // for the full program: run it with `handOnInput` as the input
    QByteArray handOnInput; // the bytes read from standard input, which the full program cannot read again
};

Result run(int argc, char* argv[], const Backend& backend);

} // namespace cli
