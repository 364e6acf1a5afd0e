// Renders every window of the program, as it looks when it opens, to PNG
// files: voltaris_screenshots <output folder>.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>

#include "app/FormTable.h"
#include "core/CalcFormDlg.h"
#include "platform/AppLook.h"

namespace {

void Save(QWidget& window, const QDir& folder, const QString& name) {
    window.show();
    QApplication::processEvents();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::InitApplicationLook(app);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots"));
    QDir().mkpath(folder.path());
    for (const FormCommand& command : FormCommands()) {
        if (command.create == nullptr)
            continue;
        std::unique_ptr<CCalcFormDlg> form = command.create();
        form->Create(nullptr);
        Save(*form, folder, QString::fromLatin1(command.className));
        form->close();
    }
    return 0;
}
