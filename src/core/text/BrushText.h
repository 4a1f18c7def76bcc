// The brush text of a drawing from what the user typed or picked.
#pragma once

#include <QString>

class ChildDocument;

// BrushText := text, BrushBytes := its GBK bytes (padded to two with spaces, then a 0).
void setBrushText(ChildDocument& doc, const QString& text);
