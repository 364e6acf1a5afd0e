// A help file that is empty, binary garbage, not UTF-8 or oddly marked: the
// help window either shows what it can or the form reports that help could
// not be started, and in every case the form goes on computing.
#include <gtest/gtest.h>

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "forms/passive/OhmsLawDlg.h"
#include "platform/HelpWindow.h"
#include "platform/MessageBox.h"
#include "tests/support/FormHarness.h"

namespace {

QByteArray Garbage(qsizetype size, quint32 seed) {
    QRandomGenerator random(seed);
    QByteArray bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random.generate() & 0xFF);
    return bytes;
}

struct Case {
    const char* what;
    QByteArray content;
    bool opens;  // whether the help window can show anything at all
};

const char kWithNul[] = "<!--topic:220-->\n<h1>Ohm\0's law</h1>";

TEST(HostileHelpFile, FormAsksForHelpAndGoesOn) {
    const QByteArray manyMarkers = QByteArray("<!--topic:220-->x").repeated(2000);
    const Case cases[] = {
        {"empty", QByteArray(), false},
        {"blanks only", QByteArray(4096, ' '), false},
        {"binary garbage", Garbage(1 << 16, 1), false},
        {"not UTF-8", QByteArray("<!--topic:220-->\n<h1>\xFF\xFE\xC0\xC1 law</h1>\x80\x81"), true},
        {"unclosed markup", QByteArray("<!--topic:220-->\n<h1><table><tr><td><b><i><a href=\"topic:"), true},
        {"NUL bytes inside", QByteArray(kWithNul, sizeof kWithNul - 1), true},
        {"the same topic many times", manyMarkers, true},
        {"only other topics", QByteArray("<!--topic:contents-->\n<h1>Contents</h1>"), true},
        {"garbage around a marker", Garbage(4096, 2) + "<!--topic:220-->" + Garbage(4096, 3), true},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString path = dir.filePath("voltaris.HLP");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.content);
        file.close();

        platform::HelpWindow help(path);
        platform::SetHelpViewer(&help);
        QStringList messages;
        platform::SetMessageBoxHook([&](const QString& text) { messages << text; });
        COhmsLawDlg form;
        harness::Open(form);
        harness::Click(form, 1012);  // Help
        harness::Click(form, 1012);
        harness::Enter(form, 1001, "2k");
        platform::SetMessageBoxHook({});
        platform::SetHelpViewer(nullptr);

        EXPECT_EQ(help.isVisible(), c.opens) << c.what;
        EXPECT_EQ(messages.size(), c.opens ? 0 : 2) << c.what;
        if (c.opens) {
            help.Browser()->toPlainText();  // the page is laid out without trouble
            EXPECT_TRUE(help.ShowContents()) << c.what;
        }
        EXPECT_TRUE(form.isVisible()) << c.what;
        EXPECT_EQ(harness::Text(form, 1002), "20.00  ") << c.what;
    }
}

}  // namespace
