// The frame's dialogs, each made the first time it is needed and kept for the rest of the
// run, so that it opens again as it was left; a start pays for none of them. The import
// dialog and the text banner share one fill settings dialog.
#pragma once

#include <QStringList>

#include <optional>

class TAboutForm;
class TExportForm;
class THBXZForm;
class TMainForm;
class TNewForm;
class TPictureForm;
class TPictureSetForm;
class TTextForm;
class UiPlatform;

class FrameDialogs {
public:
    // Reads the brush chooser's candidate characters now: a file that cannot be read is said at
    // start, as the program always did.
    FrameDialogs(UiPlatform& platform, TMainForm& frame);

    THBXZForm& brush();
    TTextForm& text();
    TPictureForm& picture();
    TNewForm& newDrawing();
    TAboutForm& about();
    TExportForm& exporting();

private:
    TPictureSetForm& fill();
    // A new dialog of the frame keeps its place between showings.
    template <class Dialog> Dialog* placed(Dialog* dialog);

    UiPlatform& m_platform;
    TMainForm& m_frame;
    std::optional<QStringList> m_candidates;
    // Owned by the frame, as its children.
    THBXZForm* m_brush = nullptr;
    TTextForm* m_text = nullptr;
    TPictureForm* m_picture = nullptr;
    TPictureSetForm* m_fill = nullptr;
    TNewForm* m_new = nullptr;
    TAboutForm* m_about = nullptr;
    TExportForm* m_export = nullptr;
};
