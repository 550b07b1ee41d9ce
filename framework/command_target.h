// Commands and their routing. A menu item, accelerator or toolbar button
// sends a command id; the frame offers it to the active view, then the
// document, then itself, then the application, and the first target with
// a handler answers it. Before a menu opens, each item's id goes the same
// road as a question (a CCmdUI): a target with a handler answers, and its
// update handler, if any, may disable or check the item. An item nobody
// answers is greyed. This part is portable: the frame's menus and
// messages are the Win32 side.
//
//   bool CMyView::OnCmdMsg(unsigned id, fw::CCmdUI* state) {
//       static const fw::CommandEntry<CMyView> kCommands[] = {
//           fw::Command(ID_SOUND, &CMyView::OnSound, &CMyView::OnUpdateSound),
//           fw::CommandRange(ID_FIRST, ID_LAST, &CMyView::OnShow, &CMyView::OnUpdateShow),
//       };
//       return fw::RouteCommand(*this, kCommands, id, state) || CFormView::OnCmdMsg(id, state);
//   }
#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>

namespace fw {

// The state a target gives one menu item.
class CCmdUI {
public:
    explicit CCmdUI(unsigned id) : id_(id) {}

    unsigned Id() const { return id_; }
    void Enable(bool on) { enabled_ = on; }
    void SetCheck(bool on) { checked_ = on; }

    bool Enabled() const { return enabled_; }
    // Empty when no handler set it: the item keeps its check mark.
    std::optional<bool> Checked() const { return checked_; }

private:
    unsigned id_;
    bool enabled_ = true;
    std::optional<bool> checked_;
};

class CCmdTarget {
public:
    // Runs the command when `state` is null; otherwise fills in its state.
    // True when this target answers the id.
    virtual bool OnCmdMsg(unsigned /*id*/, CCmdUI* /*state*/) { return false; }

protected:
    ~CCmdTarget() = default;
};

template <class T>
struct CommandEntry {
    unsigned firstId;
    unsigned lastId;
    void (T::*onCommand)();
    void (T::*onRange)(unsigned id);
    void (T::*onUpdate)(CCmdUI&);
};

template <class T>
constexpr CommandEntry<T> Command(unsigned id, void (T::*handler)(), void (T::*update)(CCmdUI&) = nullptr) {
    return {id, id, handler, nullptr, update};
}

template <class T>
constexpr CommandEntry<T> CommandRange(unsigned first, unsigned last, void (T::*handler)(unsigned),
                                       void (T::*update)(CCmdUI&) = nullptr) {
    return {first, last, nullptr, handler, update};
}

// A state without a command of this target's own.
template <class T>
constexpr CommandEntry<T> CommandUpdate(unsigned id, void (T::*update)(CCmdUI&)) {
    return {id, id, nullptr, nullptr, update};
}

// Offers a command, or the question for its state, to each target in turn
// (null ones left out) until one answers; true when one did.
inline bool RouteThrough(std::initializer_list<CCmdTarget*> targets, unsigned id, CCmdUI* state) {
    for (CCmdTarget* target : targets)
        if (target != nullptr && target->OnCmdMsg(id, state)) return true;
    return false;
}

// What a menu item shows: greyed when nobody answers its id or an update
// handler disabled it; its check mark as an update handler set it.
struct MenuItemState {
    bool enabled;
    std::optional<bool> checked;
};

template <class Route>
MenuItemState MenuItemStateOf(unsigned id, Route route) {
    CCmdUI state(id);
    bool answered = route(id, &state);
    return {answered && state.Enabled(), state.Checked()};
}

template <class T, std::size_t N>
bool RouteCommand(T& target, const CommandEntry<T> (&map)[N], unsigned id, CCmdUI* state) {
    for (const CommandEntry<T>& entry : map) {
        if (id < entry.firstId || id > entry.lastId) continue;
        if (state != nullptr) {
            if (entry.onUpdate) (target.*entry.onUpdate)(*state);
            return true;
        }
        if (entry.onCommand) {
            (target.*entry.onCommand)();
            return true;
        }
        if (entry.onRange) {
            (target.*entry.onRange)(id);
            return true;
        }
    }
    return false;
}

}  // namespace fw
