// The undo step.
#include "UndoStep.h"

#include <algorithm>

namespace {

void exchange(CharGrid& a, CharGrid& b, CharGrid& scratch, int width, int height) {
    scratch.copyArea(a, width, height);
    a.copyArea(b, width, height);
    b.copyArea(scratch, width, height);
}

// Every drawing's, chosen in the Edit menu.
int g_depth = 1;

} // namespace

int UndoStep::depth() {
    return g_depth;
}

void UndoStep::setDepth(int steps) {
    g_depth = std::max(steps, 1);
}

void UndoStep::swap(Entry& e, CharGrid& cur, int width, int height) {
    size_t i = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width && i < e.cells.size(); ++x, ++i) std::swap(cur.at(x, y), e.cells[i]);
}

void UndoStep::followHistory() {
    if (m_done > 0) {
        UndoState = State::CanUndo;
        UndoName = m_history[m_done - 1].name;
    } else {
        UndoState = m_history.empty() ? State::Nothing : State::CanRepeat;
        UndoName = m_history.empty() ? QString() : m_history.front().name;
    }
}

void UndoStep::take(const QString& name, const CharGrid& cur, int width, int height) {
    if (g_depth > 1) {
        // The classic step taken before the history was chosen is its first step.
        if (m_history.empty() && UndoState == State::CanUndo) {
            Entry first{UndoName, {}};
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x) first.cells.push_back(UndoGrid.at(x, y));
            m_history.push_back(std::move(first));
            m_done = 1;
        }
        // A new step drops the ones that could have been repeated, and the oldest beyond the depth.
        m_history.resize(m_done);
        Entry e{name, {}};
        e.cells.reserve(size_t(width) * size_t(height));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) e.cells.push_back(cur.at(x, y));
        m_history.push_back(std::move(e));
        if (m_history.size() > size_t(g_depth)) m_history.erase(m_history.begin(), m_history.end() - g_depth);
        m_done = m_history.size();
        followHistory();
        return;
    }
    m_history.clear();
    m_done = 0;
    UndoState = State::CanUndo;
    UndoName = name;
    UndoGrid.copyArea(cur, width, height);
}

void UndoStep::undo(CharGrid& cur, CharGrid& scratch, int width, int height) {
    if (!m_history.empty()) {
        if (m_done == 0) return;
        swap(m_history[--m_done], cur, width, height);
        followHistory();
        return;
    }
    exchange(cur, UndoGrid, scratch, width, height);
    UndoState = State::CanRepeat;
}

void UndoStep::repeat(CharGrid& cur, CharGrid& scratch, int width, int height) {
    if (!m_history.empty()) {
        if (m_done == m_history.size()) return;
        swap(m_history[m_done++], cur, width, height);
        followHistory();
        return;
    }
    exchange(cur, UndoGrid, scratch, width, height);
    UndoState = State::CanUndo;
}

void UndoStep::forget() {
    UndoState = State::Nothing;
    m_history.clear();
    m_done = 0;
}

bool UndoStep::canUndo() const {
    return m_history.empty() ? UndoState == State::CanUndo : m_done > 0;
}

bool UndoStep::canRepeat() const {
    return m_history.empty() ? UndoState == State::CanRepeat : m_done < m_history.size();
}

QString UndoStep::undoName() const {
    return m_history.empty() ? UndoName : m_done > 0 ? m_history[m_done - 1].name : QString();
}

QString UndoStep::repeatName() const {
    return m_history.empty() ? UndoName : m_done < m_history.size() ? m_history[m_done].name : QString();
}

qsizetype UndoStep::memoryBytes() const {
    qsizetype bytes = qsizetype(sizeof(UndoGrid));
    for (const Entry& e : m_history)
        bytes += qsizetype(sizeof(Entry) + e.cells.capacity() * sizeof(CharCell) + e.name.capacity() * 2);
    return bytes;
}
