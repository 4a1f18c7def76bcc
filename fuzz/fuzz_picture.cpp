// Any bytes as a picture to import (JPEG, BMP, ICO, PNG, GIF, SVG): loading
// either refuses with a reason or gives a picture within the limits, and the
// stretch taken row by row from a JPEG is the stretch of the whole picture.
#include "FuzzCheck.h"

#include "core/convert/Picture.h"

#include <QGuiApplication>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv); // the image format plugins, and fonts for SVG text
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in{data, size};
    const int w = in.between(0, 250), h = in.between(0, 250);
    const QByteArray bytes(reinterpret_cast<const char*>(in.data), qsizetype(in.size));

    convert::PictureError error;
    const convert::Picture picture = convert::Picture::fromBytes(bytes, &error);
    convert::PictureError sampledError;
    QSize chosen;
    const QImage sampled = convert::scaledPicture(
        bytes, [&](QSize) { return QSize(w, h); }, &sampledError, &chosen);
    if (picture.isNull()) {
        FUZZ_CHECK(error.failed());
        return 0;
    }
    FUZZ_CHECK(picture.size().width() >= 1 && picture.size().height() >= 1);
    FUZZ_CHECK(picture.size().width() <= convert::kMaxPictureSide);
    FUZZ_CHECK(picture.size().height() <= convert::kMaxPictureSide);
    FUZZ_CHECK(qint64(picture.size().width()) * picture.size().height() <= convert::kMaxPixels);
    const QImage whole = picture.scaled(w, h);
    FUZZ_CHECK(whole.size() == QSize(convert::kMaxSidePixels, convert::kMaxSidePixels));
    FUZZ_CHECK(!sampled.isNull());
    FUZZ_CHECK(chosen == QSize(w, h));
    FUZZ_CHECK(sampled.convertToFormat(whole.format()) == whole);
    return 0;
}
