#include "tests/support/FormHarness.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "app/FormTable.h"
#include "platform/DataExchange.h"

namespace harness {

void Open(CCalcFormDlg& form) {
    form.Create(nullptr);
    form.show();
    QApplication::processEvents();
}

std::unique_ptr<CCalcFormDlg> OpenCommand(int commandId) {
    const FormCommand* command = FindFormCommand(commandId);
    if (command == nullptr)
        return nullptr;
    std::unique_ptr<CCalcFormDlg> form = command->create();
    Open(*form);
    return form;
}

std::string Text(const CCalcFormDlg& form, int id) {
    return platform::ToFieldText(form.Item<QLineEdit>(id)->text());
}

void Type(CCalcFormDlg& form, int id, const std::string& latin1) {
    auto* edit = form.Item<QLineEdit>(id);
    edit->setFocus();
    edit->selectAll();
    edit->insert(platform::FromFieldText(latin1));
}

void Key(CCalcFormDlg& form, int id, int key, Qt::KeyboardModifiers modifiers) {
    QWidget* widget = form.GetDlgItem(id);
    widget->setFocus();
    QTest::keyClick(widget, static_cast<Qt::Key>(key), modifiers);
}

void Enter(CCalcFormDlg& form, int id, const std::string& latin1) {
    Type(form, id, latin1);
    Key(form, id, Qt::Key_Return);
}

void Click(CCalcFormDlg& form, int id) {
    QTest::mouseClick(form.GetDlgItem(id), Qt::LeftButton);
}

bool Enabled(const CCalcFormDlg& form, int id) {
    return form.GetDlgItem(id)->isEnabled();
}

int FocusId(const CCalcFormDlg& form) {
    return form.ControlId(form.focusWidget());
}

}  // namespace harness
