#pragma once
// The dialog every calculator form shares: its layout, bound by control id to
// the engine's model of the form. It runs the keyboard rules and, on each
// recalculation, reads the controls, hands them to the engine and writes back
// what the engine returns.

#include <string>
#include <vector>

#include "engine/FormModel.h"
#include "engine/Recalculation.h"
#include "platform/Dialog.h"

class CCalcFormDlg : public platform::CDialog {
  public:
    CCalcFormDlg(const platform::DialogTemplate& dialog, const engine::FormModel& form);

    virtual void Recalculate();
    void OnHelpClicked();
    void OnCloseClicked();

    const engine::FormModel& Form() const { return form_; }
    const std::vector<std::string>& FieldTexts() const { return state_.texts; }
    const std::vector<int>& Modes() const { return state_.modes; }
    const std::vector<int>& Checks() const { return state_.checks; }
    // What the last recalculation returned.
    const engine::FormResult& LastResult() const { return result_; }

  protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::CDataExchange& dx) override;
    bool PreTranslateMessage(QKeyEvent* event, QWidget* target) override;
    bool OnCommand(platform::Notification notification, int id) override;

  private:
    bool IsRecalculatingId(int id) const;
    void FillList(int id, const std::vector<std::string>& lines);

    const engine::FormModel& form_;
    engine::FormState state_;
    engine::FormResult result_;
    std::string status_;
    std::vector<std::string> listSelections_;
};
