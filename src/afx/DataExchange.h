// Dialog data exchange: moving values between a dialog's members and its
// controls, in the order the dialog's DoDataExchange lists them.
#pragma once

#include "afx/Time.h"
#include "afx/Types.h"

class CDialog;
class CWnd;

class CDataExchange {
public:
    CDataExchange(CDialog* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;  // TRUE: controls into members
    CDialog* m_pDlgWnd;

    // The control with that id; none once an earlier step has failed.
    CWnd* PrepareCtrl(int id);
    void Fail() { m_bFailed = true; }
    bool HasFailed() const { return m_bFailed; }

private:
    bool m_bFailed = false;
};

void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
void DDX_Text(CDataExchange* pDX, int id, CString& value);
void DDX_Text(CDataExchange* pDX, int id, int& value);
// Showing: a list line that begins with the value, case ignored, is
// selected and shown with its own text; otherwise the value itself is shown;
// an empty value shows an empty box. Reading: the box's text.
void DDX_CBString(CDataExchange* pDX, int id, CString& value);
// Showing: the date of value becomes the calendar's selected day. Reading:
// the selected day becomes value.
void DDX_MonthCalCtrl(CDataExchange* pDX, int id, CTime& value);
