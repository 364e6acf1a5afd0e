#pragma once
// Builds the Qt Charts chart of a plot in the program's own look: its font
// at fixed sizes (not the desktop's), colours from the palette, series
// colours that stand out on the plot's background, only points Qt Charts can
// draw. The same chart is shown in the panel and rendered into saved files.

#include <QColor>
#include <QFont>
#include <QStringList>

#include "engine/plot/Plot.h"

class QChart;
class QPainter;
class QPalette;
class QRectF;

namespace forms {

struct ChartLook {
    QFont font;  // family of the program's font; the sizes are the chart's own
    bool dark = false;
    QColor background;
    QColor text;
    QColor grid;
    double scale = 1;  // of the font sizes and pens, for a larger saved picture
};

ChartLook LookFrom(const QPalette& palette, const QFont& programFont);

// (PlotPanelChartColours.cpp) The colour of the i-th curve of a plot (its as-built twin shares it, dashed).
QColor SeriesColour(const ChartLook& look, size_t index);

QChart* BuildChart(const engine::plot::Plot& plot, const ChartLook& look);

// The curves' names with their colours, as rich text that wraps: Qt's own
// legend cuts long names short when they do not fit in one row.
QString LegendHtml(const engine::plot::Plot& plot, const ChartLook& look);

// What each marker reads, one line each, in the order of the plot.
QStringList MarkerReadings(const engine::plot::Plot& plot);

// The chart, its legend and its marker readings below it, drawn into `target`.
void RenderPlot(QPainter& painter, const QRectF& target, const engine::plot::Plot& plot,
                const ChartLook& look);

}  // namespace forms
