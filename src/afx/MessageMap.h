// Message maps: a dialog's table of (message, notification code, control
// id, handler). A message with no entry gets the default processing, which
// for most controls is nothing.
#pragma once

#include <span>
#include <variant>

#include "afx/Types.h"
#include "afx/Wnd.h"

template <class T>
struct MessageMapEntry {
    using Plain = void (T::*)();
    using Notify = void (T::*)(NMHDR*, LRESULT*);
    using SysCommand = void (T::*)(UINT, LPARAM);
    using QueryIcon = HCURSOR (T::*)();

    UINT message = 0;
    UINT code = 0;
    int id = 0;
    std::variant<Plain, Notify, SysCommand, QueryIcon> handler;
};

inline constexpr WPARAM MAKEWPARAM(unsigned low, unsigned high) {
    return static_cast<WPARAM>((low & 0xFFFFu) | ((high & 0xFFFFu) << 16));
}
inline constexpr unsigned LOWORD(WPARAM w) { return static_cast<unsigned>(w & 0xFFFFu); }
inline constexpr unsigned HIWORD(WPARAM w) { return static_cast<unsigned>((w >> 16) & 0xFFFFu); }

// Entries, named after the map lines they stand for.
template <class T>
MessageMapEntry<T> ON_MESSAGE_VOID(UINT message, void (T::*handler)()) {
    return {message, 0, 0, handler};
}
template <class T>
MessageMapEntry<T> ON_WM_SYSCOMMAND(void (T::*handler)(UINT, LPARAM)) {
    return {WM_SYSCOMMAND, 0, 0, handler};
}
template <class T>
MessageMapEntry<T> ON_WM_QUERYDRAGICON(HCURSOR (T::*handler)()) {
    return {WM_QUERYDRAGICON, 0, 0, handler};
}
template <class T>
MessageMapEntry<T> ON_BN_CLICKED(int id, void (T::*handler)()) {
    return {WM_COMMAND, BN_CLICKED, id, handler};
}
template <class T>
MessageMapEntry<T> ON_NOTIFY(UINT code, int id, void (T::*handler)(NMHDR*, LRESULT*)) {
    return {WM_NOTIFY, code, id, handler};
}

// Runs the handler of the first entry that matches; false when none does.
template <class T>
bool DispatchMessageMap(T& target, std::span<const MessageMapEntry<T>> map, UINT message,
                        WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    for (const auto& entry : map) {
        if (entry.message != message) continue;
        if (message == WM_COMMAND &&
            (static_cast<int>(LOWORD(wParam)) != entry.id || HIWORD(wParam) != entry.code))
            continue;
        // WM_NOTIFY carries its header's address in lParam, as the framework defines it.
        auto* header = reinterpret_cast<NMHDR*>(lParam);  // NOLINT(performance-no-int-to-ptr)
        if (message == WM_NOTIFY &&
            (header == nullptr || header->idFrom != entry.id || header->code != entry.code))
            continue;
        *pResult = 0;
        if (auto* plain = std::get_if<typename MessageMapEntry<T>::Plain>(&entry.handler)) {
            (target.**plain)();
        } else if (auto* notify =
                       std::get_if<typename MessageMapEntry<T>::Notify>(&entry.handler)) {
            (target.**notify)(header, pResult);
        } else if (auto* sys =
                       std::get_if<typename MessageMapEntry<T>::SysCommand>(&entry.handler)) {
            (target.**sys)(static_cast<UINT>(wParam), lParam);
        } else if (auto* icon =
                       std::get_if<typename MessageMapEntry<T>::QueryIcon>(&entry.handler)) {
            *pResult = reinterpret_cast<LRESULT>((target.**icon)());
        }
        return true;
    }
    return false;
}
