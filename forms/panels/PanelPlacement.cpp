#include "forms/panels/PanelPlacement.h"

#include <algorithm>

namespace forms {

namespace {

// Below this the panels' area is no use beside the form: they go below it.
constexpr int kNarrowestArea = 360;

QSize SideBySide(const std::vector<QSize>& panels) {
    QSize all(0, 0);
    for (const QSize& panel : panels)
        all = QSize(all.width() + panel.width(), std::max(all.height(), panel.height()));
    return all;
}

QSize Window(const QSize& form, const QSize& area, bool below) {
    return below ? QSize(std::max(form.width(), area.width()), form.height() + area.height())
                 : QSize(form.width() + area.width(), std::max(form.height(), area.height()));
}

bool Fits(const QSize& window, const QSize& room) {
    return window.width() <= room.width() && window.height() <= room.height();
}

}  // namespace

PanelPlacement PlacePanels(const PanelSizes& sizes, const QRect& available, const QMargins& frame,
                           const QPoint& at) {
    const QSize room(available.width() - frame.left() - frame.right(),
                     available.height() - frame.top() - frame.bottom());
    PanelPlacement placement;
    const QSize sideBySide = SideBySide(sizes.panels);
    const bool several = sizes.panels.size() > 1;
    // In order of preference, the first that fits whole.
    const struct {
        bool tabs;
        bool below;
    } choices[] = {{false, false}, {true, false}, {false, true}, {true, true}};
    bool fitted = false;
    for (const auto& choice : choices) {
        if (choice.tabs && !several)
            continue;
        const QSize area = choice.tabs ? sizes.tabs : sideBySide;
        if (Fits(Window(sizes.form, area, choice.below), room)) {
            placement = {choice.tabs, choice.below, area, Window(sizes.form, area, choice.below), {}};
            fitted = true;
            break;
        }
    }
    if (!fitted) {
        // Nothing fits whole: the tab area (or the one panel) in what is left, scrolling.
        placement.tabs = several;
        const QSize wanted = several ? sizes.tabs : sideBySide;
        const int besideWidth = room.width() - sizes.form.width();
        placement.below = besideWidth < std::min(kNarrowestArea, wanted.width());
        placement.area =
            placement.below
                ? QSize(std::min(wanted.width(), room.width()),
                        std::max(0, std::min(wanted.height(), room.height() - sizes.form.height())))
                : QSize(std::max(0, std::min(wanted.width(), besideWidth)),
                        std::min(wanted.height(), std::max(room.height(), sizes.form.height())));
        // Room for each scroll bar beside what it scrolls, so that it covers nothing.
        const QSize most = placement.below ? QSize(room.width(), room.height() - sizes.form.height())
                                           : QSize(besideWidth, std::max(room.height(), sizes.form.height()));
        const QSize shown = placement.area;
        if (shown.height() < wanted.height())
            placement.area.setWidth(std::max(0, std::min(shown.width() + sizes.scrollBar, most.width())));
        if (shown.width() < wanted.width())
            placement.area.setHeight(std::max(0, std::min(shown.height() + sizes.scrollBar, most.height())));
        placement.window = Window(sizes.form, placement.area, placement.below);
    }
    // The frame kept where it is, moved just enough to lie inside the screen.
    const QSize outer(placement.window.width() + frame.left() + frame.right(),
                      placement.window.height() + frame.top() + frame.bottom());
    placement.position =
        QPoint(std::clamp(at.x(), available.left(),
                          std::max(available.left(), available.right() + 1 - outer.width())),
               std::clamp(at.y(), available.top(),
                          std::max(available.top(), available.bottom() + 1 - outer.height())));
    return placement;
}

}  // namespace forms
