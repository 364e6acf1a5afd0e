#pragma once
// A dialog built from a template, on QDialog: controls by id, commands routed
// through static tables, a key filter that sees key-downs before the dialog's
// own keyboard handling, data exchange and modal runs with an owner.

#include <QDialog>
#include <map>
#include <string>
#include <vector>

#include "platform/CommandTable.h"
#include "platform/DataExchange.h"
#include "platform/DialogTemplate.h"
#include "platform/DialogUnits.h"

class QKeyEvent;

namespace platform {

class CDialog : public QDialog {
  public:
    explicit CDialog(const DialogTemplate& dialogTemplate);
    ~CDialog() override;

    // Builds the controls (once), then runs OnInitDialog. For a modal run use
    // DoModal; tests and tools call Create and show() the dialog themselves.
    bool Create(QWidget* owner);
    // Runs the dialog window-modally over `owner` (which it blocks meanwhile);
    // returns the code passed to EndDialog.
    int DoModal(QWidget* owner = nullptr);
    void EndDialog(int result);

    QWidget* GetDlgItem(int id) const;
    template <class T>
    T* Item(int id) const {
        return static_cast<T*>(GetDlgItem(id));
    }
    void EnableItem(int id, bool enable);
    // Id of the push button that Enter would press now, 0 when there is none.
    int GetDefID() const;
    int ControlId(const QWidget* control) const;
    // "Edit", "Button", "Static", "ListBox" ... as the classic window classes.
    static const char* WindowClassName(const QWidget* control);

    bool UpdateData(bool save = true);
    const DialogTemplate& Template() const { return template_; }
    const DialogUnits& Units() const { return units_; }

    // Control ids of a radio group: from the group start at firstId to the
    // next group start, radio buttons only, in template order.
    std::vector<int> RadioGroupIds(int firstId) const;

  protected:
    virtual bool OnInitDialog();
    virtual void DoDataExchange(CDataExchange& dx);
    // Sees every key-down addressed to the dialog's controls first; returns
    // true to consume it.
    virtual bool PreTranslateMessage(QKeyEvent* event, QWidget* target);
    // Routes a command through the class's table chain; ids 1 and 2 fall back
    // to OnOK and OnCancel.
    virtual bool OnCommand(Notification notification, int id);
    virtual const CommandTable* GetCommandTable() const { return nullptr; }
    virtual void OnOK();
    virtual void OnCancel();
    // F1 anywhere in the dialog: presses the dialog's Help button, if it has
    // one; returns whether the key asked for help.
    virtual bool OnHelpInfo();

    void reject() override;
    void accept() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    QWidget* CreateControl(const ControlTemplate& control);
    void NameControlsForAssistiveTools();
    void NameGroupsAndLists();

    const DialogTemplate& template_;
    QFont font_;
    DialogUnits units_;
    bool built_ = false;
    bool ended_ = false;
    std::map<int, QWidget*> controls_;
    std::vector<QWidget*> widgets_;  // one per template control, in template order
};

}  // namespace platform
