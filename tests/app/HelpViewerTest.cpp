// The help viewer: finding the file, topics, links, history, search, failure.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "forms/passive/OhmsLawDlg.h"
#include "platform/HelpWindow.h"
#include "platform/MessageBox.h"
#include "tests/support/FormHarness.h"

namespace {

using platform::HelpFilePathFor;

TEST(HelpFilePath, ExtensionOfTheFileNameIsReplaced) {
    EXPECT_EQ(HelpFilePathFor("/usr/bin/voltaris"), "/usr/bin/voltaris.HLP");
    EXPECT_EQ(HelpFilePathFor("C:/Tools/VOLTARIS.EXE"), "C:/Tools/VOLTARIS.HLP");
    EXPECT_EQ(HelpFilePathFor("/opt/volt.1/bin/voltaris"), "/opt/volt.1/bin/voltaris.HLP");
    EXPECT_EQ(HelpFilePathFor("/opt/a.b/voltaris.bin"), "/opt/a.b/voltaris.HLP");
}

const char* kHelpText =
    "<!--topic:contents-->\n<h1>Contents</h1><a href=\"topic:220\">Ohm</a>\n"
    "<!--topic:220-->\n<h1>Ohm's <i>law</i></h1><p>Current through a resistor.</p>\n"
    "<!--topic:170-->\n<h1>Copyright notice</h1><p>Free software, no warranty.</p>\n";

class HelpViewer : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath("voltaris.HLP");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kHelpText);
    }
    QTemporaryDir dir;
    QString path;
};

TEST_F(HelpViewer, ShowsTopicsFollowsLinksAndKeepsHistory) {
    platform::HelpWindow help(path);
    ASSERT_TRUE(help.ShowContents());
    EXPECT_TRUE(help.isVisible());
    emit help.Browser()->anchorClicked(QUrl("topic:220"));
    EXPECT_EQ(help.CurrentPage(), "220");
    EXPECT_TRUE(help.windowTitle().endsWith("Ohm's law"));
    EXPECT_TRUE(help.Browser()->toPlainText().contains("Current through a resistor."));
    ASSERT_TRUE(help.ShowTopic(170));
    help.Back();
    EXPECT_EQ(help.CurrentPage(), "220");
    help.Back();
    EXPECT_EQ(help.CurrentPage(), "contents");
    help.Forward();
    help.Forward();
    EXPECT_EQ(help.CurrentPage(), "170");
    ASSERT_TRUE(help.ShowTopic(999));  // unknown topic: a page that says so, not a failure
    EXPECT_TRUE(help.Browser()->toPlainText().contains("no topic 999"));
    help.Quit();
    EXPECT_FALSE(help.isVisible());
}

TEST_F(HelpViewer, SearchFindsTopicsHoldingEveryWord) {
    platform::HelpWindow help(path);
    help.SearchField()->setText("  warranty   FREE ");
    QTest::keyClick(help.SearchField(), Qt::Key_Return);
    EXPECT_EQ(help.CurrentPage(), "search:warranty   FREE");
    EXPECT_TRUE(help.Browser()->toPlainText().contains("Copyright notice"));
    EXPECT_FALSE(help.Browser()->toPlainText().contains("Ohm"));
    const auto file = platform::HelpFile::Load(path);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->Search("resistor"), QStringList{"220"});
    EXPECT_TRUE(file->Search("resistor warranty").isEmpty());
    EXPECT_EQ(file->Keys(), (QStringList{"contents", "220", "170"}));
}

// The keys of a browser, as real key events to the control that has the
// focus, from topic 220 with the contents behind it and topic 170 ahead.
TEST_F(HelpViewer, KeysCloseSearchAndMoveThroughTheHistory) {
    enum Focus { kBrowser, kSearch };
    const struct {
        const char* what;
        Focus focus;
        int key;
        Qt::KeyboardModifiers modifiers;
        bool open;           // the window still shown
        const char* page;    // the page it shows
        bool searchFocused;  // the search field has the focus (its text selected after Ctrl+F)
        const char* search;  // the search field's text ("ab" before the key)
    } cases[] = {
        {"Esc", kBrowser, Qt::Key_Escape, Qt::NoModifier, false, "220", false, "ab"},
        {"Esc in the search field", kSearch, Qt::Key_Escape, Qt::NoModifier, false, "220", false, "ab"},
        {"Ctrl+W", kBrowser, Qt::Key_W, Qt::ControlModifier, false, "220", false, "ab"},
        {"Ctrl+F", kBrowser, Qt::Key_F, Qt::ControlModifier, true, "220", true, "ab"},
        {"Alt+Left", kBrowser, Qt::Key_Left, Qt::AltModifier, true, "contents", false, "ab"},
        {"Alt+Left in the search field", kSearch, Qt::Key_Left, Qt::AltModifier, true, "contents", true,
         "ab"},
        {"Backspace", kBrowser, Qt::Key_Backspace, Qt::NoModifier, true, "contents", false, "ab"},
        {"Backspace in the search field deletes", kSearch, Qt::Key_Backspace, Qt::NoModifier, true, "220",
         true, "a"},
        {"Alt+Right", kBrowser, Qt::Key_Right, Qt::AltModifier, true, "170", false, "ab"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        platform::HelpWindow help(path);
        ASSERT_TRUE(help.ShowContents());
        ASSERT_TRUE(help.ShowTopic(220));
        ASSERT_TRUE(help.ShowTopic(170));
        help.Back();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
        help.SearchField()->setText("ab");
        QWidget* target = c.focus == kSearch ? static_cast<QWidget*>(help.SearchField()) : help.Browser();
        target->setFocus(Qt::OtherFocusReason);
        help.SearchField()->deselect();
        QTest::keyClick(target, static_cast<Qt::Key>(c.key), c.modifiers);
        EXPECT_EQ(help.isVisible(), c.open);
        EXPECT_EQ(help.CurrentPage().toStdString(), c.page);
        if (c.open) {
            EXPECT_EQ(help.SearchField()->hasFocus(), c.searchFocused);
            if (c.focus == kBrowser && c.searchFocused) {
                EXPECT_EQ(help.SearchField()->selectedText(), "ab");
            }
        }
        EXPECT_EQ(help.SearchField()->text().toStdString(), c.search);
    }
}

TEST(HelpFailure, MissingFileShowsTheMessageAndTheFormGoesOn) {
    platform::HelpWindow help("/nonexistent/voltaris.HLP");
    platform::SetHelpViewer(&help);
    QStringList messages;
    platform::SetMessageBoxHook([&](const QString& text) { messages << text; });
    COhmsLawDlg form;
    harness::Open(form);
    harness::Click(form, 1012);
    harness::Enter(form, 1001, "2k");
    platform::SetMessageBoxHook({});
    platform::SetHelpViewer(nullptr);
    EXPECT_EQ(messages, QStringList{platform::HelpStartFailedText()});
    EXPECT_FALSE(help.isVisible());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(harness::Text(form, 1002), "20.00  ");
}

}  // namespace
