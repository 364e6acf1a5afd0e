#pragma once
// Which dialog each menu command opens: a view of the binding table (bind/)
// with the dialog classes beside its rows. The menu window, the tests and the
// screenshot tool all open forms through this one table.

#include <memory>
#include <span>
#include <vector>

class CCalcFormDlg;

struct FormCommand {
    int commandId;
    const char* className;
    std::unique_ptr<CCalcFormDlg> (*create)();
};

std::span<const FormCommand> FormCommands();
const FormCommand* FindFormCommand(int commandId);
