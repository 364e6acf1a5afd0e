#pragma once
// What a form offers beside its own controls: the Parts and Plot panels to
// its right (or, where the screen has no room for that, in tabs or below
// it, scrolling if need be: see PanelPlacement.h), and a context menu that
// also copies its values and its SPICE netlist. Closed, the panels take
// nothing from the form: its size, its controls and its Tab chain are the
// template's.

#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

#include "engine/FormModel.h"
#include "engine/Recalculation.h"

class QAction;
class QKeyEvent;
class QLineEdit;
class QMenu;
class QScrollArea;
class QTabWidget;
namespace forms {
class DesignSection;
class PartsPanel;
class PlotPanel;
}  // namespace forms

class CFormPanels {
  public:
    // `apply` puts a whole state into the form and recalculates it.
    CFormPanels(QWidget* dialog, const engine::FormModel& form,
                std::function<void(const engine::FormState&)> apply);
    ~CFormPanels();

    // After every recalculation of the form.
    void Follow(const engine::FormState& state);

    // The context menu at a point of the dialog (in its coordinates). Opened
    // for an edit field, it starts with the field's Cut, Copy and Paste.
    void ShowMenu(const QPoint& at, QLineEdit* field = nullptr);
    // The one menu of the form, built once: assistive tools keep reading
    // the same menu at every opening.
    QMenu* Menu() const { return menu_; }
    // The form's keys also where an edit field takes them for itself (on X11
    // Ctrl+E moves to the end of the line): true when one was triggered.
    bool TriggerKey(const QKeyEvent* event);
    // F6 / Shift+F6: from the form to the first control of each open panel
    // in turn, and back to the control the form had.
    bool MoveFocusBetweenFormAndPanels(bool backwards = false);

    bool PartsOpen() const;
    bool PlotOpen() const;
    void SetPartsOpen(bool open);
    void SetPlotOpen(bool open);
    const std::vector<QAction*>& MenuActions() const { return actions_; }
    forms::DesignSection* Design() const { return design_; }
    QWidget* Side() const { return side_; }
    // Whether the panels share one area with a tab each, and whether they stand below the form.
    bool InTabs() const;
    bool Below() const { return below_; }

  private:
    void MakeHost();
    std::vector<QWidget*> OpenPanels() const;
    std::vector<QSize> PanelHints() const;
    void Arrange(bool tabs);
    void Relayout();
    void CopyValues() const;
    void CopyNetlist() const;
    void SaveNetlist() const;
    void Refresh();
    void RefreshPlot();

    QWidget* dialog_;
    const engine::FormModel& form_;
    std::function<void(const engine::FormState&)> apply_;
    engine::FormState state_;
    QSize formSize_;
    QWidget* side_ = nullptr;
    QScrollArea* scroll_ = nullptr;  // scrolls where the screen has no room for the panels whole
    QWidget* row_ = nullptr;         // the panels side by side
    QTabWidget* tabs_ = nullptr;     // or with a tab each
    bool below_ = false;
    bool relayoutQueued_ = false;
    std::vector<QSize> laidOutHints_;         // the panels' wishes at the last layout
    forms::PartsPanel* parts_ = nullptr;      // made when first opened
    forms::DesignSection* design_ = nullptr;  // in the Parts panel
    forms::PlotPanel* plot_ = nullptr;
    QAction* partsAction_ = nullptr;
    QAction* plotAction_ = nullptr;
    std::vector<QAction*> actions_;
    QAction* paneAction_ = nullptr;      // F6
    QAction* backPaneAction_ = nullptr;  // Shift+F6
    QWidget* lastFormFocus_ = nullptr;
    QMenu* menu_ = nullptr;
    std::vector<QAction*> fieldActions_;  // Cut, Copy, Paste and a separator
    QPointer<QLineEdit> menuField_;       // the field they act on while the menu is open
};
