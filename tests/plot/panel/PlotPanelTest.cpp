// The plot panel drawn offscreen with Qt Charts, in the light and the dark
// palette: every form's curve, the reason when there is none, the readout
// and the files it saves. VOLTARIS_PLOT_SHOTS=<folder> keeps the pictures.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QtSvg/QSvgRenderer>
#include <cmath>

#include "engine/Forms.h"
#include "engine/Recalculation.h"
#include "engine/plot/Plots.h"
#include "forms/panels/PlotPanel.h"
#include "forms/panels/PlotPanelChartBuild.h"
#include "forms/panels/PlotPoints.h"

namespace {

QPalette DarkPalette() {
    QPalette dark;
    const QColor window(0x35, 0x35, 0x35), base(0x23, 0x23, 0x23), text(0xf0, 0xf0, 0xf0);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        dark.setColor(group, QPalette::Window, window);
        dark.setColor(group, QPalette::Button, window);
        dark.setColor(group, QPalette::Base, base);
        dark.setColor(group, QPalette::WindowText, text);
        dark.setColor(group, QPalette::ButtonText, text);
        dark.setColor(group, QPalette::Text, text);
    }
    return dark;
}

double Luminance(QRgb c) {
    return (0.2126 * qRed(c) + 0.7152 * qGreen(c) + 0.0722 * qBlue(c)) / 255;
}

// How many distinct colours a picture has: a blank or one-colour grab has few.
int Colours(const QImage& image) {
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            seen.insert(image.pixel(x, y));
    return static_cast<int>(seen.size());
}

void Keep(const QImage& image, const QString& name) {
    const QString folder = qEnvironmentVariable("VOLTARIS_PLOT_SHOTS");
    if (!folder.isEmpty())
        image.save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

bool ChartsLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Charts");
}

}  // namespace

// Qt Charts is loaded with the first plot shown, not before (this test runs first).
TEST(PlotPanel, LoadsItsChartOnFirstUse) {
    const engine::FormModel& form = *engine::FindForm("rc-low-pass");
    forms::PlotPanel panel;
    engine::FormState failing = engine::OpenedState(form);
    failing.texts[static_cast<size_t>(form.FieldIndexByName("C"))] = "0";
    panel.Update(form, failing);
    EXPECT_FALSE(ChartsLoaded());
    panel.Update(form, engine::OpenedState(form));
    EXPECT_TRUE(panel.HasCurve()) << panel.Message().toStdString();
    EXPECT_TRUE(ChartsLoaded());
}

TEST(PlotPanel, DrawsEveryFormsCurveInLightAndDark) {
    const QPalette light = QApplication::palette();
    for (const bool dark : {false, true}) {
        forms::PlotPanel panel;
        panel.setPalette(dark ? DarkPalette() : light);
        panel.resize(640, 460);
        panel.show();
        for (const engine::FormModel* form : engine::AllForms()) {
            if (!engine::plot::HasPlot(*form))
                continue;
            SCOPED_TRACE(form->alias);
            panel.Update(*form, engine::OpenedState(*form));
            ASSERT_TRUE(panel.HasCurve()) << panel.Message().toStdString();
            QApplication::processEvents();
            const QImage shot = panel.grab().toImage();
            Keep(shot, QString::fromLatin1(form->className) + (dark ? QStringLiteral("-dark") : QString()));
            EXPECT_GT(Colours(shot), 20);
            // The chart's own background follows the palette.
            const QRgb corner = shot.pixel(shot.width() / 2, 4);
            EXPECT_EQ(Luminance(corner) < 0.5, dark);
        }
    }
}

// The op-amp stages' charts say under their titles that the curve is the
// ideal stage's, not the form's 0.7 R C; a plot without a note has its title alone.
TEST(PlotPanel, ChartTitleCarriesTheNote) {
    forms::PlotPanel panel;
    panel.resize(640, 460);
    panel.show();
    for (const char* alias : {"differentiator", "integrator", "rc-low-pass"}) {
        const engine::FormModel& form = *engine::FindForm(alias);
        panel.Update(form, engine::OpenedState(form));
        ASSERT_TRUE(panel.HasCurve()) << alias;
        QApplication::processEvents();
        const QGraphicsView* view = panel.findChild<QGraphicsView*>();
        ASSERT_TRUE(view != nullptr && view->scene() != nullptr);
        QString texts;
        for (const QGraphicsItem* item : view->scene()->items()) {
            if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item))
                texts += text->toPlainText() + QLatin1Char('\n');
        }
        EXPECT_TRUE(texts.contains(QString::fromStdString(panel.CurrentPlot()->title))) << alias;
        EXPECT_EQ(texts.contains(QStringLiteral("0.7 R C")), std::string(alias) != "rc-low-pass")
            << alias << ": " << texts.toStdString();
    }
}

TEST(PlotPanel, SaysWhyWhenNothingCanBeDrawn) {
    const engine::FormModel& form = *engine::FindForm("rc-low-pass");
    engine::FormState state = engine::OpenedState(form);
    state.texts[static_cast<size_t>(form.FieldIndexByName("C"))] = "0";
    state.texts = engine::Recalculate(form, state).texts;
    forms::PlotPanel panel;
    panel.show();
    panel.Update(form, state);
    EXPECT_FALSE(panel.HasCurve());
    EXPECT_TRUE(panel.Message().contains(QStringLiteral("C is zero")));
    for (QPushButton* button : panel.findChildren<QPushButton*>())
        EXPECT_FALSE(button->isEnabled());
    panel.Update(form, engine::OpenedState(form));
    EXPECT_TRUE(panel.HasCurve());
}

