// How many cells of a column have each width, so that the widest stays
// known as cells come and go without measuring the column again.
#pragma once

#include <vector>

class WidthTally {
public:
    void Add(int width, int count = 1);
    void Remove(int width);
    int Widest() const { return m_widest; }  // -1 when there is no cell
    bool Empty() const { return m_widest < 0; }

private:
    std::vector<int> m_counts;  // indexed by width
    int m_widest = -1;
};
