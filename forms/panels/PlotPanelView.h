#pragma once
// The chart of the plot panel, as the program sees it. Qt Charts stays out
// of the program's start-up: the view lives in a library of its own
// (voltaris_plot_panel), loaded the first time a plot is shown.

#include <QSize>
#include <QString>
#include <QWidget>

#include "engine/plot/Plot.h"

namespace forms {

class PlotPanelView : public QWidget {
  public:
    using QWidget::QWidget;
    // Draws the plot; null clears the chart. Only a plot whose axes have a
    // finite range is given (see PlotPoints.h).
    virtual void Show(const engine::plot::Plot* plot) = 0;
    // The readout and crosshair at x, in the x axis's unit.
    virtual void ShowReadoutAt(double x) = 0;
    virtual QString Readout() const = 0;
    // What the markers read, one line each, as shown beside the chart.
    virtual QString MarkerReadings() const = 0;
    // The chart alone, without crosshair, at `size`, into a PNG or SVG file.
    virtual bool SavePicture(const QString& path, bool svg, QSize size) const = 0;
};

// The library's one entry point.
using CreatePlotPanelView = PlotPanelView* (*)(QWidget* parent);
inline constexpr const char* kCreatePlotPanelView = "voltaris_create_plot_panel_view";

}  // namespace forms
