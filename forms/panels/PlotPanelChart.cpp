#include "forms/panels/PlotPanelChart.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QGraphicsLineItem>
#include <QGraphicsSimpleTextItem>
#include <QKeyEvent>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QMouseEvent>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <cmath>

#include "engine/plot/PlotText.h"

namespace forms {

namespace {

using engine::plot::Axis;
using engine::plot::Plot;

QString Utf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString AxisTitle(const Axis& axis) {
    return Utf8(axis.unit.empty() ? axis.label : axis.label + " (" + axis.unit + ")");
}

// Where a value sits on a label axis: log axes are labelled in decades of x.
double LabelPosition(const Axis& axis, double value) {
    return axis.log ? std::log10(value) : value;
}

// Our own tick labels in engineering notation: a category axis whose labels
// sit on round values. The data axis of a log scale stays hidden behind it.
QCategoryAxis* LabelAxis(const Axis& axis) {
    auto* labels = new QCategoryAxis;
    labels->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const double low = LabelPosition(axis, axis.min), high = LabelPosition(axis, axis.max);
    labels->setRange(low, high);
    labels->setStartValue(low - (high - low) * 1e-6);
    for (const engine::plot::Tick& tick : engine::plot::AxisTicks(axis))
        labels->append(Utf8(tick.label), LabelPosition(axis, tick.value));
    labels->setTitleText(AxisTitle(axis));
    return labels;
}

constexpr int kCrosshairSteps = 200;  // arrow-key steps across the plot

}  // namespace

PlotPanelChart::PlotPanelChart(QWidget* parent) : PlotPanelView(parent) {
    m_view = new QChartView(this);
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setMinimumSize(480, 320);
    m_view->setFocusPolicy(Qt::StrongFocus);
    m_view->setAccessibleName(QStringLiteral("Plot"));
    m_view->viewport()->setMouseTracking(true);
    m_view->viewport()->installEventFilter(this);
    m_view->installEventFilter(this);
    m_readout = new QLabel(this);
    m_readout->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_readout);
    setFocusProxy(m_view);
}

void PlotPanelChart::Show(const engine::plot::Plot* plot) {
    m_plot.reset();
    if (plot != nullptr)
        m_plot = *plot;
    Draw();
}

QString PlotPanelChart::Readout() const {
    return m_readout->text();
}

// The view owns the chart it is given but lets go of the one it showed
// without deleting it.
void PlotPanelChart::ShowChart(QChart* chart) {
    QChart* previous = m_view->chart();
    m_view->setChart(chart);
    delete previous;
}

void PlotPanelChart::Draw() {
    m_markerTexts.clear();
    m_crosshair = nullptr;
    m_readout->clear();
    if (!m_plot) {
        ShowChart(new QChart);
        return;
    }
    const Plot& plot = *m_plot;
    auto* chart = new QChart;
    const bool dark = palette().color(QPalette::Window).lightness() < 128;
    chart->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart->setTitle(Utf8(plot.title));
    chart->legend()->setAlignment(Qt::AlignBottom);
    QFont font = chart->titleFont();
    font.setBold(true);
    chart->setTitleFont(font);

    // The series map onto value axes; the visible axes are the label axes.
    QAbstractAxis* xData = nullptr;
    QCategoryAxis* xLabels = LabelAxis(plot.xAxis);
    chart->addAxis(xLabels, Qt::AlignBottom);
    if (plot.xAxis.log) {
        auto* log = new QLogValueAxis;
        log->setBase(10);
        log->setRange(plot.xAxis.min, plot.xAxis.max);
        chart->addAxis(log, Qt::AlignBottom);
        log->setVisible(false);
        xData = log;
    } else {
        xData = xLabels;
    }
    std::vector<QCategoryAxis*> yAxes;
    for (size_t i = 0; i < plot.yAxes.size(); ++i) {
        QCategoryAxis* axis = LabelAxis(plot.yAxes[i]);
        chart->addAxis(axis, i == 0 ? Qt::AlignLeft : Qt::AlignRight);
        axis->setGridLineVisible(i == 0);  // one grid, the left axis's
        yAxes.push_back(axis);
    }
    const auto attach = [&](QAbstractSeries* series, int axis) {
        chart->addSeries(series);
        series->attachAxis(xData);
        series->attachAxis(yAxes[static_cast<size_t>(axis)]);
    };
    const auto hideFromLegend = [&](QAbstractSeries* series) {
        for (QLegendMarker* marker : chart->legend()->markers(series))
            marker->setVisible(false);
    };

    for (const engine::plot::Series& s : plot.series) {
        if (s.axis < 0 || s.axis >= static_cast<int>(yAxes.size()))
            continue;
        auto* line = new QLineSeries;
        line->setName(Utf8(s.name));
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(s.points.size()));
        for (const engine::plot::Point& p : s.points)
            points.append(QPointF(p.x, p.y));
        line->replace(points);
        attach(line, s.axis);
        QPen pen = line->pen();
        pen.setWidthF(2);
        if (s.asBuilt)
            pen.setStyle(Qt::DashLine);
        line->setPen(pen);
    }

    const QColor text = xLabels->labelsBrush().color();
    for (const engine::plot::Marker& m : plot.markers) {
        if (m.axis < 0 || m.axis >= static_cast<int>(yAxes.size()))
            continue;
        const Axis& y = plot.yAxes[static_cast<size_t>(m.axis)];
        auto* rule = new QLineSeries;
        rule->append(m.x, y.min);
        rule->append(m.x, y.max);
        attach(rule, m.axis);
        rule->setPen(QPen(text, 1, Qt::DashLine));
        hideFromLegend(rule);
        auto* dot = new QScatterSeries;
        dot->append(m.x, m.y);
        dot->setMarkerSize(8);
        dot->setColor(text);
        dot->setBorderColor(text);
        attach(dot, m.axis);
        hideFromLegend(dot);
        if (m.text.empty())
            continue;
        auto* label = new QGraphicsSimpleTextItem(Utf8(m.text), chart);
        label->setBrush(text);
        label->setZValue(10);
        m_markerTexts.emplace_back(dot, label);
    }

    m_crosshair = new QGraphicsLineItem(chart);
    m_crosshair->setPen(QPen(text, 1));
    m_crosshair->setZValue(11);
    m_crosshair->hide();
    connect(chart, &QChart::plotAreaChanged, this, [this] { PlaceMarkerTexts(); });
    ShowChart(chart);
    m_crosshairX =
        plot.xAxis.log ? std::sqrt(plot.xAxis.min * plot.xAxis.max) : (plot.xAxis.min + plot.xAxis.max) / 2;
    PlaceMarkerTexts();
}

