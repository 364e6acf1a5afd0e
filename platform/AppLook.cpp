#include "platform/AppLook.h"

#include <QApplication>
#include <QStyleFactory>

#include "platform/DialogUnits.h"

namespace platform {

namespace {
QString& StoredProgramName() {
    static QString name;
    return name;
}
}  // namespace

void SetProgramName(const QString& name) {
    StoredProgramName() = name;
}

QString ProgramName() {
    return StoredProgramName().isEmpty() ? QCoreApplication::applicationName() : StoredProgramName();
}

void InitApplicationLook(QApplication& app) {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setFont(DialogFont(nullptr, 8));
}

}  // namespace platform
