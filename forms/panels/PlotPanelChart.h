#pragma once
// The plot drawn with Qt Charts: our tick labels in engineering notation on
// category axes over the value axes the curves map onto, markers with their
// texts, a crosshair with a readout from the pointer or the arrow keys, the
// chart theme following the palette. Built into the plot panel's library.

#include <optional>
#include <utility>
#include <vector>

#include "forms/panels/PlotPanelView.h"

class QChart;
class QChartView;
class QGraphicsLineItem;
class QGraphicsSimpleTextItem;
class QLabel;
class QScatterSeries;

namespace forms {

class PlotPanelChart : public PlotPanelView {
  public:
    explicit PlotPanelChart(QWidget* parent = nullptr);

    void Show(const engine::plot::Plot* plot) override;
    void ShowReadoutAt(double x) override;
    QString Readout() const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void ShowChart(QChart* chart);
    void Draw();
    void PlaceMarkerTexts();
    void MoveCrosshair(int steps);

    std::optional<engine::plot::Plot> m_plot;
    QChartView* m_view = nullptr;
    QLabel* m_readout = nullptr;
    QGraphicsLineItem* m_crosshair = nullptr;
    std::vector<std::pair<QScatterSeries*, QGraphicsSimpleTextItem*>> m_markerTexts;
    double m_crosshairX = 0;
};

}  // namespace forms
