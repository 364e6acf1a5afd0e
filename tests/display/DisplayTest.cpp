// Forms on a HiDPI screen (this program runs with QT_SCALE_FACTOR=2) and in a
// dark desktop palette: laid out as at 1x, pictures drawn at device pixels,
// texts readable and schematics still on their light paper.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <cmath>

#include "app/FormTable.h"
#include "forms/passive/OhmsLawDlg.h"
#include "platform/HelpWindow.h"
#include "platform/PictureWidget.h"
#include "tests/support/FormHarness.h"
#include "tools/DarkPalette.h"

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

double AreaContrast(const QImage& window, const QRect& logical, QRgb background);

// The strongest contrast between the background colour and a pixel inside the
// widget's rectangle: the darkest or lightest stroke of its text.
double TextContrast(const QImage& window, const QWidget* widget, QRgb background) {
    return AreaContrast(window, widget->geometry(), background);
}

// The same over part of the window, in logical pixels.
double AreaContrast(const QImage& window, const QRect& logical, QRgb background) {
    const qreal ratio = window.devicePixelRatio();
    const QRect area(logical.topLeft() * ratio, logical.size() * ratio);
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

TEST(DarkTheme, TextsStayReadableAndSchematicsKeepTheirPaper) {
    const QPalette previous = QApplication::palette();
    QApplication::setPalette(tools::DarkPalette());
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

// Every text and every radio or check indicator at 4.5:1 or more against
// what it is drawn on, enabled and disabled, in the light palette of the
// style and in a dark desktop palette. The forms cover labels, fields, radio
// buttons, check boxes, list boxes and push buttons.
TEST(DarkTheme, EveryTextAndIndicatorStandsOutEnabledOrDisabled) {
    constexpr double kMinimum = 4.5;
    const QPalette previous = QApplication::palette();
    const struct {
        const char* name;
        QPalette palette;
    } palettes[] = {{"light", previous}, {"dark", tools::DarkPalette()}};
    const int commands[] = {32772, 32797, 32793};  // Ohm's law, class A amplifier, filtering capacitor
    for (const auto& [paletteName, palette] : palettes) {
        QApplication::setPalette(palette);
        for (int command : commands) {
            std::unique_ptr<CCalcFormDlg> form = harness::OpenCommand(command);
            for (bool disabled : {false, true}) {
                form->setDisabled(disabled);  // every control greyed out at once
                const QImage shot = form->grab().toImage();
                const std::string where = std::string(paletteName) + (disabled ? " disabled " : " ") +
                                          form->objectName().toStdString() + ": ";
                Keep(QPixmap::fromImage(shot), form->objectName() + QLatin1Char('-') +
                                                   QLatin1String(paletteName) +
                                                   (disabled ? QStringLiteral("-disabled") : QString()));
                auto colour = [](const QWidget* widget, QPalette::ColorRole role) {
                    return widget->palette().color(role).rgb();
                };
                for (QLabel* label : form->findChildren<QLabel*>()) {
                    if (label->text().isEmpty())
                        continue;
                    EXPECT_GE(TextContrast(shot, label, colour(label, QPalette::Window)), kMinimum)
                        << where << label->text().toStdString();
                }
                for (QAbstractButton* button : form->findChildren<QAbstractButton*>()) {
                    QStyleOptionButton option;
                    option.initFrom(button);
                    const bool push = qobject_cast<QPushButton*>(button) != nullptr;
                    const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
                    const QRgb background = colour(button, push ? QPalette::Button : QPalette::Window);
                    const QRect text =
                        push ? button->rect().adjusted(4, 4, -4, -4)
                             : button->style()->subElementRect(
                                   radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents,
                                   &option, button);
                    EXPECT_GE(AreaContrast(shot, text.translated(button->pos()), background), kMinimum)
                        << where << button->text().toStdString();
                    if (push)
                        continue;
                    const QRect indicator = button->style()->subElementRect(
                        radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option,
                        button);
                    EXPECT_GE(AreaContrast(shot, indicator.translated(button->pos()), background), kMinimum)
                        << where << "indicator of " << button->text().toStdString();
                }
                for (QLineEdit* edit : form->findChildren<QLineEdit*>()) {
                    if (edit->text().isEmpty())
                        continue;
                    EXPECT_GE(AreaContrast(shot, edit->geometry().adjusted(3, 3, -3, -3),
                                           colour(edit, QPalette::Base)),
                              kMinimum)
                        << where << "field " << edit->accessibleName().toStdString();
                }
                for (QListWidget* list : form->findChildren<QListWidget*>()) {
                    if (list->count() == 0)
                        continue;
                    EXPECT_GE(AreaContrast(shot, list->geometry().adjusted(3, 3, -3, -3),
                                           colour(list, QPalette::Base)),
                              kMinimum)
                        << where << "list " << list->accessibleName().toStdString();
                }
            }
        }
    }
    QApplication::setPalette(previous);
}

// The rectangle of the first link of the help window's page, in the window.
QRect FirstLink(const platform::HelpWindow& help) {
    QTextBrowser* browser = help.Browser();
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            if (!fragment.fragment().charFormat().isAnchor())
                continue;
            QTextCursor cursor(browser->document());
            cursor.setPosition(fragment.fragment().position());
            const QRect start = browser->cursorRect(cursor);
            cursor.setPosition(fragment.fragment().position() + fragment.fragment().length());
            const QRect area = start.united(browser->cursorRect(cursor));
            return QRect(browser->viewport()->mapTo(&help, area.topLeft()), area.size());
        }
    }
    return {};
}

