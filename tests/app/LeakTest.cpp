// Opening and closing forms and the help window again and again must not make
// the process grow. Under LeakSanitizer (preset "asan") a lost allocation
// fails the run at exit; in an ordinary build the resident size is compared
// after a warm-up and at the end. LEAK_CYCLES sets the openings per form
// (default 100; tools/leakcheck.sh runs 1000).
#include <gtest/gtest.h>

#include <unistd.h>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "app/FormTable.h"
#include "app/MainDlg.h"
#include "forms/CalcFormDlg.h"
#include "platform/HelpWindow.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

int Cycles() {
    const char* text = std::getenv("LEAK_CYCLES");
    const int cycles = text ? std::atoi(text) : 0;
    return cycles > 0 ? cycles : 100;
}

long ResidentKiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// The memory of a few openings may stay (fonts, style, picture caches); what
// comes after the warm-up must not add up with the number of openings.
void ExpectFlat(const char* what, long warmKiB, long endKiB, int cycles) {
    std::printf("%s: %d cycles, resident %ld KiB after warm-up, %ld KiB at the end\n", what, cycles, warmKiB,
                endKiB);
    if (kSanitized)
        return;  // freed memory sits in the sanitizer's quarantine: only LeakSanitizer judges
    EXPECT_LT(endKiB - warmKiB, 2048) << what;
}

TEST(Leak, EveryFormOpenedAndClosedFromTheMenu) {
    const int cycles = Cycles();
    CMainDlg mainWindow;
    int opened = 0;
    auto openAll = [&](int rounds) {
        for (int round = 0; round < rounds; ++round) {
            for (const FormCommand& command : FormCommands()) {
                QTimer::singleShot(0, qApp, [&] {
                    auto* form = dynamic_cast<CCalcFormDlg*>(QApplication::activeModalWidget());
                    ASSERT_NE(form, nullptr) << command.className;
                    QTest::keyClick(form, Qt::Key_Escape);
                    ++opened;
                });
                mainWindow.OpenForm(command.commandId);
            }
        }
    };
    const int warmUp = cycles / 10 + 1;
    openAll(warmUp);
    const long warm = ResidentKiB();
    openAll(cycles - warmUp);
    QApplication::processEvents();
    ExpectFlat("forms", warm, ResidentKiB(), cycles);
    EXPECT_GT(opened, 0);
}

TEST(Leak, HelpWindowShownAndClosed) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("voltaris.HLP");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "<!--topic:contents-->\n<h1>Contents</h1><a href=\"topic:220\">Ohm</a>\n"
        "<!--topic:220-->\n<h1>Ohm's law</h1><p>Current through a resistor.</p>\n");
    file.close();

    const int cycles = Cycles() * 10;
    platform::HelpWindow help(path);
    auto showAndClose = [&](int rounds) {
        for (int i = 0; i < rounds; ++i) {
            ASSERT_TRUE(help.ShowTopic(220));
            ASSERT_TRUE(help.ShowContents());
            help.Quit();
            QApplication::processEvents();
        }
    };
    const int warmUp = cycles / 10 + 1;
    showAndClose(warmUp);
    const long warm = ResidentKiB();
    showAndClose(cycles - warmUp);
    ExpectFlat("help window", warm, ResidentKiB(), cycles);
    EXPECT_FALSE(help.isVisible());
}

}  // namespace
