#pragma once
// The dialog every calculator form shares: its layout, bound to the engine's
// model of the form through the form's row of the binding table (bind/). It runs the keyboard rules and, on
// each recalculation, reads the controls, hands them to the engine and writes back what the engine returns.

#include <memory>
#include <string>
#include <vector>

#include "bind/FormBindings.h"
#include "engine/FormModel.h"
#include "engine/Recalculation.h"
#include "platform/Dialog.h"

class CFormPanels;

class CCalcFormDlg : public platform::CDialog {
  public:
    // The form of that class name in the binding table.
    explicit CCalcFormDlg(const char* className);
    explicit CCalcFormDlg(const bind::FormBinding& binding);
    ~CCalcFormDlg() override;

    void Recalculate();
    void OnHelpClicked();
    void OnCloseClicked();

    const engine::FormModel& Form() const { return form_; }
    // Which control shows which element of the form.
    const bind::FormBinding& Binding() const { return binding_; }
    const std::vector<std::string>& FieldTexts() const { return state_.texts; }
    const std::vector<int>& Modes() const { return state_.modes; }
    const std::vector<int>& Checks() const { return state_.checks; }
    // What the last recalculation returned.
    const engine::FormResult& LastResult() const { return result_; }
    // The panels beside the form and its context menu; null before the form is created.
    CFormPanels* Panels() const { return panels_.get(); }
    // Puts a whole state into the controls and recalculates, as the Parts
    // panel's "Use standard values" does.
    void ApplyState(const engine::FormState& state);

  protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::CDataExchange& dx) override;
    bool PreTranslateMessage(QKeyEvent* event, QWidget* target) override;
    bool OnCommand(platform::Notification notification, int id) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    bool IsRecalculatingId(int id) const;
    void FillList(int id, const std::vector<std::string>& lines);

    const bind::FormBinding& binding_;
    const engine::FormModel& form_;
    engine::FormState state_;
    engine::FormResult result_;
    std::string status_;
    std::vector<std::string> listSelections_;
    std::unique_ptr<CFormPanels> panels_;
};
