#pragma once
// Drives a real form offscreen the way a user does: type, Tab, Enter, click.

#include <QKeyEvent>
#include <memory>
#include <string>

#include "forms/CalcFormDlg.h"

class QWidget;

namespace harness {

// Creates the form, runs its initialisation and shows it with the focus placed.
void Open(CCalcFormDlg& form);
// Opens the form of a main-menu command; null when the command has no form.
std::unique_ptr<CCalcFormDlg> OpenCommand(int commandId);

// The field's text as the form keeps it (Latin-1 bytes).
std::string Text(const CCalcFormDlg& form, int id);
// Replaces the text of an edit field as typing would; nothing recalculates.
void Type(CCalcFormDlg& form, int id, const std::string& latin1);
// Puts the focus in a control, then sends one key press to it.
void Key(CCalcFormDlg& form, int id, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Types a text into a field and presses Enter in it.
void Enter(CCalcFormDlg& form, int id, const std::string& latin1);
void Click(CCalcFormDlg& form, int id);
bool Enabled(const CCalcFormDlg& form, int id);
int FocusId(const CCalcFormDlg& form);

}  // namespace harness
