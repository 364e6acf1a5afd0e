#include "platform/AppLook.h"

#include <QApplication>
#include <QStyleFactory>

#include "platform/DialogUnits.h"

namespace platform {

void InitApplicationLook(QApplication& app) {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setFont(DialogFont(nullptr, 8));
}

}  // namespace platform
