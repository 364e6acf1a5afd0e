#include "forms/panels/PlotPanelChart.h"

#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QFile>
#include <QGraphicsLineItem>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <cmath>

#include "engine/plot/PlotText.h"
#include "forms/panels/PlotPanelChartBuild.h"
#include "forms/panels/PlotPoints.h"

namespace forms {

namespace {

using engine::plot::Axis;
using engine::plot::Plot;

QString Utf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr int kCrosshairSteps = 200;  // arrow-key steps across the plot
constexpr int kFocusFrame = 2;        // pixels of the frame around the focused chart

}  // namespace

PlotPanelChart::PlotPanelChart(QWidget* parent) : PlotPanelView(parent) {
    view_ = new QChartView(this);
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumSize(480, 320);
    view_->setFrameShape(QFrame::NoFrame);
    view_->setFocusPolicy(Qt::StrongFocus);
    view_->setAccessibleName(QStringLiteral("Plot"));
    view_->viewport()->setMouseTracking(true);
    view_->viewport()->installEventFilter(this);
    view_->installEventFilter(this);
    legend_ = new QLabel(this);
    legend_->setObjectName(QStringLiteral("Legend"));
    legend_->setTextFormat(Qt::RichText);
    legend_->setWordWrap(true);
    legend_->setAlignment(Qt::AlignCenter);
    markers_ = new QLabel(this);
    markers_->setObjectName(QStringLiteral("MarkerReadings"));
    markers_->setTextFormat(Qt::PlainText);
    markers_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    readout_ = new QLabel(this);
    readout_->setObjectName(QStringLiteral("Readout"));
    readout_->setTextFormat(Qt::PlainText);
    readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    readout_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kFocusFrame, kFocusFrame, kFocusFrame, 0);
    layout->addWidget(view_, 1);
    layout->addWidget(legend_);
    layout->addWidget(markers_);
    layout->addWidget(readout_);
    setFocusProxy(view_);
}

void PlotPanelChart::Show(const engine::plot::Plot* plot) {
    plot_.reset();
    if (plot != nullptr && !WhyNotDrawable(*plot))
        plot_ = *plot;
    Draw();
}

QString PlotPanelChart::Readout() const {
    return readout_->text();
}

QString PlotPanelChart::MarkerReadings() const {
    return markers_->text();
}

// The view owns the chart it is given but lets go of the one it showed
// without deleting it.
void PlotPanelChart::ShowChart(QChart* chart) {
    QChart* previous = view_->chart();
    view_->setChart(chart);
    delete previous;
}

void PlotPanelChart::Draw() {
    crosshair_ = nullptr;
    readout_->clear();
    markers_->clear();
    legend_->clear();
    if (!plot_) {
        ShowChart(new QChart);
        Describe();
        return;
    }
    const Plot& plot = *plot_;
    const ChartLook look = LookFrom(palette(), font());
    QChart* chart = BuildChart(plot, look);
    crosshair_ = new QGraphicsLineItem(chart);
    crosshair_->setPen(QPen(look.text, 1));
    crosshair_->setZValue(11);
    crosshair_->hide();
    ShowChart(chart);
    legend_->setText(LegendHtml(plot, look));
    markers_->setText(forms::MarkerReadings(plot).join(QLatin1Char('\n')));
    markers_->setVisible(!markers_->text().isEmpty());
    crosshairX_ =
        plot.xAxis.log ? std::sqrt(plot.xAxis.min * plot.xAxis.max) : (plot.xAxis.min + plot.xAxis.max) / 2;
    // A chart that has the focus keeps showing where its readout is.
    if (view_->hasFocus())
        ShowReadoutAt(crosshairX_);
    Describe();
}

// A screen reader reads the title, the markers and the readout.
void PlotPanelChart::Describe() {
    view_->setAccessibleName(plot_ ? QStringLiteral("Plot: ") + Utf8(plot_->title) : QStringLiteral("Plot"));
    QStringList description;
    if (!markers_->text().isEmpty())
        description << markers_->text().split(QLatin1Char('\n'));
    if (!readout_->text().isEmpty())
        description << readout_->text();
    view_->setAccessibleDescription(description.join(QStringLiteral(". ")));
}

