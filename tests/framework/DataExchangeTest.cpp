// Data exchange of each kind, on a small dialog of its own.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "platform/Dialog.h"

namespace {

using namespace platform;

const DialogTemplate& TestTemplate() {
    static const DialogTemplate dialog{900,
                                       "Exchange",
                                       200,
                                       150,
                                       {
                                           DefPushButton(1, "OK", 140, 130, 50, 14),
                                           Radio(10, "a", 5, 5, 40, 10, kGroupStart | kTabStop),
                                           Radio(11, "b", 5, 15, 40, 10),
                                           Label("not a radio", 5, 25, 40, 8),
                                           Radio(12, "c", 5, 35, 40, 10),
                                           Radio(20, "x", 60, 5, 40, 10, kGroupStart | kTabStop),
                                           Radio(21, "y", 60, 15, 40, 10),
                                           Edit(30, 5, 60, 80, 14, kGroupStart | kTabStop),
                                           CheckBox(40, "check", 5, 80, 60, 10),
                                           ListBox(50, 100, 40, 90, 60),
                                       }};
    return dialog;
}

class ExchangeDlg : public CDialog {
  public:
    ExchangeDlg() : CDialog(TestTemplate()) { Create(nullptr); }
    std::string text;
    int first = -1, second = -1, check = 0;
    std::string line;

  protected:
    void DoDataExchange(CDataExchange& dx) override {
        DDX_Text(dx, 30, text);
        DDX_Radio(dx, 10, first);
        DDX_Radio(dx, 20, second);
        DDX_Check(dx, 40, check);
        DDX_LBString(dx, 50, line);
    }
};

TEST(DataExchange, RadioGroupsRunFromGroupStartToTheNext) {
    ExchangeDlg dlg;
    EXPECT_EQ(dlg.RadioGroupIds(10), (std::vector<int>{10, 11, 12}));
    dlg.first = 2;
    dlg.second = 1;
    dlg.UpdateData(false);
    EXPECT_TRUE(dlg.Item<QRadioButton>(12)->isChecked());
    EXPECT_TRUE(dlg.Item<QRadioButton>(21)->isChecked());
    dlg.first = dlg.second = 7;
    dlg.UpdateData(true);
    EXPECT_EQ(dlg.first, 2);
    EXPECT_EQ(dlg.second, 1);
    dlg.first = -1;  // unchecks the whole group
    dlg.UpdateData(false);
    dlg.UpdateData(true);
    EXPECT_EQ(dlg.first, -1);
    EXPECT_EQ(dlg.second, 1);
}

TEST(DataExchange, EditTextIsLatin1AndOnlyWrittenWhenItDiffers) {
    ExchangeDlg dlg;
    auto* edit = dlg.Item<QLineEdit>(30);
    dlg.text = "4.70 \xB5";
    dlg.UpdateData(false);
    EXPECT_EQ(edit->text(), QString::fromUtf8("4.70 µ"));
    edit->setSelection(0, 2);
    dlg.UpdateData(false);
    EXPECT_EQ(edit->selectedText(), "4.");
    edit->setText(QString::fromUtf8("3\u03BC \u20AC"));  // Greek mu and a euro sign
    dlg.UpdateData(true);
    EXPECT_EQ(dlg.text, "3\xB5 ?");
}

TEST(DataExchange, CheckStatesAndOutOfRangeReset) {
    ExchangeDlg dlg;
    auto* box = dlg.Item<QCheckBox>(40);
    for (int state : {1, 2, 0}) {
        dlg.check = state;
        dlg.UpdateData(false);
        dlg.check = -5;
        dlg.UpdateData(true);
        EXPECT_EQ(dlg.check, state);
    }
    dlg.check = 7;
    box->setCheckState(Qt::Checked);
    dlg.UpdateData(false);
    EXPECT_EQ(dlg.check, 0);
    EXPECT_EQ(box->checkState(), Qt::Unchecked);
}

TEST(DataExchange, ListBoxSelectsTheFirstLineStartingWithTheText) {
    ExchangeDlg dlg;
    auto* list = dlg.Item<QListWidget>(50);
    dlg.UpdateData(true);
    EXPECT_EQ(dlg.line, "");
    list->addItems({"Rc = 1 K", "Re = 100", "RE2 = 5"});
    dlg.line = "re";
    dlg.UpdateData(false);
    dlg.line.clear();
    dlg.UpdateData(true);
    EXPECT_EQ(dlg.line, "Re = 100");
}

TEST(Dialog, ControlsByIdAndClassNames) {
    ExchangeDlg dlg;
    EXPECT_EQ(dlg.GetDlgItem(30)->objectName(), "30");
    EXPECT_EQ(dlg.GetDlgItem(999), nullptr);
    EXPECT_STREQ(CDialog::WindowClassName(dlg.GetDlgItem(30)), "Edit");
    EXPECT_STREQ(CDialog::WindowClassName(dlg.GetDlgItem(1)), "Button");
    EXPECT_STREQ(CDialog::WindowClassName(dlg.GetDlgItem(50)), "ListBox");
    EXPECT_EQ(dlg.GetDefID(), 1);
    // 200 x 150 dialog units with the 6 x 12 base units of the dialog font.
    EXPECT_EQ(dlg.Units().BaseX(), 6);
    EXPECT_EQ(dlg.Units().BaseY(), 12);
    EXPECT_EQ(dlg.size(), QSize(300, 225));
}

class EscapeBoundDlg : public CDialog {
  public:
    EscapeBoundDlg() : CDialog(TestTemplate()) {}
    int escapes = 0;
    void OnEscape() { ++escapes; }

  protected:
    const CommandTable* GetCommandTable() const override {
        static const CommandEntry entries[] = {
            {Notification::Clicked, IDCANCEL, &Handler<&EscapeBoundDlg::OnEscape>}};
        static const CommandTable table{nullptr, entries};
        return &table;
    }
};

TEST(Dialog, ABoundCancelCommandKeepsTheWindowOpen) {
    EscapeBoundDlg dlg;
    dlg.Create(nullptr);
    dlg.show();
    dlg.close();  // the close box
    EXPECT_EQ(dlg.escapes, 1);
    EXPECT_TRUE(dlg.isVisible());
}

}  // namespace
