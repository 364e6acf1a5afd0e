// Forms with their panels on a laptop's screen (1366x768 logical pixels,
// here at a scale of 2): in every panel state the window lies inside the
// screen, the form keeps its template, no panel control is cut off or lies
// over another, and the chart keeps its own font under any desktop font.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTableWidget>

#include "app/FormTable.h"
#include "engine/Forms.h"
#include "forms/FormPanels.h"
#include "forms/panels/PlotPanel.h"
#include "tests/support/FormHarness.h"
#include "tools/DarkPalette.h"

namespace {

struct PanelState {
    const char* name;
    bool parts;
    bool plot;
};
constexpr PanelState kStates[] = {{"Parts", true, false}, {"Plot", false, true}, {"both", true, true}};

// The controls a user reaches in the panels, outside the tables' cells.
std::vector<QWidget*> PanelControls(QWidget* side) {
    std::vector<QWidget*> controls;
    for (QWidget* widget : side->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QComboBox*>(widget) ||
                             qobject_cast<QTableWidget*>(widget) || qobject_cast<QGraphicsView*>(widget) ||
                             qobject_cast<QTabBar*>(widget);
        if (!control || !widget->isVisible() || qobject_cast<QTableWidget*>(widget->parentWidget()) ||
            (widget->parentWidget() && qobject_cast<QTableWidget*>(widget->parentWidget()->parentWidget())))
            continue;
        controls.push_back(widget);
    }
    return controls;
}

QRect InWindow(const QWidget* widget) {
    return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
}

// The text of every item of the chart's scene: titles, ticks, labels.
QStringList SceneTexts(const QGraphicsView* view) {
    QStringList texts;
    for (QGraphicsItem* item : view->scene()->items()) {
        if (!item->isVisible())
            continue;
        if (auto* text = dynamic_cast<QGraphicsTextItem*>(item))
            texts << text->toPlainText();
        else if (auto* simple = dynamic_cast<QGraphicsSimpleTextItem*>(item))
            texts << simple->text();
    }
    return texts;
}

TEST(PanelsOnScreen, EveryFormInEveryPanelStateLiesInsideTheScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_EQ(screen.size(), QSize(1366, 768)) << "run on the laptop screen of tests/display";
    int checked = 0;
    for (const FormCommand& command : FormCommands()) {
        for (const PanelState& state : kStates) {
            std::unique_ptr<CCalcFormDlg> form = harness::OpenCommand(command.commandId);
            CFormPanels* panels = form->Panels();
            const bool hasParts = panels->MenuActions()[0]->isEnabled(),
                       hasPlot = panels->MenuActions()[1]->isEnabled();
            if ((state.parts && !hasParts) || (state.plot && !hasPlot))
                continue;
            const std::string where = std::string(command.className) + " with " + state.name;
            const QSize size = form->size();
            std::vector<std::pair<QWidget*, QRect>> template_;
            for (QWidget* child : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (child != panels->Side())
                    template_.emplace_back(child, child->geometry());
            // Opened near the bottom right corner, the window has to move.
            form->move(screen.right() - size.width() / 2, screen.bottom() - size.height() / 2);
            panels->SetPartsOpen(state.parts);
            panels->SetPlotOpen(state.plot);
            QApplication::processEvents();
            ++checked;

            EXPECT_TRUE(screen.contains(form->frameGeometry())) << where;
            for (const auto& [child, geometry] : template_)
                EXPECT_EQ(child->geometry(), geometry) << where << ": " << child->objectName().toStdString();
            QWidget* side = panels->Side();
            EXPECT_FALSE(side->geometry().intersects(QRect(QPoint(0, 0), size))) << where;
            const auto* scroll = side->findChild<QScrollArea*>();
            const QSize wanted = scroll->widget()->sizeHint();
            const bool scrolls = scroll->verticalScrollBar()->isVisible() ||
                                 scroll->horizontalScrollBar()->isVisible() ||
                                 side->width() < wanted.width() || side->height() < wanted.height();
            EXPECT_FALSE(scrolls) << where << ": the panels fit on this screen without scrolling";
            const std::vector<QWidget*> controls = PanelControls(side);
            for (size_t i = 0; i < controls.size(); ++i) {
                const QRect at = InWindow(controls[i]);
                EXPECT_TRUE(QRect(QPoint(0, 0), form->size()).contains(at))
                    << where << ": " << controls[i]->metaObject()->className() << " cut off";
                for (size_t j = i + 1; j < controls.size(); ++j) {
                    EXPECT_FALSE(at.intersects(InWindow(controls[j])))
                        << where << ": " << controls[i]->metaObject()->className() << " over "
                        << controls[j]->metaObject()->className();
                }
            }
            for (const QLabel* label : side->findChildren<QLabel*>()) {
                if (!label->isVisible() || label->text().isEmpty())
                    continue;
                if (label->wordWrap()) {
                    EXPECT_GE(label->height(), label->heightForWidth(label->width()))
                        << where << ": " << label->text().toStdString();
                } else {
                    EXPECT_GE(label->width(), label->sizeHint().width())
                        << where << ": " << label->text().toStdString();
                }
            }
            // Closed again, the form is its template.
            panels->SetPartsOpen(false);
            panels->SetPlotOpen(false);
            EXPECT_EQ(form->size(), size) << where;
        }
    }
    EXPECT_GE(checked, 30);
}

// A desktop font of 10 or 12 points (Qt Charts would take it) and a dark
// desktop palette: the chart keeps the program's sizes, cuts no text short
// whatever the desktop's.
TEST(PanelsOnScreen, ChartKeepsItsFontUnderDesktopFontsAndPalettes) {
    const QFont programFont = QApplication::font();
    const QPalette previous = QApplication::palette();
    for (const int points : {10, 12}) {
        for (const bool dark : {false, true}) {
            QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), points));
            QApplication::setPalette(dark ? tools::DarkPalette() : previous);
            for (const engine::FormModel* model : engine::AllForms()) {
                forms::PlotPanel panel;
                panel.Update(*model, engine::OpenedState(*model));
                if (!panel.HasCurve())
                    continue;
                panel.show();
                QApplication::processEvents();
                const std::string where = std::string(model->alias) + " at " + std::to_string(points) +
                                          " pt" + (dark ? ", dark" : "");
                const auto* view = panel.findChild<QGraphicsView*>();
                ASSERT_NE(view, nullptr);
                for (const QString& text : SceneTexts(view))
                    EXPECT_FALSE(text.contains(QStringLiteral("...")) || text.contains(QChar(0x2026)))
                        << where << ": " << text.toStdString();
                for (QGraphicsItem* item : view->scene()->items()) {
                    auto* text = dynamic_cast<QGraphicsTextItem*>(item);
                    if (text != nullptr && text->isVisible()) {
                        EXPECT_LE(text->font().pointSizeF(), 9.0)
                            << where << ": " << text->toPlainText().toStdString();
                    }
                }
            }
        }
    }
    QApplication::setFont(programFont);
    QApplication::setPalette(previous);
}

}  // namespace
