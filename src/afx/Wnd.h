// Windows: the common part of a dialog and of each of its controls.
#pragma once

#include <vector>

#include "afx/DialogTemplate.h"
#include "afx/Types.h"

// An icon resource. Handles stay valid for the whole run.
struct IconResource {
    int id = 0;
};
using HICON = const IconResource*;
using HCURSOR = HICON;

struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// One drawing step of a paint pass (see CPaintDC).
struct PaintOp {
    enum class Kind { EraseIconBackground, DrawIcon } kind = Kind::EraseIconBackground;
    int x = 0;
    int y = 0;
    HICON icon = nullptr;
};

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // Creation from a dialog template, and destruction with the dialog.
    void CreateFromTemplate(const ControlTemplate& control);
    void TakeOver(CWnd& placeholder);  // becomes the window placeholder was
    virtual void DestroyWindow();
    bool IsWindow() const { return m_bCreated; }

    int GetDlgCtrlID() const { return m_nID; }
    ControlKind GetKind() const { return m_kind; }
    unsigned GetStyle() const { return m_nStyle; }
    bool IsReadOnly() const;

    // The window's inner size in pixels. Created from a template, a window
    // takes the template's size at the nominal dialog base units; the host
    // tells it the size it really has.
    void GetClientRect(CRect* rect) const { *rect = m_clientRect; }
    void SetClientSize(int cx, int cy);

    // The window's text. Edit and combo boxes are single-line: a line break
    // in the text becomes a space.
    void SetWindowText(const CString& text);
    const CString& GetWindowText() const { return m_strText; }

    // What the last paint pass drew (see CPaintDC).
    void RecordPaint(std::vector<PaintOp> ops);
    const std::vector<PaintOp>& LastPaint() const { return m_lastPaint; }

    // Grows with every change a viewer would have to show.
    unsigned long Revision() const { return m_nRevision; }

protected:
    void Touch() { ++m_nRevision; }

private:
    bool m_bCreated = false;
    int m_nID = 0;
    ControlKind m_kind = ControlKind::Label;
    unsigned m_nStyle = 0;
    CString m_strText;
    CRect m_clientRect;
    std::vector<PaintOp> m_lastPaint;
    unsigned long m_nRevision = 0;
};

// Pixels of a template's dialog units at the nominal base units of the
// dialogs' font.
CRect DialogUnitsToPixels(const DialogRect& rect);

// Replaces each line break (CR LF, CR or LF) with one space.
CString ToSingleLine(const CString& text);

// Menus: only appending is needed, for the system menu.
inline constexpr UINT MF_STRING = 0x0000;
inline constexpr UINT MF_SEPARATOR = 0x0800;

class CMenu {
public:
    struct Item {
        UINT flags = MF_STRING;
        UINT id = 0;
        CString text;
    };

    BOOL AppendMenu(UINT flags, UINT id = 0, const CString& text = {});
    const std::vector<Item>& Items() const { return m_items; }

private:
    std::vector<Item> m_items;
};

// A paint pass over a window. What is drawn is recorded on the window, so a
// front end that paints the window itself can replay it.
class CPaintDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    void EraseIconBackground();
    void DrawIcon(int x, int y, HICON icon);

private:
    CWnd* m_wnd;
    std::vector<PaintOp> m_ops;
};

// System metrics used for the minimised drawing.
inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;
int GetSystemMetrics(int index);
