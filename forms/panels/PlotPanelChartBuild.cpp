#include "forms/panels/PlotPanelChartBuild.h"

#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPainter>
#include <QPalette>
#include <QScatterSeries>
#include <QTextDocument>
#include <cmath>

#include "engine/plot/PlotText.h"
#include "forms/panels/PlotPoints.h"

namespace forms {

namespace {

using engine::plot::Axis;
using engine::plot::Plot;

// Point sizes of the chart's texts, whatever the desktop's font size.
constexpr double kTextPoints = 8;
constexpr double kTitlePoints = 9;

QString Utf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString AxisTitle(const Axis& axis) {
    return Utf8(axis.unit.empty() ? axis.label : axis.label + " (" + axis.unit + ")");
}

QFont Sized(const ChartLook& look, double points, bool bold = false) {
    QFont font(look.font.family());
    font.setPointSizeF(points * look.scale);
    font.setBold(bold);
    return font;
}

// Where a value sits on a label axis: log axes are labelled in decades of x.
double LabelPosition(const Axis& axis, double value) {
    return axis.log ? std::log10(value) : value;
}

// Our own tick labels in engineering notation: a category axis whose labels
// sit on round values. The data axis of a log scale stays hidden behind it.
QCategoryAxis* LabelAxis(const Axis& axis, const ChartLook& look) {
    auto* labels = new QCategoryAxis;
    labels->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const double low = LabelPosition(axis, axis.min), high = LabelPosition(axis, axis.max);
    labels->setRange(low, high);
    labels->setStartValue(low - (high - low) * 1e-6);
    for (const engine::plot::Tick& tick : engine::plot::AxisTicks(axis)) {
        const double at = LabelPosition(axis, tick.value);
        if (std::isfinite(at))
            labels->append(Utf8(tick.label), at);
    }
    labels->setTitleText(AxisTitle(axis));
    labels->setLabelsFont(Sized(look, kTextPoints));
    labels->setTitleFont(Sized(look, kTextPoints));
    labels->setLabelsBrush(look.text);
    labels->setTitleBrush(look.text);
    labels->setLinePenColor(look.grid);
    labels->setGridLineColor(look.grid);
    return labels;
}

}  // namespace

QString LegendHtml(const Plot& plot, const ChartLook& look) {
    QStringList entries;
    size_t designed = 0, built = 0;
    for (const engine::plot::Curve& s : plot.curves) {
        const size_t colour = s.asBuilt ? built++ : designed++;
        if (DrawablePoints(plot, s).size() < 2)
            continue;
        // A solid or a dashed stroke before the name, in the curve's colour.
        entries << QStringLiteral("<span style=\"color:%1\">%2</span>&nbsp;%3")
                       .arg(SeriesColour(look, colour).name(),
                            s.asBuilt ? QStringLiteral("- - -") : QStringLiteral("\u2014\u2014"),
                            Utf8(s.name).toHtmlEscaped().replace(QLatin1Char(' '), QStringLiteral("&nbsp;")));
    }
    return entries.join(QStringLiteral(" &nbsp; "));
}

QStringList MarkerReadings(const Plot& plot) {
    QStringList lines;
    for (const engine::plot::Marker& m : plot.markers)
        if (!m.text.empty() && DrawableMarker(plot, m))
            lines << Utf8(m.text);
    return lines;
}

namespace {

// The title, and under it in small italics the note on what the curve is
// and is not, one sentence a line.
QString ChartTitle(const Plot& plot) {
    if (plot.note.empty())
        return Utf8(plot.title);
    QString note = Utf8(plot.note).toHtmlEscaped();
    note.replace(QStringLiteral(". "), QStringLiteral(".<br>"));
    return Utf8(plot.title).toHtmlEscaped() +
           QStringLiteral("<br><span style=\"font-size:small; font-weight:normal; font-style:italic\">") +
           note + QStringLiteral("</span>");
}

// The chart itself, in the program's look, with neither axes nor curves.
QChart* EmptyChart(const Plot& plot, const ChartLook& look) {
    auto* chart = new QChart;
    chart->setTheme(look.dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart->setBackgroundBrush(look.background);
    chart->setBackgroundRoundness(0);
    chart->setPlotAreaBackgroundVisible(false);
    chart->setDropShadowEnabled(false);
    chart->setTitle(ChartTitle(plot));
    chart->setTitleFont(Sized(look, kTitlePoints, true));
    chart->setTitleBrush(look.text);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->legend()->hide();  // see LegendHtml
    return chart;
}

// The axes the curves and markers are attached to. The series map onto
// value axes; the visible axes are the label axes.
struct ChartAxes {
    QChart* chart = nullptr;
    QAbstractAxis* xData = nullptr;
    std::vector<QCategoryAxis*> yAxes;

    void Attach(QAbstractSeries* series, int axis) const {
        chart->addSeries(series);
        series->attachAxis(xData);
        series->attachAxis(yAxes[static_cast<size_t>(axis)]);
    }
};

ChartAxes AddAxes(QChart* chart, const Plot& plot, const ChartLook& look) {
    ChartAxes axes;
    axes.chart = chart;
    QCategoryAxis* xLabels = LabelAxis(plot.xAxis, look);
    chart->addAxis(xLabels, Qt::AlignBottom);
    if (plot.xAxis.log) {
        auto* log = new QLogValueAxis;
        log->setBase(10);
        log->setRange(plot.xAxis.min, plot.xAxis.max);
        chart->addAxis(log, Qt::AlignBottom);
        log->setVisible(false);
        axes.xData = log;
    } else {
        axes.xData = xLabels;
    }
    for (size_t i = 0; i < plot.yAxes.size(); ++i) {
        QCategoryAxis* axis = LabelAxis(plot.yAxes[i], look);
        chart->addAxis(axis, i == 0 ? Qt::AlignLeft : Qt::AlignRight);
        axis->setGridLineVisible(i == 0);  // one grid, the left axis's
        axes.yAxes.push_back(axis);
    }
    return axes;
}

void AddCurves(const ChartAxes& axes, const Plot& plot, const ChartLook& look) {
    size_t designed = 0, built = 0;
    for (const engine::plot::Curve& s : plot.curves) {
        const size_t colour = s.asBuilt ? built++ : designed++;
        const std::vector<engine::plot::Point> drawable = DrawablePoints(plot, s);
        if (drawable.size() < 2)
            continue;
        auto* line = new QLineSeries;
        line->setName(Utf8(s.name));
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(drawable.size()));
        for (const engine::plot::Point& p : drawable)
            points.append(QPointF(p.x, p.y));
        line->replace(points);
        axes.Attach(line, s.axis);
        QPen pen(SeriesColour(look, colour), 2 * look.scale);
        if (s.asBuilt)
            pen.setStyle(Qt::DashLine);
        line->setPen(pen);
    }
}

// Each marker: a dashed rule across its axis and a dot at its point.
void AddMarkers(const ChartAxes& axes, const Plot& plot, const ChartLook& look) {
    for (const engine::plot::Marker& m : plot.markers) {
        if (!DrawableMarker(plot, m))
            continue;
        const Axis& y = plot.yAxes[static_cast<size_t>(m.axis)];
        auto* rule = new QLineSeries;
        rule->append(m.x, y.min);
        rule->append(m.x, y.max);
        axes.Attach(rule, m.axis);
        rule->setPen(QPen(look.text, 1, Qt::DashLine));
        auto* dot = new QScatterSeries;
        dot->append(m.x, m.y);
        dot->setMarkerSize(8 * look.scale);
        dot->setColor(look.text);
        dot->setBorderColor(look.text);
        axes.Attach(dot, m.axis);
    }
}

}  // namespace

QChart* BuildChart(const Plot& plot, const ChartLook& look) {
    QChart* chart = EmptyChart(plot, look);
    const ChartAxes axes = AddAxes(chart, plot, look);
    AddCurves(axes, plot, look);
    AddMarkers(axes, plot, look);
    return chart;
}

void RenderPlot(QPainter& painter, const QRectF& target, const Plot& plot, const ChartLook& look) {
    const QFont font = Sized(look, kTextPoints);
    const QFontMetricsF metrics(font, painter.device());
    const double margin = metrics.height() / 2;
    // Below the chart: the legend, then one line per marker, wrapped to the width.
    QTextDocument below;
    below.setDocumentMargin(margin);
    below.setDefaultFont(font);
    below.setDefaultStyleSheet(QStringLiteral("body { color: %1; }").arg(look.text.name()));
    QString html =
        QStringLiteral("<body><p align=\"center\">") + LegendHtml(plot, look) + QStringLiteral("</p>");
    for (const QString& line : MarkerReadings(plot))
        html += QStringLiteral("<div>") + line.toHtmlEscaped() + QStringLiteral("</div>");
    below.setHtml(html + QStringLiteral("</body>"));
    below.setTextWidth(target.width());
    const double belowHeight = below.size().height();
    painter.fillRect(target, look.background);

    QGraphicsScene scene;
    QChart* chart = BuildChart(plot, look);
    scene.addItem(chart);  // the scene deletes it
    const QRectF area(0, 0, target.width(), target.height() - belowHeight);
    chart->setGeometry(area);
    chart->layout()->activate();
    scene.render(&painter, QRectF(target.topLeft(), area.size()), area);

    painter.save();
    painter.translate(target.left(), target.top() + area.height());
    below.drawContents(&painter);
    painter.restore();
}

}  // namespace forms
