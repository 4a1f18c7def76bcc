// The New command.
#include "NewCommand.h"

#include "core/commands/DrawingHost.h"
#include "core/model/Drawing.h"
#include "core/text/ClipboardLines.h"
#include "ui/dialogs/TNewForm.h"
#include "ui/platform/UiPlatform.h"

void NewCommand::run() {
    TNewForm& form = m_form();
    // Read once: the fill uses these lines even if the clipboard changes meanwhile.
    const ClipboardLines clip = ClipboardLines::read(m_platform.clipboardText());
    form.propose(clip.usable, clip.rectangular, clip.width, clip.height);
    m_platform.execDialog(form);
    if (form.Accepted != 1) return;

    Drawing& d = m_host.createDrawing(form.ChosenWidth, form.ChosenHeight);
    if (!form.startsFromClipboard()) return;
    clip.fill(d.CurGrid, d.GridWidth, d.GridHeight);
    d.ReDraw();
}
