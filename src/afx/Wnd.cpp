#include "afx/Wnd.h"

#include <utility>

void CWnd::CreateFromTemplate(const ControlTemplate& control) {
    m_bCreated = true;
    m_nID = control.id;
    m_kind = control.kind;
    m_nStyle = control.style;
    m_strText = control.text;
    const CRect outer = DialogUnitsToPixels(control.rect);
    m_clientRect = CRect{0, 0, outer.Width(), outer.Height()};
    Touch();
}

void CWnd::TakeOver(CWnd& placeholder) {
    m_bCreated = placeholder.m_bCreated;
    m_nID = placeholder.m_nID;
    m_kind = placeholder.m_kind;
    m_nStyle = placeholder.m_nStyle;
    m_strText = placeholder.m_strText;
    m_clientRect = placeholder.m_clientRect;
    Touch();
}

void CWnd::DestroyWindow() {
    m_bCreated = false;
    Touch();
}

void CWnd::SetClientSize(int cx, int cy) {
    m_clientRect = CRect{0, 0, cx, cy};
    Touch();
}

CRect DialogUnitsToPixels(const DialogRect& rect) {
    // Base units of an 8-point dialog font: 6 by 13 pixels per 4 by 8 units.
    auto x = [](int units) { return units * 6 / 4; };
    auto y = [](int units) { return units * 13 / 8; };
    return CRect{x(rect.x), y(rect.y), x(rect.x + rect.cx), y(rect.y + rect.cy)};
}

bool CWnd::IsReadOnly() const { return (m_nStyle & ControlStyle::kReadOnly) != 0; }

void CWnd::SetWindowText(const CString& text) {
    const bool singleLine = m_kind == ControlKind::Edit || m_kind == ControlKind::ComboBox;
    CString value = singleLine ? ToSingleLine(text) : text;
    if (value == m_strText) return;
    m_strText = std::move(value);
    Touch();
}

void CWnd::RecordPaint(std::vector<PaintOp> ops) {
    m_lastPaint = std::move(ops);
    Touch();
}

CString ToSingleLine(const CString& text) {
    if (text.find('\n') == CString::npos && text.find('\r') == CString::npos) return text;
    CString out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        out += (c == '\r' || c == '\n') ? ' ' : c;
    }
    return out;
}

BOOL CMenu::AppendMenu(UINT flags, UINT id, const CString& text) {
    m_items.push_back(Item{flags, id, (flags & MF_SEPARATOR) != 0 ? CString() : text});
    return TRUE;
}

CPaintDC::CPaintDC(CWnd* wnd) : m_wnd(wnd) {}

CPaintDC::~CPaintDC() {
    if (m_wnd != nullptr) m_wnd->RecordPaint(std::move(m_ops));
}

void CPaintDC::EraseIconBackground() { m_ops.push_back({PaintOp::Kind::EraseIconBackground}); }

void CPaintDC::DrawIcon(int x, int y, HICON icon) {
    m_ops.push_back({PaintOp::Kind::DrawIcon, x, y, icon});
}

int GetSystemMetrics(int index) {
    // Icons are drawn at the standard large-icon size.
    return (index == SM_CXICON || index == SM_CYICON) ? 32 : 0;
}
