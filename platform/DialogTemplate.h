#pragma once
// Dialog layouts as plain data: what a resource script would say about a
// dialog, read side by side with the documents that define it.

#include <vector>

namespace platform {

enum class ControlKind { PushButton, RadioButton, CheckBox, Edit, Label, GroupBox, Picture, ListBox };

// Style bits of one control.
enum ControlStyle : unsigned {
    kNoStyle = 0,
    kGroupStart = 1u << 0,     // starts a radio group (and a tab group)
    kTabStop = 1u << 1,        // reachable with Tab
    kDefaultButton = 1u << 2,  // the dialog's default push button
    kDisabled = 1u << 3,       // created disabled
    kCentered = 1u << 4,       // label text centred
};

inline constexpr int kNoId = -1;  // labels, group boxes and pictures

struct ControlTemplate {
    ControlKind kind;
    int id;
    const char* text;  // UTF-8
    int x, y, cx, cy;  // dialog units
    unsigned style = kNoStyle;
    int pictureId = 0;  // Picture: the picture resource shown
};

struct DialogTemplate {
    int id;
    const char* caption;                    // UTF-8
    int cx, cy;                             // client size in dialog units
    std::vector<ControlTemplate> controls;  // in tab order
    const char* fontName = "MS Sans Serif";
    int fontPoints = 8;
};

// Shorthands that keep template tables one line per control.
constexpr ControlTemplate PushButton(int id, const char* text, int x, int y, int cx, int cy,
                                     unsigned style = kTabStop) {
    return {ControlKind::PushButton, id, text, x, y, cx, cy, style};
}
constexpr ControlTemplate DefPushButton(int id, const char* text, int x, int y, int cx, int cy) {
    return {ControlKind::PushButton, id, text, x, y, cx, cy, kTabStop | kDefaultButton};
}
constexpr ControlTemplate Radio(int id, const char* text, int x, int y, int cx, int cy,
                                unsigned style = kNoStyle) {
    return {ControlKind::RadioButton, id, text, x, y, cx, cy, style};
}
constexpr ControlTemplate CheckBox(int id, const char* text, int x, int y, int cx, int cy,
                                   unsigned style = kTabStop) {
    return {ControlKind::CheckBox, id, text, x, y, cx, cy, style};
}
constexpr ControlTemplate Edit(int id, int x, int y, int cx, int cy, unsigned style = kTabStop) {
    return {ControlKind::Edit, id, "", x, y, cx, cy, style};
}
constexpr ControlTemplate Label(const char* text, int x, int y, int cx, int cy, unsigned style = kNoStyle) {
    return {ControlKind::Label, kNoId, text, x, y, cx, cy, style};
}
constexpr ControlTemplate LabelWithId(int id, const char* text, int x, int y, int cx, int cy) {
    return {ControlKind::Label, id, text, x, y, cx, cy, kNoStyle};
}
constexpr ControlTemplate GroupBox(const char* text, int x, int y, int cx, int cy) {
    return {ControlKind::GroupBox, kNoId, text, x, y, cx, cy, kNoStyle};
}
constexpr ControlTemplate Picture(int pictureId, int x, int y, int cx, int cy) {
    return {ControlKind::Picture, kNoId, "", x, y, cx, cy, kNoStyle, pictureId};
}
constexpr ControlTemplate ListBox(int id, int x, int y, int cx, int cy, unsigned style = kTabStop) {
    return {ControlKind::ListBox, id, "", x, y, cx, cy, style};
}

}  // namespace platform