void PlotPanelChart::ShowReadoutAt(double x) {
    if (!plot_)
        return;
    const Plot& plot = *plot_;
    x = std::clamp(x, plot.xAxis.min, plot.xAxis.max);
    crosshairX_ = x;
    // Curve names may hold commas ("Output, ideal"): the readings are parted by semicolons.
    QStringList parts;
    for (const engine::plot::Curve& s : plot.curves) {
        const double y = engine::plot::ValueAt(s, x, plot.xAxis.log);
        if (std::isfinite(y) && s.axis >= 0 && s.axis < static_cast<int>(plot.yAxes.size()))
            parts << Utf8(s.name + " " +
                          engine::plot::AxisValueText(plot.yAxes[static_cast<size_t>(s.axis)], y));
    }
    readout_->setText(Utf8(plot.xAxis.label + " " + engine::plot::AxisValueText(plot.xAxis, x)) +
                      QStringLiteral(": ") + parts.join(QStringLiteral("; ")));
    Describe();
    QChart* chart = view_->chart();
    const auto series = chart->series();
    if (crosshair_ == nullptr || series.isEmpty())
        return;
    const QRectF area = chart->plotArea();
    const double px = chart->mapToPosition(QPointF(x, plot.yAxes[0].min), series.front()).x();
    crosshair_->setLine(px, area.top(), px, area.bottom());
    crosshair_->show();
}

void PlotPanelChart::MoveCrosshair(int steps) {
    if (!plot_)
        return;
    const Axis& axis = plot_->xAxis;
    if (axis.log) {
        const double step = std::log10(axis.max / axis.min) / kCrosshairSteps;
        ShowReadoutAt(crosshairX_ * std::pow(10.0, step * steps));
    } else {
        ShowReadoutAt(crosshairX_ + (axis.max - axis.min) / kCrosshairSteps * steps);
    }
}

bool PlotPanelChart::SavePicture(const QString& path, bool svg, QSize size) const {
    if (!plot_ || size.isEmpty())
        return false;
    ChartLook look = LookFrom(palette(), font());
    look.scale = std::max(1.0, size.height() / 400.0);  // texts as large, against the picture, as on screen
    if (svg) {
        QSvgGenerator generator;
        generator.setFileName(path);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setResolution(96);
        generator.setTitle(Utf8(plot_->title));
        QPainter painter;
        if (!painter.begin(&generator))
            return false;
        RenderPlot(painter, QRectF(QPointF(0, 0), size), *plot_, look);
        return painter.end() && QFile::exists(path);
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(3780);  // 96 dpi: point sizes as on a plain screen
    image.setDotsPerMeterY(3780);
    image.fill(look.background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    RenderPlot(painter, QRectF(QPointF(0, 0), size), *plot_, look);
    painter.end();
    return image.save(path, "PNG");
}

bool PlotPanelChart::eventFilter(QObject* watched, QEvent* event) {
    if (plot_ && watched == view_->viewport() && event->type() == QEvent::MouseMove) {
        QChart* chart = view_->chart();
        const QPointF inChart =
            chart->mapFromScene(view_->mapToScene(static_cast<QMouseEvent*>(event)->position().toPoint()));
        if (!chart->series().isEmpty() && chart->plotArea().contains(inChart))
            ShowReadoutAt(chart->mapToValue(inChart, chart->series().front()).x());
    }
    if (watched == view_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        update();  // the focus frame
        if (event->type() == QEvent::FocusIn && plot_ && readout_->text().isEmpty())
            ShowReadoutAt(crosshairX_);
    }
    if (plot_ && watched == view_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int fast = key->modifiers() & Qt::ShiftModifier ? 10 : 1;
        if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right) {
            MoveCrosshair(key->key() == Qt::Key_Left ? -fast : fast);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PlotPanelChart::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!view_->hasFocus())
        return;
    QPainter painter(this);
    const QRect around = view_->geometry().adjusted(-kFocusFrame, -kFocusFrame, kFocusFrame, kFocusFrame);
    painter.setPen(
        QPen(palette().color(QPalette::Highlight), kFocusFrame, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(around).adjusted(1, 1, -1, -1));
}

void PlotPanelChart::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        Draw();
}

}  // namespace forms

// The entry point the program resolves when it first shows a plot.
extern "C" __attribute__((visibility("default"))) forms::PlotPanelView* voltaris_create_plot_panel_view(
    QWidget* parent) {
    return new forms::PlotPanelChart(parent);
}
