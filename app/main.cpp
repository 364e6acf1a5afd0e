// Placeholder start-up until the application shell lands: opens Ohm's law.
#include <QApplication>

#include "app/FormTable.h"
#include "core/CalcFormDlg.h"
#include "platform/AppLook.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Voltaris"));
    platform::InitApplicationLook(app);
    auto form = FindFormCommand(32772)->create();
    form->DoModal(nullptr);
    return 0;
}
