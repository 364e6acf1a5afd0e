#pragma once
// A dark desktop palette, as a dark theme hands it to the application: the
// display tests check the windows in it, the screenshot tool shows them in it.

#include <QColor>
#include <QPalette>

namespace tools {

inline QPalette DarkPalette() {
    QPalette dark;
    const QColor window(0x35, 0x35, 0x35), base(0x23, 0x23, 0x23), text(0xf0, 0xf0, 0xf0),
        dim(0x80, 0x80, 0x80);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        dark.setColor(group, QPalette::Window, window);
        dark.setColor(group, QPalette::Button, window);
        dark.setColor(group, QPalette::Base, disabled ? window : base);
        dark.setColor(group, QPalette::AlternateBase, window);
        dark.setColor(group, QPalette::WindowText, disabled ? dim : text);
        dark.setColor(group, QPalette::ButtonText, disabled ? dim : text);
        dark.setColor(group, QPalette::Text, disabled ? dim : text);
        dark.setColor(group, QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
        dark.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    return dark;
}

}  // namespace tools
