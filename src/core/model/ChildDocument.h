// Everything a drawing holds apart from its canvas: size, the grids, the undo step,
// counters, brush text, the selection with its floating block, and what its file is.
// What the tools keep between events lives in their gestures; the edit box's state in
// the window that shows it.
#pragma once

#include "CharGrid.h"
#include "FileEncoding.h"
#include "Selection.h"
#include "UndoStep.h"

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QString>

#include <array>

class ChildDocument {
public:
    // Construction state: a 50 x 50 drawing of spaces with the brush 画.
    ChildDocument();

    // Sets BrushText and BrushBytes: `bytes` are the text's GBK bytes, padded to two with
    // spaces and followed by a 0 (setBrushText makes them from the text).
    void setBrush(const QString& text, QByteArray bytes);
    // The state the show event resets.
    void resetForShow();
    // A fresh drawing of width x height blank cells in place of this one: the show event's
    // state, nothing to undo, not modified. The file name and encoding stay.
    void resetTo(int width, int height);
    // The first step of every undoable operation, taken by this one call alike by tools, Edit
    // commands and dialogs: remember the drawing as it is now, and count a change.
    void takeUndoSnapshot(const QString& name);

    QString FileName;
    int GridWidth = 50;
    int GridHeight = 50;
    CharGrid CurGrid{CharCell::blank()};
    CharGrid TempGrid{CharCell::zero()};
    CharGrid ShownGrid{CharCell::blank()};
    UndoStep undo;
    int ChangeCount = 0;
    int SavedCount = 0;
    int FontSize = 10;
    QString FontName = QStringLiteral("Fixedsys"); // the canvas font's stored name
    QString BrushText;
    std::array<char, 8> BrushBytes{};
    Selection selection;
    // Opened from a file the drawing could not hold whole: saving over that file asks first.
    bool PartialFile = false;
    // Characters of the file that GBK cannot hold, shown as "?": saving over that file asks first too.
    qint64 LostCharacters = 0;
    // What the file is read and written in: the drawing file's GBK unless it was opened from
    // or saved as UTF-8.
    TextEncoding Encoding = TextEncoding::Gbk;
};
