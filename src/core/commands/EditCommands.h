// The Edit menu's commands on a drawing's selection and floating block: Cut,
// Copy, Paste, Delete, Select all, Select none and Clear.
#pragma once

class Drawing;
class Platform;

namespace edit {

// Cell bytes of the selection (or the floating block) to the clipboard, space
// pairs as ideographic spaces. Changes nothing in the drawing.
void copy(Drawing& d, Platform& platform);
// As copy without the pairing, then the cells become blank (a floating block
// just goes). Takes its undo snapshot even when nothing is selected.
void cut(Drawing& d, Platform& platform);
// As cut, without the clipboard.
void remove(Drawing& d);
enum class PasteResult { Pasted, Nothing, TooLarge };

// The clipboard's text as a floating block at the top left: a block of equally long lines
// as they are, other lines flowed, and so are lines whose pairing into cells would cut a
// character. An old block is written where it floats first. Text beyond
// kClipboardMaxChars is refused with nothing changed.
PasteResult paste(Drawing& d, Platform& platform);
void selectAll(Drawing& d);
void selectNone(Drawing& d);
// Every cell blank; a floating block is dropped unwritten.
void clear(Drawing& d);

// A selection or a floating block exists.
bool hasSelection(const Drawing& d);

} // namespace edit
