#pragma once
// The behaviour every calculator form shares. A form declares its template,
// fields, radio groups, which fields each mode takes as inputs, its help
// topic and a pure compute function; this class runs the recalculation
// cycle and the keyboard rules.

#include <span>
#include <string>
#include <vector>

#include "platform/Dialog.h"

struct FormField {
    int controlId;
    const char* defaultText;
    bool keepsSign = false;  // most quantities are taken as magnitudes
};

struct FormRadioGroup {
    int firstId;  // the radio button that starts the group
    int defaultIndex = 0;
};

// values: one per field, in the form's field order; modes: one index per
// radio group, -1 when no button is checked. Computes the unknowns in place.
using ComputeFunction = void (*)(std::span<double> values, std::span<const int> modes);

struct FormDescription {
    const platform::DialogTemplate& dialog;
    int closeId;
    int helpId;
    int helpTopic;
    std::vector<FormField> fields;
    std::vector<FormRadioGroup> radioGroups;
    // Per mode of the first radio group: the indices of the fields the user
    // types; every other field is disabled.
    std::vector<std::vector<int>> inputsByMode;
    ComputeFunction compute;
    // Controls other than the radio buttons whose click recalculates.
    std::vector<int> recalculatingIds = {};
};

class CCalcFormDlg : public platform::CDialog {
  public:
    explicit CCalcFormDlg(const FormDescription& form);

    virtual void Recalculate();
    void OnHelpClicked();
    void OnCloseClicked();

    const FormDescription& Form() const { return form_; }
    const std::vector<std::string>& FieldTexts() const { return texts_; }
    const std::vector<int>& Modes() const { return modes_; }

  protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::CDataExchange& dx) override;
    bool PreTranslateMessage(QKeyEvent* event, QWidget* target) override;
    bool OnCommand(platform::Notification notification, int id) override;

    // Parses every field (magnitudes unless the field keeps its sign).
    std::vector<double> ParseFields() const;
    virtual void EnableByMode();
    void FormatFields(std::span<const double> values);

    std::vector<std::string> texts_;
    std::vector<int> modes_;

  private:
    bool IsRecalculatingId(int id) const;

    const FormDescription& form_;
};
