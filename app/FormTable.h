#pragma once
// Which form each menu command opens. The menu window, the tests and the
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
