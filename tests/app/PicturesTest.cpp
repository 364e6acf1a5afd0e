// Every picture renders through QtSvg without a word of complaint, and every
// window shows its own picture.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <set>

#include "app/AboutDlg.h"
#include "app/FormTable.h"
#include "forms/CalcFormDlg.h"
#include "platform/PictureWidget.h"

namespace {

// QtSvg drops what it cannot draw with no more than a warning in "qt.svg".
QStringList gSvgWarnings;
void CollectSvgWarnings(QtMsgType, const QMessageLogContext& context, const QString& message) {
    if (context.category && QByteArray(context.category).startsWith("qt.svg"))
        gSvgWarnings << message;
}

TEST(Pictures, EverySvgRendersWithoutWarnings) {
    int rendered = 0;
    QDirIterator it(":/pictures", {"*.svg"});
    while (it.hasNext()) {
        const QString path = it.next();
        SCOPED_TRACE(path.toStdString());
        gSvgWarnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(CollectSvgWarnings);
        QSvgRenderer renderer(path);
        QImage image(renderer.defaultSize(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        qInstallMessageHandler(previous);
        EXPECT_TRUE(renderer.isValid());
        EXPECT_TRUE(gSvgWarnings.isEmpty()) << gSvgWarnings.join('\n').toStdString();
        // Something was drawn on the light background.
        EXPECT_NE(image.pixel(image.width() / 2, image.height() / 2), 0u);
        ++rendered;
    }
    EXPECT_GE(rendered, 27);  // 24 schematics, the banner, the icon ...
}

// PictureWidget has no meta-object of its own, so findChildren cannot tell it apart.
std::vector<const platform::PictureWidget*> Pictures(const QWidget& dialog) {
    std::vector<const platform::PictureWidget*> pictures;
    for (const QWidget* child : dialog.findChildren<QWidget*>()) {
        if (auto* picture = dynamic_cast<const platform::PictureWidget*>(child))
            pictures.push_back(picture);
    }
    return pictures;
}

void ExpectOwnPicture(const platform::CDialog& dialog) {
    const auto pictures = Pictures(dialog);
    ASSERT_EQ(pictures.size(), 1u);
    int templatePicture = 0;
    for (const platform::ControlTemplate& control : dialog.Template().controls) {
        if (control.kind == platform::ControlKind::Picture)
            templatePicture = control.pictureId;
    }
    EXPECT_EQ(pictures[0]->PictureId(), templatePicture);
    EXPECT_TRUE(pictures[0]->HasPicture());
}

TEST(Pictures, EveryWindowShowsItsOwnPicture) {
    CAboutDlg about;
    about.Create(nullptr);
    ExpectOwnPicture(about);
    std::set<int> seen;
    for (const FormCommand& command : FormCommands()) {
        SCOPED_TRACE(command.className);
        std::unique_ptr<CCalcFormDlg> form = command.create();
        form->Create(nullptr);
        ExpectOwnPicture(*form);
        const int id = Pictures(*form).front()->PictureId();
        EXPECT_TRUE(seen.insert(id).second) << "picture " << id << " shown by two forms";
    }
}

// The schematic may reach under the buttons, which are drawn over it: no
// stroke of it may lie there, or a button hides part of the circuit. Checked
// for the font metrics of several dialog fonts (the picture keeps its aspect
// and is centred in its rectangle, so where it lands depends on them).
TEST(Pictures, NoButtonCoversAStrokeOfTheSchematic) {
    const struct {
        int bx, by;  // dialog base units in pixels
    } metrics[] = {{6, 12}, {6, 13}, {7, 12}, {7, 13}, {7, 14}, {8, 16}, {9, 16}};
    for (const FormCommand& command : FormCommands()) {
        const platform::DialogTemplate& dialog = command.create()->Template();
        for (const auto& metric : metrics) {
            const int bx = metric.bx, by = metric.by;
            auto pixels = [&](const platform::ControlTemplate& c) {
                const int x = (c.x * bx + 2) / 4, y = (c.y * by + 4) / 8;
                return QRect(x, y, ((c.x + c.cx) * bx + 2) / 4 - x, ((c.y + c.cy) * by + 4) / 8 - y);
            };
            for (const platform::ControlTemplate& picture : dialog.controls) {
                if (picture.kind != platform::ControlKind::Picture)
                    continue;
                const QRect area = pixels(picture);
                QSvgRenderer renderer(platform::PictureWidget::ResourcePath(picture.pictureId));
                const QSizeF size =
                    QSizeF(renderer.defaultSize()).scaled(QSizeF(area.size()), Qt::KeepAspectRatio);
                QImage drawn(area.size(), QImage::Format_RGB32);
                drawn.fill(Qt::white);
                QPainter painter(&drawn);
                renderer.render(&painter, QRectF(QPointF((area.width() - size.width()) / 2,
                                                         (area.height() - size.height()) / 2),
                                                 size));
                painter.end();
                for (const platform::ControlTemplate& button : dialog.controls) {
                    if (button.kind != platform::ControlKind::PushButton)
                        continue;
                    const QRect covered = pixels(button).intersected(area).translated(-area.topLeft());
                    int ink = 0;
                    for (int y = covered.top(); y <= covered.bottom(); ++y)
                        for (int x = covered.left(); x <= covered.right(); ++x)
                            ink += qGray(drawn.pixel(x, y)) < 160;
                    EXPECT_EQ(ink, 0)
                        << command.className << " at " << bx << "x" << by << ": " << button.text;
                }
            }
        }
    }
}

}  // namespace
