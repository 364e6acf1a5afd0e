#pragma once
// The plot drawn with Qt Charts (see PlotPanelChartBuild.h), with the
// markers' readings in a line below it, a crosshair with a readout from the
// pointer or the arrow keys, a focus frame, and the readout and readings as
// the chart's accessible description. Built into the plot panel's library.

#include <optional>

#include "forms/panels/PlotPanelView.h"

class QChart;
class QChartView;
class QGraphicsLineItem;
class QLabel;

namespace forms {

class PlotPanelChart : public PlotPanelView {
  public:
    explicit PlotPanelChart(QWidget* parent = nullptr);

    void Show(const engine::plot::Plot* plot) override;
    void ShowReadoutAt(double x) override;
    QString Readout() const override;
    QString MarkerReadings() const override;
    bool SavePicture(const QString& path, bool svg, QSize size) const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void ShowChart(QChart* chart);
    void Draw();
    void MoveCrosshair(int steps);
    void Describe();

    std::optional<engine::plot::Plot> plot_;
    QChartView* view_ = nullptr;
    QLabel* legend_ = nullptr;
    QLabel* markers_ = nullptr;
    QLabel* readout_ = nullptr;
    QGraphicsLineItem* crosshair_ = nullptr;
    double crosshairX_ = 0;
};

}  // namespace forms
