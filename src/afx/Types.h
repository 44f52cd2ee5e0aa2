// Basic types and constants of the dialog framework this program is written
// against. Text is held as bytes in std::string (UTF-8 on this platform).
#pragma once

#include <cstdint>
#include <string>

using CString = std::string;
using BOOL = int;
using UINT = unsigned int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// GLib, and so the toolkit, defines TRUE and FALSE as macros of these values.
#ifndef TRUE
inline constexpr BOOL TRUE = 1;
#endif
#ifndef FALSE
inline constexpr BOOL FALSE = 0;
#endif

// Dialog results and standard command ids.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Message box flags.
inline constexpr UINT MB_OK = 0x0000;
inline constexpr UINT MB_YESNO = 0x0004;
inline constexpr UINT MB_TYPEMASK = 0x000F;
inline constexpr UINT MB_ICONEXCLAMATION = 0x0030;
inline constexpr UINT MB_ICONMASK = 0x00F0;

// Window messages the dialogs handle.
inline constexpr UINT WM_DESTROY = 0x0002;
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_QUERYDRAGICON = 0x0037;
inline constexpr UINT WM_NOTIFY = 0x004E;
inline constexpr UINT WM_COMMAND = 0x0111;
inline constexpr UINT WM_SYSCOMMAND = 0x0112;

// Notification codes.
inline constexpr UINT BN_CLICKED = 0;
inline constexpr UINT NM_CLICK = static_cast<UINT>(-2);
inline constexpr UINT LVN_COLUMNCLICK = static_cast<UINT>(-108);

// System commands.
inline constexpr UINT IDM_ABOUTBOX = 0x0010;
inline constexpr UINT SC_CLOSE = 0xF060;

// Notification header sent with WM_NOTIFY.
struct NMHDR {
    int idFrom = 0;
    UINT code = 0;
};

// List-view notification: iSubItem names the clicked column.
struct NMLISTVIEW {
    NMHDR hdr;
    int iItem = -1;
    int iSubItem = -1;
};
