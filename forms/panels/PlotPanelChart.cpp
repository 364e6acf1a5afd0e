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
    m_view = new QChartView(this);
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setMinimumSize(480, 320);
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->setFocusPolicy(Qt::StrongFocus);
    m_view->setAccessibleName(QStringLiteral("Plot"));
    m_view->viewport()->setMouseTracking(true);
    m_view->viewport()->installEventFilter(this);
    m_view->installEventFilter(this);
    m_legend = new QLabel(this);
    m_legend->setObjectName(QStringLiteral("Legend"));
    m_legend->setTextFormat(Qt::RichText);
    m_legend->setWordWrap(true);
    m_legend->setAlignment(Qt::AlignCenter);
    m_markers = new QLabel(this);
    m_markers->setObjectName(QStringLiteral("MarkerReadings"));
    m_markers->setTextFormat(Qt::PlainText);
    m_markers->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_readout = new QLabel(this);
    m_readout->setObjectName(QStringLiteral("Readout"));
    m_readout->setTextFormat(Qt::PlainText);
    m_readout->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_readout->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kFocusFrame, kFocusFrame, kFocusFrame, 0);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_legend);
    layout->addWidget(m_markers);
    layout->addWidget(m_readout);
    setFocusProxy(m_view);
}

void PlotPanelChart::Show(const engine::plot::Plot* plot) {
    m_plot.reset();
    if (plot != nullptr && !WhyNotDrawable(*plot))
        m_plot = *plot;
    Draw();
}

QString PlotPanelChart::Readout() const {
    return m_readout->text();
}

QString PlotPanelChart::MarkerReadings() const {
    return m_markers->text();
}

// The view owns the chart it is given but lets go of the one it showed
// without deleting it.
void PlotPanelChart::ShowChart(QChart* chart) {
    QChart* previous = m_view->chart();
    m_view->setChart(chart);
    delete previous;
}

void PlotPanelChart::Draw() {
    m_crosshair = nullptr;
    m_readout->clear();
    m_markers->clear();
    m_legend->clear();
    if (!m_plot) {
        ShowChart(new QChart);
        Describe();
        return;
    }
    const Plot& plot = *m_plot;
    const ChartLook look = LookFrom(palette(), font());
    QChart* chart = BuildChart(plot, look);
    m_crosshair = new QGraphicsLineItem(chart);
    m_crosshair->setPen(QPen(look.text, 1));
    m_crosshair->setZValue(11);
    m_crosshair->hide();
    ShowChart(chart);
    m_legend->setText(LegendHtml(plot, look));
    m_markers->setText(forms::MarkerReadings(plot).join(QLatin1Char('\n')));
    m_markers->setVisible(!m_markers->text().isEmpty());
    m_crosshairX =
        plot.xAxis.log ? std::sqrt(plot.xAxis.min * plot.xAxis.max) : (plot.xAxis.min + plot.xAxis.max) / 2;
    // A chart that has the focus keeps showing where its readout is.
    if (m_view->hasFocus())
        ShowReadoutAt(m_crosshairX);
    Describe();
}

// A screen reader reads the title, the markers and the readout.
void PlotPanelChart::Describe() {
    m_view->setAccessibleName(m_plot ? QStringLiteral("Plot: ") + Utf8(m_plot->title)
                                     : QStringLiteral("Plot"));
    QStringList description;
    if (!m_markers->text().isEmpty())
        description << m_markers->text().split(QLatin1Char('\n'));
    if (!m_readout->text().isEmpty())
        description << m_readout->text();
    m_view->setAccessibleDescription(description.join(QStringLiteral(". ")));
}

void PlotPanelChart::ShowReadoutAt(double x) {
    if (!m_plot)
        return;
    const Plot& plot = *m_plot;
    x = std::clamp(x, plot.xAxis.min, plot.xAxis.max);
    m_crosshairX = x;
    // Series names may hold commas ("Output, ideal"): the readings are parted by semicolons.
    QStringList parts;
    for (const engine::plot::Series& s : plot.series) {
        const double y = engine::plot::ValueAt(s, x, plot.xAxis.log);
        if (std::isfinite(y) && s.axis >= 0 && s.axis < static_cast<int>(plot.yAxes.size()))
            parts << Utf8(s.name + " " +
                          engine::plot::AxisValueText(plot.yAxes[static_cast<size_t>(s.axis)], y));
    }
    m_readout->setText(Utf8(plot.xAxis.label + " " + engine::plot::AxisValueText(plot.xAxis, x)) +
                       QStringLiteral(": ") + parts.join(QStringLiteral("; ")));
    Describe();
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

bool PlotPanelChart::SavePicture(const QString& path, bool svg, QSize size) const {
    if (!m_plot || size.isEmpty())
        return false;
    ChartLook look = LookFrom(palette(), font());
    look.scale = std::max(1.0, size.height() / 400.0);  // texts as large, against the picture, as on screen
    if (svg) {
        QSvgGenerator generator;
        generator.setFileName(path);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setResolution(96);
        generator.setTitle(Utf8(m_plot->title));
        QPainter painter;
        if (!painter.begin(&generator))
            return false;
        RenderPlot(painter, QRectF(QPointF(0, 0), size), *m_plot, look);
        return painter.end() && QFile::exists(path);
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(3780);  // 96 dpi: point sizes as on a plain screen
    image.setDotsPerMeterY(3780);
    image.fill(look.background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    RenderPlot(painter, QRectF(QPointF(0, 0), size), *m_plot, look);
    painter.end();
    return image.save(path, "PNG");
}

bool PlotPanelChart::eventFilter(QObject* watched, QEvent* event) {
    if (m_plot && watched == m_view->viewport() && event->type() == QEvent::MouseMove) {
        QChart* chart = m_view->chart();
        const QPointF inChart =
            chart->mapFromScene(m_view->mapToScene(static_cast<QMouseEvent*>(event)->position().toPoint()));
        if (!chart->series().isEmpty() && chart->plotArea().contains(inChart))
            ShowReadoutAt(chart->mapToValue(inChart, chart->series().front()).x());
    }
    if (watched == m_view && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        update();  // the focus frame
        if (event->type() == QEvent::FocusIn && m_plot && m_readout->text().isEmpty())
            ShowReadoutAt(m_crosshairX);
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

void PlotPanelChart::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!m_view->hasFocus())
        return;
    QPainter painter(this);
    const QRect around = m_view->geometry().adjusted(-kFocusFrame, -kFocusFrame, kFocusFrame, kFocusFrame);
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
