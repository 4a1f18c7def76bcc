// The floating block: cells shown over a drawing but not yet written into it.
#pragma once

class ChildDocument;

// Writes the block (PasteLines at SelRect) into the current grid, clipped to the
// area in use; with PasteTransparent, block cells whose first byte is a space
// leave the grid as it is.
void clippedWrite(ChildDocument& doc);
// Writes the block into the drawing and ends it. Takes no undo step and does not repaint.
void commitFloatingBlock(ChildDocument& doc);
// Ends the block without writing it.
void dropFloatingBlock(ChildDocument& doc);
