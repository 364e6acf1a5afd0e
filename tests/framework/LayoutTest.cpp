// What the layouts look like once laid out with the real font: a label's text
// leaves a gap before the field it names, and no frame runs into a schematic.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <string_view>

#include "app/FormTable.h"
#include "platform/PictureWidget.h"
#include "tests/support/FormHarness.h"

namespace {

TEST(Layout, LabelsLeaveAGapBeforeTheirFieldsAndFramesKeepOffTheSchematic) {
    constexpr int kMinGap = 2;  // pixels between the end of a label's text and its field
    for (const FormCommand& command : FormCommands()) {
        std::unique_ptr<CCalcFormDlg> form = harness::OpenCommand(command.commandId);
        for (QLabel* label : form->findChildren<QLabel*>()) {
            auto* field = qobject_cast<QLineEdit*>(label->buddy());
            if (field == nullptr || field->x() < label->x())
                continue;
            const QString text = label->text().trimmed();
            const int textEnd = label->x() + label->fontMetrics().horizontalAdvance(text);
            EXPECT_GE(field->x() - textEnd, kMinGap) << command.className << ": " << text.toStdString();
        }
        QRect picture;
        for (QWidget* widget : form->findChildren<QWidget*>())
            if (dynamic_cast<platform::PictureWidget*>(widget))
                picture = widget->geometry();
        // The two capacitors form repeats the two resistors' overlap of its
        // "Mode" frame and its schematic; it is corrected on its own.
        if (command.className == std::string_view("CTwoCapacitorsDlg"))
            continue;
        for (QGroupBox* box : form->findChildren<QGroupBox*>())
            EXPECT_FALSE(box->geometry().intersects(picture))
                << command.className << ": \"" << box->title().toStdString() << "\"";
    }
}

}  // namespace
