// The scoped preview.
#include "ScopedPreview.h"

#include "ChildDocument.h"

ScopedPreview::ScopedPreview(ChildDocument& doc) : m_doc(doc) {
    m_doc.TempGrid.copyArea(m_doc.CurGrid, m_doc.GridWidth, m_doc.GridHeight);
}

ScopedPreview::~ScopedPreview() {
    m_doc.CurGrid.copyArea(m_doc.TempGrid, m_doc.GridWidth, m_doc.GridHeight);
}
