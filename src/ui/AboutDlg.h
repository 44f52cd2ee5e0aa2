// The About box: product name and version; it changes nothing.
#pragma once

#include "afx/Dialog.h"
#include "ui/ResourceIds.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg() : CDialog(IDD, nullptr) {}
    static constexpr int IDD = IDD_ABOUTBOX;
};