void PlotPanelChart::PlaceMarkerTexts() {
    QChart* chart = m_view->chart();
    const QRectF area = chart->plotArea();
    std::vector<QRectF> placed;
    for (const auto& [dot, label] : m_markerTexts) {
        const QPointF at = chart->mapToPosition(dot->at(0), dot);
        const QRectF box = label->boundingRect();
        // Beside the dot, kept inside the plot area, below any text placed already.
        const bool leftOfDot = at.x() + 6 + box.width() > area.right();
        const double x = std::clamp(leftOfDot ? at.x() - 6 - box.width() : at.x() + 6, area.left(),
                                    std::max(area.left(), area.right() - box.width()));
        double y = std::clamp(at.y() - box.height() - 2, area.top(),
                              std::max(area.top(), area.bottom() - box.height()));
        QRectF where(x, y, box.width(), box.height());
        for (bool moved = true; moved;) {
            moved = false;
            for (const QRectF& other : placed) {
                if (where.intersects(other)) {
                    where.moveTop(other.bottom() + 2);
                    moved = true;
                }
            }
        }
        placed.push_back(where);
        label->setPos(where.topLeft());
    }
}

void PlotPanelChart::ShowReadoutAt(double x) {
    if (!m_plot)
        return;
    const Plot& plot = *m_plot;
    x = std::clamp(x, plot.xAxis.min, plot.xAxis.max);
    m_crosshairX = x;
    QStringList parts;
    for (const engine::plot::Series& s : plot.series) {
        const double y = engine::plot::ValueAt(s, x, plot.xAxis.log);
        if (std::isfinite(y) && s.axis >= 0 && s.axis < static_cast<int>(plot.yAxes.size()))
            parts << Utf8(s.name + " " +
                          engine::plot::AxisValueText(plot.yAxes[static_cast<size_t>(s.axis)], y));
    }
    m_readout->setText(Utf8(plot.xAxis.label + " " + engine::plot::AxisValueText(plot.xAxis, x)) +
                       QStringLiteral(": ") + parts.join(QStringLiteral(", ")));
    QChart* chart = m_view->chart();
    const auto series = chart->series();
    if (m_crosshair == nullptr || series.isEmpty())
        return;
    const QRectF area = chart->plotArea();
    const double px = chart->mapToPosition(QPointF(x, plot.yAxes[0].min), series.front()).x();
    m_crosshair->setLine(px, area.top(), px, area.bottom());
    m_crosshair->show();
}

void PlotPanelChart::MoveCrosshair(int steps) {
    if (!m_plot)
        return;
    const Axis& axis = m_plot->xAxis;
    if (axis.log) {
        const double step = std::log10(axis.max / axis.min) / kCrosshairSteps;
        ShowReadoutAt(m_crosshairX * std::pow(10.0, step * steps));
    } else {
        ShowReadoutAt(m_crosshairX + (axis.max - axis.min) / kCrosshairSteps * steps);
    }
}

bool PlotPanelChart::eventFilter(QObject* watched, QEvent* event) {
    if (m_plot && watched == m_view->viewport() && event->type() == QEvent::MouseMove) {
        QChart* chart = m_view->chart();
        const QPointF inChart =
            chart->mapFromScene(m_view->mapToScene(static_cast<QMouseEvent*>(event)->position().toPoint()));
        if (!chart->series().isEmpty() && chart->plotArea().contains(inChart))
            ShowReadoutAt(chart->mapToValue(inChart, chart->series().front()).x());
    }
    if (m_plot && watched == m_view && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int fast = key->modifiers() & Qt::ShiftModifier ? 10 : 1;
        if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right) {
            MoveCrosshair(key->key() == Qt::Key_Left ? -fast : fast);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PlotPanelChart::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        Draw();
}

}  // namespace forms

// The entry point the program resolves when it first shows a plot.
extern "C" __attribute__((visibility("default"))) forms::PlotPanelView* voltaris_create_plot_panel_view(
    QWidget* parent) {
    return new forms::PlotPanelChart(parent);
}
