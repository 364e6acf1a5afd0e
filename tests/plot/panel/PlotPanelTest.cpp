// The plot panel drawn offscreen with Qt Charts, in the light and the dark
// palette: every form's curve, the reason when there is none, the readout
// and the files it saves. VOLTARIS_PLOT_SHOTS=<folder> keeps the pictures.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGraphicsView>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QtSvg/QSvgRenderer>

#include "engine/Forms.h"
#include "engine/Recalculation.h"
#include "engine/plot/Plots.h"
#include "forms/panels/PlotPanel.h"

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
    EXPECT_EQ(panel.Readout(), QString::fromUtf8("Frequency 7.23 kHz: Gain -3.01 dB, Phase -45°"));
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
    ASSERT_TRUE(panel.SavePng(png));
    ASSERT_TRUE(panel.SaveSvg(svg));
    EXPECT_FALSE(QImage(png).isNull());
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
