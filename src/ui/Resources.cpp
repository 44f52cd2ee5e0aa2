// The resource script: dialog templates, string table and icons.
#include "afx/Resources.h"

#include <array>
#include <string>

#include "ProductInfo.h"
#include "ui/ResourceIds.h"

namespace {

using namespace ControlStyle;
using K = ControlKind;

constexpr unsigned kEditStyle = kTabStop | kBorder | kAutoHScroll;
constexpr unsigned kComboStyle = kTabStop | kSort | kVScroll;
constexpr unsigned kButtonStyle = kTabStop;
constexpr unsigned kLabelStyle = kGroup;

const std::string kProductLine = std::string(kProductName) + " " + kProductVersion +
                                 " - the list of things to arrange for one event";
const std::string kAboutTitle = std::string(kProductName) + " Version " + kProductVersion;

DialogTemplate MainDialog() {
    DialogTemplate t;
    t.id = IDD_MAIN_DIALOG;
    t.caption = "Halvenor";
    t.size = {0, 0, 307, 201};
    t.fontName = "MS Sans Serif";
    t.style = DialogStyle::kVisible | DialogStyle::kCaption | DialogStyle::kSysMenu |
              DialogStyle::kModalFrame | DialogStyle::kAppWindow;
    t.controls = {
        {1008, K::ComboBox, "", {37, 7, 96, 201}, kComboStyle},
        {1006, K::ComboBox, "", {170, 7, 78, 199}, kComboStyle},
        {1009, K::Edit, "", {37, 20, 75, 14}, kEditStyle},
        {1010, K::Edit, "", {141, 20, 53, 14}, kEditStyle | kReadOnly},
        {1011, K::Button, "Select", {197, 20, 50, 14}, kButtonStyle},
        {1015, K::Edit, "", {37, 35, 209, 14}, kEditStyle},
        {1016, K::Edit, "", {63, 49, 183, 14}, kEditStyle},
        {1017, K::Edit, "", {91, 64, 155, 14}, kEditStyle},
        {1014, K::Edit, "", {38, 78, 208, 14}, kEditStyle},
        {1000, K::ListView, "", {7, 95, 239, 92}, kTabStop | kBorder | kReport | kSingleSel},
        {1, K::DefaultButton, "Quit", {250, 6, 50, 14}, kButtonStyle},
        {1001, K::Button, "Add", {250, 26, 50, 14}, kButtonStyle},
        {1002, K::Button, "Update", {250, 40, 50, 14}, kButtonStyle},
        {1003, K::Button, "Remove", {250, 54, 50, 14}, kButtonStyle},
        {1012, K::Button, "Clear", {250, 68, 50, 14}, kButtonStyle},
        {1004, K::Button, "Help", {250, 158, 50, 14}, kButtonStyle},
        {-1, K::Label, "Item:", {7, 9, 16, 8}, kLabelStyle},
        {-1, K::Label, "Cost:", {7, 23, 17, 8}, kLabelStyle},
        {-1, K::Label, "Date:", {119, 23, 18, 8}, kLabelStyle},
        {-1, K::Label, "Notes:", {7, 81, 22, 8}, kLabelStyle},
        {-1, K::Label, "Status:", {138, 9, 23, 8}, kLabelStyle},
        {1013, K::Edit, "", {250, 144, 40, 14}, kEditStyle | kReadOnly},
        {-1, K::Label, "Items:", {250, 132, 20, 8}, kLabelStyle},
        {-1, K::Label, "Supplier:", {7, 38, 28, 8}, kLabelStyle},
        {-1, K::Label, "Supplier Contact:", {7, 52, 55, 8}, kLabelStyle},
        {-1, K::Label, "Supplier Contact Details:", {7, 67, 78, 8}, kLabelStyle},
        {1047, K::Label, kProductLine, {7, 190, 269, 8}, kLabelStyle},
        {1018, K::Button, "List", {250, 88, 50, 14}, kButtonStyle},
    };
    return t;
}

DialogTemplate AboutBox() {
    DialogTemplate t;
    t.id = IDD_ABOUTBOX;
    t.caption = "About Halvenor";
    t.size = {0, 0, 235, 55};
    t.fontName = "MS Sans Serif";
    t.style = DialogStyle::kCaption | DialogStyle::kSysMenu | DialogStyle::kModalFrame;
    t.controls = {
        {-1, K::Icon, "", {11, 17, 20, 20}, 0, IDR_MAINFRAME},
        {-1, K::Label, kAboutTitle, {40, 10, 119, 8}, kLabelStyle},
        {-1, K::Label, "Plans the things to arrange for one event.", {40, 25, 119, 8}, kLabelStyle},
        {1, K::DefaultButton, "OK", {178, 7, 50, 14}, kButtonStyle | kGroup},
    };
    return t;
}

DialogTemplate DateSelectDialog() {
    DialogTemplate t;
    t.id = IDD_DATE_SELECT;
    t.caption = "Date Selection";
    t.size = {0, 0, 186, 113};
    t.fontName = "MS Sans Serif";
    t.style = DialogStyle::kCaption | DialogStyle::kSysMenu | DialogStyle::kModalFrame;
    t.controls = {
        {1053, K::MonthCalendar, "", {7, 7, 134, 97}, kTabStop},
        {1, K::DefaultButton, "Return", {142, 7, 37, 14}, kButtonStyle},
    };
    return t;
}

const std::array<IconResource, 1> kIcons{{{IDR_MAINFRAME}}};

}  // namespace

const DialogTemplate* AfxFindDialogTemplate(int id) {
    static const std::array<DialogTemplate, 3> templates{MainDialog(), AboutBox(),
                                                         DateSelectDialog()};
    for (const auto& t : templates)
        if (t.id == id) return &t;
    return nullptr;
}

CString AfxLoadString(UINT id) {
    switch (id) {
        case IDS_ABOUTBOX: return "&About Halvenor...";
        case IDP_SOCKETS_INIT_FAILED: return "Windows sockets initialization failed.";
        default: return {};
    }
}

HICON AfxLoadIcon(int id) {
    for (const auto& icon : kIcons)
        if (icon.id == id) return &icon;
    return nullptr;
}
