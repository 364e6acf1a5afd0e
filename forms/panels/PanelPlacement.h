#pragma once
// Where a form's open panels go so that the window stays on the screen: to
// the form's right side by side, else in one area with a tab per panel
// (right of the form, else below it), else in the space that is left, which
// then scrolls. The form itself keeps its size and place in the window.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

namespace forms {

struct PanelPlacement {
    bool tabs = false;   // one area with a tab per panel
    bool below = false;  // under the form instead of to its right
    QSize area;          // of the panels' area; smaller than wanted, it scrolls
    QSize window;        // the dialog's inside
    QPoint position;     // of the window's frame, on the screen
};

struct PanelSizes {
    QSize form;
    std::vector<QSize> panels;  // what each open panel asks for
    QSize tabs;                 // what the tab area asks for with all of them
    int scrollBar = 0;          // the breadth of a scroll bar, for an area that scrolls
};

// available: the screen's area for windows; frame: the window manager's
// frame around the dialog; at: where the frame's top left is now.
PanelPlacement PlacePanels(const PanelSizes& sizes, const QRect& available, const QMargins& frame,
                           const QPoint& at);

}  // namespace forms
