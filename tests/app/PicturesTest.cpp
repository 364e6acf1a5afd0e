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
        if (command.create == nullptr)
            continue;
        SCOPED_TRACE(command.className);
        std::unique_ptr<CCalcFormDlg> form = command.create();
        form->Create(nullptr);
        ExpectOwnPicture(*form);
        const int id = Pictures(*form).front()->PictureId();
        EXPECT_TRUE(seen.insert(id).second) << "picture " << id << " shown by two forms";
    }
}

}  // namespace
