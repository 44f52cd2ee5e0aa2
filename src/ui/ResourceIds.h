// Resource and control ids of the dialogs.
#pragma once

// Dialogs, strings and icons.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr unsigned IDS_ABOUTBOX = 101;
inline constexpr int IDD_MAIN_DIALOG = 102;
inline constexpr unsigned IDP_SOCKETS_INIT_FAILED = 103;
inline constexpr int IDR_MAINFRAME = 128;
inline constexpr int IDD_DATE_SELECT = 130;

// Controls of the main dialog.
inline constexpr int IDC_LIST = 1000;
inline constexpr int IDC_BUTTON_ADD = 1001;
inline constexpr int IDC_BUTTON_UPDATE = 1002;
inline constexpr int IDC_BUTTON_REMOVE = 1003;
inline constexpr int IDC_BUTTON_HELP = 1004;
inline constexpr int IDC_COMBO_STATUS = 1006;
inline constexpr int IDC_COMBO_ITEM = 1008;
inline constexpr int IDC_EDIT_COST = 1009;
inline constexpr int IDC_EDIT_DATE = 1010;
inline constexpr int IDC_BUTTON_SELECT = 1011;
inline constexpr int IDC_BUTTON_CLEAR = 1012;
inline constexpr int IDC_EDIT_ITEM_COUNT = 1013;
inline constexpr int IDC_EDIT_NOTES = 1014;
inline constexpr int IDC_EDIT_SUPPLIER = 1015;
inline constexpr int IDC_EDIT_SUPPLIER_CONTACT = 1016;
inline constexpr int IDC_EDIT_SUPPLIER_DETAIL = 1017;
inline constexpr int IDC_BUTTON_LIST = 1018;
inline constexpr int IDC_STATIC_PRODUCT = 1047;

// Controls of the date dialog.
inline constexpr int IDC_MONTH_CALENDAR = 1053;
