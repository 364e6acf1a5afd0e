#pragma once
// Data exchange between a dialog's members and its controls, in both
// directions. Field texts are 8-bit Latin-1 strings; the conversion to and
// from the widgets' Unicode happens here and nowhere else.

#include <string>

class QString;

namespace platform {

class CDialog;

class CDataExchange {
  public:
    CDataExchange(CDialog& dialog, bool save) : dialog_(dialog), save_(save) {}
    CDialog& Dialog() const { return dialog_; }
    bool Saving() const { return save_; }

  private:
    CDialog& dialog_;
    bool save_;
};

// Edit text. Load writes only a text that differs, so caret, selection and
// undo stay as they are.
void DDX_Text(CDataExchange& dx, int id, std::string& value);
// Index of the checked radio button in the group that starts at firstId
// (up to the next group start), -1 when none is checked.
void DDX_Radio(CDataExchange& dx, int firstId, int& index);
// Check state 0, 1 or 2; load resets anything else to 0 first.
void DDX_Check(CDataExchange& dx, int id, int& state);
// Selected list line; load selects the first line that starts with the text
// (case-insensitive).
void DDX_LBString(CDataExchange& dx, int id, std::string& value);

// Widget text <-> field text. The Greek small mu is taken as the micro sign.
std::string ToFieldText(const QString& text);
QString FromFieldText(const std::string& text);

}  // namespace platform
