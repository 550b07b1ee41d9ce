// Message maps: a class answers each window message, command or control
// notification with one member function, listed in a table of its own:
//
//   bool CMyDialog::OnWndMsg(UINT message, WPARAM w, LPARAM l) {
//       static const fw::MessageEntry<CMyDialog> kMap[] = {
//           fw::OnMessage(WM_PAINT, &CMyDialog::OnPaint),
//           fw::OnCommand(IDC_SAVE, &CMyDialog::OnSave),
//           fw::OnNotify(EN_KILLFOCUS, IDC_LIMIT, &CMyDialog::OnLimitKillFocus),
//       };
//       return fw::Dispatch(*this, kMap, message, w, l) || CDialog::OnWndMsg(message, w, l);
//   }
//
// A message handler takes the message's two parameters; a command or
// notification handler takes nothing, or the control id when it serves a
// range of controls. The first entry that matches answers the message.
#pragma once

#include <windows.h>

#include <cstddef>

namespace fw {

template <class T>
struct MessageEntry {
    using MessageHandler = void (T::*)(WPARAM, LPARAM);
    using CommandHandler = void (T::*)();
    using RangeHandler = void (T::*)(UINT id);

    UINT message;   // WM_COMMAND for commands and notifications
    UINT code;      // the notification code; 0 for buttons and menus
    UINT firstId;   // the command or control ids served
    UINT lastId;
    MessageHandler onMessage;
    CommandHandler onCommand;
    RangeHandler onRange;
};

template <class T>
constexpr MessageEntry<T> OnMessage(UINT message, void (T::*handler)(WPARAM, LPARAM)) {
    return {message, 0, 0, 0, handler, nullptr, nullptr};
}

// A menu or accelerator command, or a push button's BN_CLICKED.
template <class T>
constexpr MessageEntry<T> OnCommand(UINT id, void (T::*handler)()) {
    return {WM_COMMAND, BN_CLICKED, id, id, nullptr, handler, nullptr};
}

template <class T>
constexpr MessageEntry<T> OnNotify(UINT code, UINT id, void (T::*handler)()) {
    return {WM_COMMAND, code, id, id, nullptr, handler, nullptr};
}

template <class T>
constexpr MessageEntry<T> OnNotifyRange(UINT code, UINT firstId, UINT lastId, void (T::*handler)(UINT)) {
    return {WM_COMMAND, code, firstId, lastId, nullptr, nullptr, handler};
}

namespace detail {

template <class T>
bool Matches(const MessageEntry<T>& entry, UINT message, WPARAM w) {
    if (entry.message != message) return false;
    if (entry.onMessage) return true;
    UINT id = LOWORD(w);
    UINT code = HIWORD(w);
    // Accelerators arrive with code 1 and count as commands.
    bool codeMatches = code == entry.code || (entry.code == BN_CLICKED && code == 1);
    return codeMatches && id >= entry.firstId && id <= entry.lastId;
}

}  // namespace detail

// Calls the handler of the first matching entry; false when none matches.
template <class T, std::size_t N>
bool Dispatch(T& target, const MessageEntry<T> (&map)[N], UINT message, WPARAM w, LPARAM l) {
    for (const MessageEntry<T>& entry : map) {
        if (!detail::Matches(entry, message, w)) continue;
        if (entry.onMessage)
            (target.*entry.onMessage)(w, l);
        else if (entry.onCommand)
            (target.*entry.onCommand)();
        else
            (target.*entry.onRange)(LOWORD(w));
        return true;
    }
    return false;
}

}  // namespace fw
