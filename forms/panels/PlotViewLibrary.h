#pragma once
// Loads the chart library (see PlotPanelView.h) and makes a view of it:
// beside the program (a build folder), where it is installed, then where it
// was built. The library is never unloaded: the views' code must outlive
// every one of them.

#include <QString>

class QWidget;

namespace forms {

class PlotPanelView;

// Null, with the reason in `error`, when no library could be loaded.
PlotPanelView* CreatePlotView(QWidget* parent, QString& error);

}  // namespace forms
