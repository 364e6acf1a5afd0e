#pragma once
// Each dialog class binds notifications of its controls to handlers through
// a static table of (notification, control id, handler) entries; a class's
// table names the table of its base class, which is searched next.

#include <span>

namespace platform {

class CDialog;

enum class Notification { Clicked };

// Standard command ids: OK, and cancel (Esc, the close box).
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

using CommandHandler = void (*)(CDialog&);

struct CommandEntry {
    Notification notification;
    int id;
    CommandHandler handler;
};

struct CommandTable {
    const CommandTable* base;
    std::span<const CommandEntry> entries;
};

namespace detail {
template <class T>
struct MemberOf;
template <class C>
struct MemberOf<void (C::*)()> {
    using Class = C;
};
}  // namespace detail

// Handler<&CMyDlg::OnSomething> turns a member function into a table entry.
template <auto Method>
void Handler(CDialog& dialog) {
    using Class = typename detail::MemberOf<decltype(Method)>::Class;
    (static_cast<Class&>(dialog).*Method)();
}

}  // namespace platform
