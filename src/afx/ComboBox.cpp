#include "afx/ComboBox.h"

#include <limits>

#include "afx/CaseFold.h"

namespace {

// The smallest text greater than every text that begins with prefix, or
// nothing when no such text exists (prefix empty or all 0xFF bytes).
bool PrefixSuccessor(std::string prefix, std::string& successor) {
    while (!prefix.empty() && static_cast<unsigned char>(prefix.back()) == 0xFF) prefix.pop_back();
    if (prefix.empty()) return false;
    prefix.back() = static_cast<char>(static_cast<unsigned char>(prefix.back()) + 1);
    successor = std::move(prefix);
    return true;
}

}  // namespace

int CComboBox::AddString(const CString& text) {
    Key key{FoldCase(text), m_nNextSequence++};
    m_lines.insert({key, text});
    ++m_nListRevision;
    Touch();
    return static_cast<int>(m_lines.order_of_key(key));
}

int CComboBox::IndexOf(const std::string& folded) const {
    return static_cast<int>(m_lines.order_of_key(Key{folded, 0}));
}

int CComboBox::FirstFrom(int start, int lo, int hi) {
    if (lo >= hi) return CB_ERR;
    return (start > lo && start < hi) ? start : lo;
}

int CComboBox::FindStringExact(int nIndexStart, const CString& text) const {
    std::string folded = FoldCase(text);
    // Most searches find nothing; they cost one descent of the tree.
    const auto first = m_lines.lower_bound(Key{folded, 0});
    if (first == m_lines.end() || first->first.folded != folded) return CB_ERR;
    const int lo = static_cast<int>(m_lines.order_of_key(first->first));
    if (nIndexStart + 1 <= lo) return lo;
    const int hi = static_cast<int>(
        m_lines.order_of_key(Key{std::move(folded), std::numeric_limits<std::uint64_t>::max()}));
    return FirstFrom(nIndexStart + 1, lo, hi);
}

int CComboBox::SelectString(int nStartAfter, const CString& text) {
    const std::string folded = FoldCase(text);
    const int lo = IndexOf(folded);
    std::string successor;
    const int hi = PrefixSuccessor(folded, successor) ? IndexOf(successor) : GetCount();
    const int found = FirstFrom(nStartAfter + 1, lo, hi);
    if (found != CB_ERR) SetCurSel(found);
    return found;
}

CString CComboBox::GetLBText(int index) const {
    if (index < 0 || index >= GetCount()) return {};
    return m_lines.find_by_order(static_cast<std::size_t>(index))->second;
}

void CComboBox::SetCurSel(int index) {
    m_nCurSel = (index >= 0 && index < GetCount()) ? index : CB_ERR;
    SetWindowText(m_nCurSel != CB_ERR ? GetLBText(m_nCurSel) : CString());
    Touch();
}

void CComboBox::DestroyWindow() {
    m_lines.clear();
    m_nCurSel = CB_ERR;
    ++m_nListRevision;
    CWnd::DestroyWindow();
}