// The readout follows the crosshair, from the pointer or the arrow keys, and
// the saved files are the picture on screen and the plain SVG.
TEST(PlotPanel, ReadoutAndSavedFiles) {
    const engine::FormModel& form = *engine::FindForm("rc-low-pass");
    forms::PlotPanel panel;
    panel.resize(640, 460);
    panel.show();
    panel.Update(form, engine::OpenedState(form));
    const engine::plot::Plot& plot = *panel.CurrentPlot();
    panel.ShowReadoutAt(plot.markers.front().x);
    EXPECT_EQ(panel.Readout(), QString::fromUtf8("Frequency 7.23 kHz: Gain -3.01 dB; Phase -45°"));
    QWidget* chart = panel.findChild<QGraphicsView*>();
    ASSERT_NE(chart, nullptr);
    chart->setFocus();
    QTest::keyClick(chart, Qt::Key_Right, Qt::ShiftModifier);
    // Ten steps of a two-hundredth of the four decades: 10^0.2 higher.
    EXPECT_TRUE(panel.Readout().startsWith(QStringLiteral("Frequency 11.5 kHz")))
        << panel.Readout().toStdString();
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("plot.png")),
                  svg = dir.filePath(QStringLiteral("plot.svg"));
    // The chart alone at 1200x800: the crosshair the keys moved is not in it.
    ASSERT_TRUE(panel.SavePng(png));
    ASSERT_TRUE(panel.SaveSvg(svg));
    const QImage saved(png);
    EXPECT_EQ(saved.size(), QSize(1200, 800));
    QTest::keyClick(chart, Qt::Key_Right, Qt::ShiftModifier);
    ASSERT_TRUE(panel.SavePng(png));
    EXPECT_EQ(QImage(png), saved);
    // The readout and the markers reach a screen reader.
    EXPECT_TRUE(chart->accessibleDescription().contains(panel.Readout()))
        << chart->accessibleDescription().toStdString();
    EXPECT_TRUE(chart->accessibleDescription().contains(QStringLiteral("7.23 kHz")));
    QSvgRenderer renderer(svg);
    EXPECT_TRUE(renderer.isValid());
    QImage drawn(720, 440, QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    renderer.render(&painter);
    painter.end();
    Keep(drawn, QStringLiteral("CRcLowPassDlg-svg"));
    EXPECT_GT(Colours(drawn), 20);
}

// A curve that is not a number anywhere (class A at Vcc = 1e18), or a plot
// with points Qt Charts would drop: no crash, and the reason where there is
// nothing to draw.
TEST(PlotPanel, NonFinitePointsNeverReachTheChart) {
    const engine::FormModel& classA = *engine::FindForm("class-a-amp");
    engine::FormState state = engine::OpenedState(classA);
    state.texts[static_cast<size_t>(classA.FieldIndexByName("Vcc"))] = "1e18";
    state.texts = engine::Recalculate(classA, state).texts;
    forms::PlotPanel panel;
    panel.resize(640, 460);
    panel.show();
    panel.Update(classA, state);
    QApplication::processEvents();
    if (!panel.HasCurve()) {
        EXPECT_FALSE(panel.Message().isEmpty());
    }
    panel.Update(classA, engine::OpenedState(classA));
    ASSERT_TRUE(panel.HasCurve());
    // Every point and marker of a drawable plot spoiled in turn.
    const engine::plot::Plot good = *panel.CurrentPlot();
    for (const double bad : {NAN, INFINITY, -INFINITY}) {
        engine::plot::Plot plot = good;
        for (engine::plot::Curve& s : plot.curves)
            for (size_t i = 0; i < s.points.size(); i += 3)
                s.points[i].y = bad;
        for (engine::plot::Marker& m : plot.markers)
            m.y = bad;
        EXPECT_FALSE(forms::WhyNotDrawable(plot));
        for (engine::plot::Curve& s : plot.curves)
            for (engine::plot::Point& p : s.points)
                p.y = bad;
        EXPECT_TRUE(forms::WhyNotDrawable(plot));
        plot = good;
        plot.yAxes[0].max = bad;
        EXPECT_TRUE(forms::WhyNotDrawable(plot));
    }
}

// Each curve at 3:1 or more against the plot's ground, in the light and a
// dark palette, and as many colours as curves.
TEST(PlotPanel, SeriesColoursStandOutOnTheirGround) {
    const auto luminance = [](const QColor& c) {
        auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    for (const QPalette& palette : {QApplication::palette(), DarkPalette()}) {
        const forms::ChartLook look = forms::LookFrom(palette, QApplication::font());
        QSet<QRgb> seen;
        for (size_t i = 0; i < 5; ++i) {
            const QColor colour = forms::SeriesColour(look, i);
            const double a = luminance(colour), b = luminance(look.background);
            EXPECT_GE((std::max(a, b) + 0.05) / (std::min(a, b) + 0.05), 3.0)
                << i << (look.dark ? " dark" : "");
            seen.insert(colour.rgb());
        }
        EXPECT_EQ(seen.size(), 5);
    }
}
