// Editable drop-down combo box with a sorted list that ignores case.
#pragma once

#include <cstdint>
#include <ext/pb_ds/assoc_container.hpp>
#include <ext/pb_ds/tree_policy.hpp>
#include <functional>
#include <string>

#include "afx/Wnd.h"

inline constexpr int CB_ERR = -1;

class CComboBox : public CWnd {
public:
    // Adds a line in its sorted place; returns its index.
    int AddString(const CString& text);
    // Index of the first line equal to text, case ignored, searching from
    // the line after nIndexStart to the end and then from the top; CB_ERR
    // when there is none.
    int FindStringExact(int nIndexStart, const CString& text) const;
    // Like FindStringExact, but for the first line that begins with text;
    // a match becomes the selection and the box shows the line's own text.
    int SelectString(int nStartAfter, const CString& text);

    int GetCount() const { return static_cast<int>(m_lines.size()); }
    CString GetLBText(int index) const;
    int GetCurSel() const { return m_nCurSel; }
    void SetCurSel(int index);

    // Grows with every change to the list's lines.
    unsigned long ListRevision() const { return m_nListRevision; }

    void DestroyWindow() override;

private:
    // Lines are ordered by their folded text; lines that fold alike keep the
    // order in which they were added.
    struct Key {
        std::string folded;
        std::uint64_t sequence = 0;
        bool operator<(const Key& other) const {
            const int c = folded.compare(other.folded);
            return c != 0 ? c < 0 : sequence < other.sequence;
        }
    };
    using Lines = __gnu_pbds::tree<Key, std::string, std::less<Key>, __gnu_pbds::rb_tree_tag,
                                   __gnu_pbds::tree_order_statistics_node_update>;

    // First index at or after start in [lo, hi), wrapping to lo.
    static int FirstFrom(int start, int lo, int hi);
    int IndexOf(const std::string& folded) const;  // of the first key >= folded

    Lines m_lines;
    std::uint64_t m_nNextSequence = 0;
    int m_nCurSel = CB_ERR;
    unsigned long m_nListRevision = 0;
};
