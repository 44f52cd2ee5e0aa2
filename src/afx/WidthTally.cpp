#include "afx/WidthTally.h"

#include <algorithm>

void WidthTally::Add(int width, int count) {
    if (count <= 0) return;
    width = std::max(width, 0);
    if (static_cast<size_t>(width) >= m_counts.size())
        m_counts.resize(static_cast<size_t>(width) + 1);
    m_counts[static_cast<size_t>(width)] += count;
    m_widest = std::max(m_widest, width);
}

// Only when the last of the widest cells goes is the next width searched,
// among the widths, not among the cells.
void WidthTally::Remove(int width) {
    width = std::max(width, 0);
    if (static_cast<size_t>(width) >= m_counts.size() || m_counts[static_cast<size_t>(width)] == 0)
        return;
    --m_counts[static_cast<size_t>(width)];
    while (m_widest >= 0 && m_counts[static_cast<size_t>(m_widest)] == 0) --m_widest;
}
