#include "forms/panels/PlotPanel.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QGraphicsLineItem>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QMouseEvent>
#include <QPushButton>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <cmath>

#include "engine/plot/PlotFiles.h"
#include "engine/plot/PlotText.h"
#include "engine/plot/Plots.h"

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

PlotPanel::PlotPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PlotPanel"));
    m_view = new QChartView(this);
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setMinimumSize(480, 320);
    m_view->setFocusPolicy(Qt::StrongFocus);
    m_view->setAccessibleName(QStringLiteral("Plot"));
    m_view->viewport()->setMouseTracking(true);
    m_view->viewport()->installEventFilter(this);
    m_view->installEventFilter(this);
    m_message = new QLabel(this);
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setMinimumSize(480, 320);
    m_message->hide();
    m_readout = new QLabel(this);
    m_readout->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_savePng = new QPushButton(QStringLiteral("Save &PNG..."), this);
    m_saveSvg = new QPushButton(QStringLiteral("Save S&VG..."), this);
    for (QPushButton* button : {m_savePng, m_saveSvg}) {
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::StrongFocus);
    }
    connect(m_savePng, &QPushButton::clicked, this, &PlotPanel::AskAndSavePng);
    connect(m_saveSvg, &QPushButton::clicked, this, &PlotPanel::AskAndSaveSvg);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_readout, 1);
    buttons->addWidget(m_savePng);
    buttons->addWidget(m_saveSvg);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_message, 1);
    layout->addLayout(buttons);
}

PlotPanel::~PlotPanel() = default;

void PlotPanel::Update(const engine::FormModel& form, const engine::FormState& state,
                       const engine::FormState* asBuilt) {
    engine::plot::PlotResult result = engine::plot::MakePlot(form, state, asBuilt);
    m_plot = std::move(result.plot);
    m_message->setText(Utf8(result.message));
    Draw();
}

QString PlotPanel::Message() const {
    return m_message->text();
}

QString PlotPanel::Readout() const {
    return m_readout->text();
}

void PlotPanel::Draw() {
    m_markerTexts.clear();
    m_crosshair = nullptr;
    const bool drawn = m_plot.has_value();
    m_view->setVisible(drawn);
    m_message->setVisible(!drawn);
    m_savePng->setEnabled(drawn);
    m_saveSvg->setEnabled(drawn);
    m_readout->clear();
    if (!drawn) {
        m_view->setChart(new QChart);  // the view deletes the chart it showed
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
    m_view->setChart(chart);
    m_crosshairX =
        plot.xAxis.log ? std::sqrt(plot.xAxis.min * plot.xAxis.max) : (plot.xAxis.min + plot.xAxis.max) / 2;
    PlaceMarkerTexts();
}

void PlotPanel::PlaceMarkerTexts() {
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

void PlotPanel::ShowReadoutAt(double x) {
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

void PlotPanel::MoveCrosshair(int steps) {
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

bool PlotPanel::eventFilter(QObject* watched, QEvent* event) {
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

void PlotPanel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        Draw();
}

bool PlotPanel::SavePng(const QString& path) const {
    return m_plot && m_view->grab().save(path, "PNG");
}

bool PlotPanel::SaveSvg(const QString& path) const {
    if (!m_plot)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const std::string svg = engine::plot::PlotSvg(*m_plot);
    return file.write(svg.data(), static_cast<qint64>(svg.size())) == static_cast<qint64>(svg.size());
}

void PlotPanel::AskAndSavePng() {
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Save the plot as PNG"), QStringLiteral("plot.png"),
                                     QStringLiteral("PNG image (*.png)"));
    if (!path.isEmpty() && !SavePng(path))
        m_readout->setText(QStringLiteral("Could not write %1").arg(path));
}

void PlotPanel::AskAndSaveSvg() {
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Save the plot as SVG"), QStringLiteral("plot.svg"),
                                     QStringLiteral("SVG image (*.svg)"));
    if (!path.isEmpty() && !SaveSvg(path))
        m_readout->setText(QStringLiteral("Could not write %1").arg(path));
}

}  // namespace forms
