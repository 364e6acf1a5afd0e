// Forms on a HiDPI screen (this program runs with QT_SCALE_FACTOR=2) and in a
// dark desktop palette: laid out as at 1x, pictures drawn at device pixels,
// texts readable and schematics still on their light paper.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QRadioButton>
#include <QSvgRenderer>
#include <cmath>

#include "app/FormTable.h"
#include "forms/passive/OhmsLawDlg.h"
#include "platform/PictureWidget.h"
#include "tests/support/FormHarness.h"

namespace {

// Saves what a test looked at when DISPLAY_TEST_SHOTS names a folder.
void Keep(const QPixmap& pixmap, const QString& name) {
    const QString folder = qEnvironmentVariable("DISPLAY_TEST_SHOTS");
    if (!folder.isEmpty())
        pixmap.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

double Luminance(QRgb rgb) {
    auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

double Contrast(QRgb a, QRgb b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The strongest contrast between the background colour and a pixel inside the
// widget's rectangle: the darkest or lightest stroke of its text.
double TextContrast(const QImage& window, const QWidget* widget, QRgb background) {
    const qreal ratio = window.devicePixelRatio();
    const QRect area(widget->geometry().topLeft() * ratio, widget->geometry().size() * ratio);
    double best = 1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            best = std::max(best, Contrast(window.pixel(x, y), background));
    return best;
}

// Mean absolute difference per channel over two images of one size.
double MeanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum +=
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

// The schematic alone, drawn the way the picture control places it, into
// `pixels` physical pixels per logical one.
QImage RenderSchematic(const platform::PictureWidget& picture, qreal pixels) {
    QSvgRenderer renderer(platform::PictureWidget::ResourcePath(picture.PictureId()));
    QSizeF size = renderer.defaultSize();
    size.scale(QSizeF(picture.size()), Qt::KeepAspectRatio);
    QImage image((QSizeF(picture.size()) * pixels).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(pixels);
    image.fill(picture.palette().color(QPalette::Window));
    QPainter painter(&image);
    renderer.render(
        &painter,
        QRectF(QPointF((picture.width() - size.width()) / 2, (picture.height() - size.height()) / 2), size));
    return image;
}

platform::PictureWidget* Picture(const QWidget& form) {
    // No meta-object of its own: findChild would take any widget.
    for (QWidget* widget : form.findChildren<QWidget*>())
        if (auto* picture = dynamic_cast<platform::PictureWidget*>(widget))
            return picture;
    return nullptr;
}

TEST(HiDpi, FormsKeepTheirLayoutAndTextSizes) {
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
    for (const FormCommand& command : FormCommands()) {
        if (command.create == nullptr)
            continue;
        std::unique_ptr<CCalcFormDlg> form = harness::OpenCommand(command.commandId);
        // The same dialog units as at 1x (Liberation Sans 8: 6 by 12), so the
        // same layout in logical pixels, twice the device pixels.
        EXPECT_EQ(form->Units().BaseX(), 6) << command.className;
        EXPECT_EQ(form->Units().BaseY(), 12) << command.className;
        const QPixmap shot = form->grab();
        EXPECT_EQ(shot.size(), form->size() * 2) << command.className;
        Keep(shot, QString::fromLatin1(command.className) + QStringLiteral("@2x"));
        // Text keeps its size against the controls: a label is as wide, in
        // logical pixels, as the same text measured for a 1x screen.
        for (QLabel* label : form->findChildren<QLabel*>()) {
            QImage plain(1, 1, QImage::Format_RGB32);  // device pixel ratio 1
            const QFontMetricsF atOne(label->font(), &plain);
            EXPECT_NEAR(QFontMetricsF(label->font()).horizontalAdvance(label->text()),
                        atOne.horizontalAdvance(label->text()), 0.5)
                << command.className << ": " << label->text().toStdString();
        }
    }
}

TEST(HiDpi, SchematicsAreDrawnAtDevicePixels) {
    COhmsLawDlg form;
    harness::Open(form);
    platform::PictureWidget* picture = Picture(form);
    ASSERT_TRUE(picture && picture->HasPicture());
    const QImage shown = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage sharp = RenderSchematic(*picture, 2);
    // What a 1x picture scaled up would look like.
    const QImage blurred =
        RenderSchematic(*picture, 1).scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    ASSERT_EQ(shown.size(), sharp.size());
    const double toSharp = MeanDifference(shown, sharp), toBlurred = MeanDifference(shown, blurred);
    EXPECT_LT(toSharp, 0.5);
    EXPECT_GT(toBlurred, 4 * toSharp + 0.5);
    std::printf("mean difference to a 2x render %.3f, to a 1x render scaled up %.3f\n", toSharp, toBlurred);
}

// A dark desktop palette, as a dark theme hands it to the application.
QPalette DarkPalette() {
    QPalette dark;
    const QColor window(0x35, 0x35, 0x35), base(0x23, 0x23, 0x23), text(0xf0, 0xf0, 0xf0),
        dim(0x80, 0x80, 0x80);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        dark.setColor(group, QPalette::Window, window);
        dark.setColor(group, QPalette::Button, window);
        dark.setColor(group, QPalette::Base, disabled ? window : base);
        dark.setColor(group, QPalette::AlternateBase, window);
        dark.setColor(group, QPalette::WindowText, disabled ? dim : text);
        dark.setColor(group, QPalette::ButtonText, disabled ? dim : text);
        dark.setColor(group, QPalette::Text, disabled ? dim : text);
        dark.setColor(group, QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
        dark.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    return dark;
}

TEST(DarkTheme, TextsStayReadableAndSchematicsKeepTheirPaper) {
    const QPalette previous = QApplication::palette();
    QApplication::setPalette(DarkPalette());
    {
        COhmsLawDlg form;
        harness::Open(form);
        const QImage shot = form.grab().toImage();
        Keep(QPixmap::fromImage(shot), QStringLiteral("COhmsLawDlg-dark"));
        const QRgb window = form.palette().color(QPalette::Window).rgb();
        ASSERT_LT(Luminance(window), 0.1) << "the dark palette did not reach the form";
        for (QLabel* label : form.findChildren<QLabel*>())
            EXPECT_GE(TextContrast(shot, label, window), 7.0) << label->text().toStdString();
        for (QRadioButton* radio : form.findChildren<QRadioButton*>())
            EXPECT_GE(TextContrast(shot, radio, window), 7.0) << radio->text().toStdString();
        for (QLineEdit* edit : form.findChildren<QLineEdit*>()) {
            if (!edit->isEnabled())
                continue;
            EXPECT_GE(TextContrast(shot, edit, edit->palette().color(QPalette::Base).rgb()), 7.0)
                << edit->accessibleName().toStdString();
        }
        // The schematic is drawn on its own white paper: black strokes stay visible.
        platform::PictureWidget* picture = Picture(form);
        const QImage drawn = picture->grab().toImage();
        int light = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                light += Luminance(drawn.pixel(x, y)) > 0.9;
        EXPECT_GT(light, drawn.width() * drawn.height() / 2);
    }
    QApplication::setPalette(previous);
}

}  // namespace
