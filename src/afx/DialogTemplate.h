// Dialog templates: the controls of a dialog as data, in tab order, with
// positions and sizes in dialog units.
#pragma once

#include <string>
#include <vector>

enum class ControlKind {
    Dialog,  // the dialog window itself
    Label,   // static text
    Icon,    // static picture of an icon resource
    Button,
    DefaultButton,  // the button that Enter presses
    Edit,           // single-line edit box
    ComboBox,       // editable drop-down with a sorted list
    ListView,       // report-view list
    MonthCalendar,
};

// Control style bits that the dialogs rely on.
namespace ControlStyle {
inline constexpr unsigned kTabStop = 0x0001;
inline constexpr unsigned kReadOnly = 0x0002;
inline constexpr unsigned kBorder = 0x0004;
inline constexpr unsigned kAutoHScroll = 0x0008;  // edit text scrolls sideways
inline constexpr unsigned kSort = 0x0010;         // combo list kept sorted
inline constexpr unsigned kVScroll = 0x0020;
inline constexpr unsigned kReport = 0x0040;  // list view in report view
inline constexpr unsigned kSingleSel = 0x0080;
inline constexpr unsigned kGroup = 0x0100;  // starts a group
}  // namespace ControlStyle

struct DialogRect {
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
};

struct ControlTemplate {
    int id = -1;  // -1: a label without an id
    ControlKind kind = ControlKind::Label;
    std::string text;
    DialogRect rect;
    unsigned style = 0;
    int iconResource = 0;  // for ControlKind::Icon
};

// Dialog style bits.
namespace DialogStyle {
inline constexpr unsigned kCaption = 0x0001;
inline constexpr unsigned kSysMenu = 0x0002;
inline constexpr unsigned kModalFrame = 0x0004;
inline constexpr unsigned kVisible = 0x0008;
inline constexpr unsigned kMinimizeBox = 0x0010;
inline constexpr unsigned kMaximizeBox = 0x0020;
inline constexpr unsigned kAppWindow = 0x0040;  // own task-bar button
}  // namespace DialogStyle

struct DialogTemplate {
    int id = 0;
    std::string caption;
    DialogRect size;  // x and y unused
    std::string fontName;
    int fontPoints = 8;
    unsigned style = 0;
    std::vector<ControlTemplate> controls;  // in tab order

    const ControlTemplate* Find(int controlId) const {
        for (const auto& c : controls)
            if (c.id == controlId && controlId != -1) return &c;
        return nullptr;
    }
};
