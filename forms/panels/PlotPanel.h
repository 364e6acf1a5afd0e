#pragma once
// The plot beside a form: the curve of the form's circuit for the values it
// shows, refreshed after each recalculation, with a readout of the value
// under the pointer (or under the crosshair moved with the arrow keys) and
// saving as PNG or SVG. A plot that cannot be drawn shows why instead.

#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "engine/FormModel.h"
#include "engine/Recalculation.h"
#include "engine/plot/Plot.h"

class QChart;
class QChartView;
class QGraphicsLineItem;
class QGraphicsSimpleTextItem;
class QLabel;
class QPushButton;
class QScatterSeries;

namespace forms {

class PlotPanel : public QWidget {
  public:
    explicit PlotPanel(QWidget* parent = nullptr);
    ~PlotPanel() override;

    // asBuilt: the same form with the parts actually fitted, drawn beside it.
    void Update(const engine::FormModel& form, const engine::FormState& state,
                const engine::FormState* asBuilt = nullptr);

    bool HasCurve() const { return m_plot.has_value(); }
    QString Message() const;
    QString Readout() const;
    const std::optional<engine::plot::Plot>& CurrentPlot() const { return m_plot; }

    // The readout and crosshair at x, in the x axis's unit.
    void ShowReadoutAt(double x);
    bool SavePng(const QString& path) const;
    bool SaveSvg(const QString& path) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void Draw();
    void PlaceMarkerTexts();
    void MoveCrosshair(int steps);
    void AskAndSavePng();
    void AskAndSaveSvg();

    std::optional<engine::plot::Plot> m_plot;
    QChartView* m_view = nullptr;
    QLabel* m_message = nullptr;
    QLabel* m_readout = nullptr;
    QPushButton* m_savePng = nullptr;
    QPushButton* m_saveSvg = nullptr;
    QGraphicsLineItem* m_crosshair = nullptr;
    std::vector<std::pair<QScatterSeries*, QGraphicsSimpleTextItem*>> m_markerTexts;
    double m_crosshairX = 0;
};

}  // namespace forms
