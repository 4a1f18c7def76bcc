// Something shown over a drawing without becoming part of it: while the preview lives, the
// drawing waits in the scratch grid, so that what is written into the current grid reaches
// the canvas (by ReDraw or ReDrawAll) and the shown grid, and never the drawing.
#pragma once

class ChildDocument;

class ScopedPreview {
public:
    // The current grid's area in use goes to the scratch grid.
    explicit ScopedPreview(ChildDocument& doc);
    // And comes back from it.
    ~ScopedPreview();

    ScopedPreview(const ScopedPreview&) = delete;
    ScopedPreview& operator=(const ScopedPreview&) = delete;

private:
    ChildDocument& m_doc;
};
