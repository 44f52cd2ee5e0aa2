// The main dialog: construction, data exchange, message map, window chrome
// and the Help button.
#include "ui/MainDlg.h"

#include <array>

#include "ProductInfo.h"
#include "afx/Resources.h"
#include "afx/WinApp.h"
#include "ui/AboutDlg.h"

CMainDlg::CMainDlg(CWnd* pParent)
    : CDialog(IDD, pParent), m_hIcon(AfxGetApp() != nullptr ? AfxGetApp()->LoadIcon(IDR_MAINFRAME)
                                                            : AfxLoadIcon(IDR_MAINFRAME)) {}

void CMainDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COMBO_STATUS, m_cbStatus);
    DDX_Control(pDX, IDC_COMBO_ITEM, m_cbItem);
    DDX_Control(pDX, IDC_LIST, m_list);
    DDX_Text(pDX, IDC_EDIT_SUPPLIER_DETAIL, m_strSupplierDetail);
    DDX_Text(pDX, IDC_EDIT_SUPPLIER_CONTACT, m_strSupplierContact);
    DDX_Text(pDX, IDC_EDIT_SUPPLIER, m_strSupplier);
    DDX_Text(pDX, IDC_EDIT_NOTES, m_strNotes);
    DDX_Text(pDX, IDC_EDIT_DATE, m_strDate);
    DDX_Text(pDX, IDC_EDIT_ITEM_COUNT, m_nItemCount);
    DDX_Text(pDX, IDC_EDIT_COST, m_strCost);
    DDX_CBString(pDX, IDC_COMBO_STATUS, m_strStatus);
    DDX_CBString(pDX, IDC_COMBO_ITEM, m_strItem);
}

std::span<const MessageMapEntry<CMainDlg>> CMainDlg::MessageMap() {
    static const std::array<MessageMapEntry<CMainDlg>, 13> map{
        ON_WM_SYSCOMMAND(&CMainDlg::OnSysCommand),
        ON_MESSAGE_VOID(WM_PAINT, &CMainDlg::OnPaint),
        ON_WM_QUERYDRAGICON(&CMainDlg::OnQueryDragIcon),
        ON_BN_CLICKED(IDC_BUTTON_ADD, &CMainDlg::OnButtonAdd),
        ON_BN_CLICKED(IDC_BUTTON_HELP, &CMainDlg::OnButtonHelp),
        ON_BN_CLICKED(IDC_BUTTON_CLEAR, &CMainDlg::ClearEditorFields),
        ON_BN_CLICKED(IDC_BUTTON_UPDATE, &CMainDlg::OnButtonUpdate),
        ON_BN_CLICKED(IDC_BUTTON_REMOVE, &CMainDlg::OnButtonRemove),
        ON_BN_CLICKED(IDC_BUTTON_SELECT, &CMainDlg::OnButtonSelect),
        ON_MESSAGE_VOID(WM_DESTROY, &CMainDlg::OnDestroy),
        ON_NOTIFY(NM_CLICK, IDC_LIST, &CMainDlg::OnClickList),
        ON_BN_CLICKED(IDC_BUTTON_LIST, &CMainDlg::OnButtonList),
        ON_NOTIFY(LVN_COLUMNCLICK, IDC_LIST, &CMainDlg::OnColumnClick),
    };
    return map;
}

bool CMainDlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    return DispatchMessageMap<CMainDlg>(*this, MessageMap(), message, wParam, lParam, pResult);
}

BOOL CMainDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    if (CMenu* pSysMenu = GetSystemMenu(FALSE)) {
        const CString strAboutMenu = AfxLoadString(IDS_ABOUTBOX);
        if (!strAboutMenu.empty()) {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
        }
    }

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    InitListColumns();
    LoadDataFile();
    return TRUE;
}

void CMainDlg::OnSysCommand(UINT nID, LPARAM lParam) {
    if ((nID & 0xFFF0u) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

// Where the program draws its minimised window itself, the icon is centred
// in the client area; an odd margin leaves the extra pixel on the left and
// at the top.
void CMainDlg::OnPaint() {
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    dc.EraseIconBackground();
    const int cxIcon = GetSystemMetrics(SM_CXICON);
    const int cyIcon = GetSystemMetrics(SM_CYICON);
    CRect rect;
    GetClientRect(&rect);
    const int x = (rect.Width() - cxIcon + 1) / 2;
    const int y = (rect.Height() - cyIcon + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CMainDlg::OnQueryDragIcon() { return m_hIcon; }

void CMainDlg::OnButtonHelp() {
    UpdateData(TRUE);
    ShellExecute(nullptr, "open", kHomePage, nullptr, nullptr, SW_HIDE);
    UpdateData(FALSE);
}

void CMainDlg::OnDestroy() {
    CDialog::OnDestroy();
    SaveDataFile();
}
