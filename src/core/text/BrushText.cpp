// Brush text.
#include "BrushText.h"

#include "GbkText.h"
#include "core/model/ChildDocument.h"

void setBrushText(ChildDocument& doc, const QString& text) {
    doc.setBrush(text, unicodeToGbk(text));
}
