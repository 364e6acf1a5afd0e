#pragma once
// The plot beside a form: the curve of the form's circuit for the values it
// shows, refreshed after each recalculation, with a readout of the value
// under the pointer (or under the crosshair moved with the arrow keys) and
// saving as PNG or SVG. A plot that cannot be drawn shows why instead.
// The chart itself is loaded on first use (see PlotPanelView.h).

#include <QString>
#include <QWidget>
#include <optional>

#include "engine/FormModel.h"
#include "engine/Recalculation.h"
#include "engine/plot/Plot.h"

class QLabel;
class QPushButton;

namespace forms {

class PlotPanelView;

class PlotPanel : public QWidget {
  public:
    explicit PlotPanel(QWidget* parent = nullptr);

    // asBuilt: the same form with the parts actually fitted, drawn beside it.
    void Update(const engine::FormModel& form, const engine::FormState& state,
                const engine::FormState* asBuilt = nullptr);
    // A plot made elsewhere (the distribution of a combination's builds), or why there is none.
    void Show(engine::plot::PlotResult result);

    bool HasCurve() const { return plot_.has_value(); }
    QString Message() const;
    QString Readout() const;
    QString MarkerReadings() const;
    const std::optional<engine::plot::Plot>& CurrentPlot() const { return plot_; }

    // Where F6 lands: the chart, or the first button when there is none.
    QWidget* FirstControl() const;

    void ShowReadoutAt(double x);
    // The chart alone, without crosshair, at 1200x800.
    bool SavePng(const QString& path) const;
    bool SaveSvg(const QString& path) const;

  private:
    PlotPanelView* View();
    void AskAndSavePng();
    void AskAndSaveSvg();

    std::optional<engine::plot::Plot> plot_;
    PlotPanelView* view_ = nullptr;
    QString loadError_;
    QLabel* message_ = nullptr;
    QPushButton* savePng_ = nullptr;
    QPushButton* saveSvg_ = nullptr;
};

}  // namespace forms
