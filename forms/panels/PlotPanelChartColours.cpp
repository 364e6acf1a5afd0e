#include "forms/panels/PlotPanelChartBuild.h"

#include <QPalette>
#include <cmath>
#include <iterator>

namespace forms {

namespace {

constexpr double kSeriesContrast = 3.5;  // a little over 3:1, for antialiased edges

double Luminance(const QColor& colour) {
    auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour moved towards black or white until it stands out on `ground`.
QColor StandingOut(QColor colour, const QColor& ground, double contrast) {
    const QColor end = Luminance(ground) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
    for (int step = 0; step < 20 && Contrast(colour, ground) < contrast; ++step)
        colour = QColor::fromRgbF(float(colour.redF() + (end.redF() - colour.redF()) * 0.15),
                                  float(colour.greenF() + (end.greenF() - colour.greenF()) * 0.15),
                                  float(colour.blueF() + (end.blueF() - colour.blueF()) * 0.15));
    return colour;
}

}  // namespace

ChartLook LookFrom(const QPalette& palette, const QFont& programFont) {
    ChartLook look;
    look.font = programFont;
    look.background = palette.color(QPalette::Base);
    look.dark = Luminance(look.background) < 0.18;
    look.text = StandingOut(palette.color(QPalette::Text), look.background, 7);
    look.grid =
        StandingOut(look.dark ? QColor(0x60, 0x60, 0x60) : QColor(0xc8, 0xc8, 0xc8), look.background, 1.6);
    return look;
}

QColor SeriesColour(const ChartLook& look, size_t index) {
    // Blue, red, green, purple, orange: each picked for its ground, then made sure of.
    static const QColor onLight[] = {
        {0x1f, 0x5f, 0xa8}, {0xc8, 0x33, 0x1e}, {0x2a, 0x7a, 0x3a}, {0x8a, 0x3f, 0xa8}, {0xa8, 0x5a, 0x00}};
    static const QColor onDark[] = {
        {0x7f, 0xb2, 0xff}, {0xff, 0x8a, 0x70}, {0x7c, 0xd0, 0x8a}, {0xd3, 0x9b, 0xff}, {0xff, 0xc0, 0x5a}};
    const QColor& colour = (look.dark ? onDark : onLight)[index % std::size(onLight)];
    return StandingOut(colour, look.background, kSeriesContrast);
}

}  // namespace forms