// The help window's links and the search field's placeholder at 4.5:1 or
// more, light and dark: in the program's dark palette (which keeps the light
// palette's blue links and half-transparent placeholder) and in a desktop
// dark theme with link and placeholder colours of its own. The palette
// changes while the window is open, as when the desktop switches themes.
TEST(DarkTheme, HelpLinksAndSearchPlaceholderStandOut) {
    constexpr double kMinimum = 4.5;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath("voltaris.HLP"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "<!--topic:contents-->\n<h1>Contents</h1><p><a href=\"topic:220\">Ohm's law</a></p>\n"
        "<!--topic:220-->\n<h1>Ohm's law</h1>\n");
    file.close();
    QPalette theme = tools::DarkPalette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        theme.setColor(group, QPalette::Link, QColor(0x1d, 0x4f, 0x91));
        theme.setColor(group, QPalette::LinkVisited, QColor(0x5b, 0x2d, 0x82));
        theme.setColor(group, QPalette::PlaceholderText, QColor(0x5c, 0x5c, 0x5c));
    }
    const QPalette previous = QApplication::palette();
    const struct {
        const char* name;
        QPalette palette;
    } palettes[] = {{"light", previous}, {"dark", tools::DarkPalette()}, {"theme", theme}};
    platform::HelpWindow help(file.fileName());
    ASSERT_TRUE(help.ShowContents());
    for (const auto& [name, palette] : palettes) {
        QApplication::setPalette(palette);
        QApplication::processEvents();
        const QImage shot = help.grab().toImage();
        Keep(QPixmap::fromImage(shot), QStringLiteral("HelpWindow-") + QLatin1String(name));
        const QRect link = FirstLink(help);
        ASSERT_FALSE(link.isEmpty()) << name;
        EXPECT_GE(AreaContrast(shot, link, help.Browser()->palette().color(QPalette::Base).rgb()), kMinimum)
            << name << " link";
        const QLineEdit* search = help.SearchField();
        ASSERT_TRUE(search->text().isEmpty());
        EXPECT_GE(AreaContrast(shot, search->geometry().adjusted(4, 4, -4, -4),
                               search->palette().color(QPalette::Base).rgb()),
                  kMinimum)
            << name << " placeholder";
    }
    QApplication::setPalette(previous);
}

}  // namespace
