// The editor's messages about files, in one place: each composed from the value a rule
// returned (what failed, the path, the system's reason), in the editor's Chinese.
#pragma once

#include "core/convert/PictureError.h"
#include "core/text/FileError.h"
#include "core/text/TextFile.h"

#include <QString>

class Drawing;

namespace messages {

inline const QString kCaption = QStringLiteral("Runeboard");
inline const QString kConfirm = QStringLiteral("请确认");

// Why a file could not be read or written, as the end of a sentence.
QString reason(const FileError& error);
QString cannotRead(const QString& path, const FileError& error);
QString cannotOpen(const QString& path, OpenFailure failure);
QString cannotSave(const QString& path, const FileError& error);
QString cannotSaveCandidates(const QString& path, const FileError& error);
QString cannotReadCandidates(const QString& path, const FileError& error);
// One line of the list of what a file lost at open.
QString leftOut(const LeftOut& part);
// What a file lost on its way into the drawing, said at open; empty when nothing was lost.
QString lossNotice(const QString& path, const OpenedText& text);
// The question before the first save over such a file.
QString lossQuestion(const Drawing& d);

QString overwrite();
QString reopenLosesChanges();
QString halfCharactersInUtf8();
QString charactersAcrossCellsInUtf8();
QString clipboardTooLarge(qsizetype maxCharacters);
// Why a picture would not load, as the import dialog says it.
QString pictureReason(const convert::PictureError& error);

} // namespace messages
