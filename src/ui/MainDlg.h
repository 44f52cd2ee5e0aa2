// The main dialog: the editor fields, the Entry table and the commands.
//
// Its member routines are defined across the folders that hold their
// subsystem: ui (dialog, chrome, Help, date), entries (the table and the
// editing commands), sort, storage and report.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "afx/ComboBox.h"
#include "afx/DataExchange.h"
#include "afx/Dialog.h"
#include "afx/ListCtrl.h"
#include "afx/MessageMap.h"
#include "ui/ResourceIds.h"

class CMainDlg : public CDialog {
public:
    explicit CMainDlg(CWnd* pParent = nullptr);
    ~CMainDlg() override = default;

    static constexpr int IDD = IDD_MAIN_DIALOG;

    CString m_strReportFile;
    CComboBox m_cbStatus;
    CComboBox m_cbItem;
    CListCtrl m_list;
    CString m_strSupplierDetail;
    CString m_strSupplierContact;
    CString m_strSupplier;
    CString m_strNotes;
    CString m_strDate;
    int m_nItemCount = 0;
    CString m_strCost;
    CString m_strStatus;
    CString m_strItem;
    HICON m_hIcon;

    // Entry table.
    void InitListColumns();
    void AutoSizeColumns();
    void LoadEntryFromRow(int nRow);
    void UpdateItemCount();
    void InsertEntryAtTop();
    void WriteEntryToRow(int nRow);

    // Editing.
    void AddEntry();
    int IsDuplicateEntry();
    void UpdateDropLists();
    void ClearEditorFields();
    void UpdateEntry();
    void RemoveEntry();
    void SelectDate();

    // Sorting.
    void SortByColumn(int nCol);
    void ReverseRows();

    // Data file.
    void LoadDataFile();
    void AddLoadedEntry();
    void SaveDataFile();

    // Report.
    void GenerateReport();
    CString ReadTextFile(const CString& strFileName);
    int WriteTextFile(const CString& strFileName, const CString& strText);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnButtonAdd();
    void OnButtonHelp();
    void OnButtonUpdate();
    void OnButtonRemove();
    void OnButtonSelect();
    void OnButtonList();
    void OnDestroy();
    void OnClickList(NMHDR* pNMHDR, LRESULT* pResult);
    void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);

private:
    static std::span<const MessageMapEntry<CMainDlg>> MessageMap();
    // The eight editor members in column order.
    std::array<CString*, 8> EditorFields();
    // Adds the Status, then the Item text to its drop list when missing.
    void AddToDropLists();
    void HandleDataFileLine(std::string_view line);
};
