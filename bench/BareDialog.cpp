// The baseline of the start-up benchmark: the least a Qt 6 Widgets program
// with a window like ours does. One dialog, a menu bar, five line edits.
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QVBoxLayout>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Bare"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* menuBar = new QMenuBar(&dialog);
    menuBar->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("&Quit"), &dialog, &QDialog::accept);
    layout->setMenuBar(menuBar);
    for (int i = 0; i < 5; ++i)
        layout->addWidget(new QLineEdit(&dialog));
    dialog.show();
    return app.exec();
}
