#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/AppLook.h"

namespace platform {

namespace {
MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}
}  // namespace

void SetMessageBoxHook(MessageBoxHook hook) {
    Hook() = std::move(hook);
}

void MessageBox(QWidget* owner, const QString& text) {
    if (Hook()) {
        Hook()(text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, ProgramName(), text, QMessageBox::Ok, owner);
    box.exec();
}

}  // namespace platform
