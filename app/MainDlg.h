#pragma once
// The main window: a caption and the menu bar. Each form command opens a new
// form modally over it; "&Quit", Esc and the close box end the program.

#include <QIcon>

#include "platform/Dialog.h"

class QMenu;
class QMenuBar;

class CMainDlg : public platform::CDialog {
  public:
    CMainDlg();
    ~CMainDlg() override;

    QMenuBar* MenuBar() const { return menuBar_; }
    // Stands in for the window manager's menu, which Qt cannot reach: the
    // context menu of the window, also opened with Alt+Space, the Menu key
    // and Shift+F10.
    QMenu* SystemMenu() const { return systemMenu_; }

    void OnQuit();
    void OnHelpContents();
    void OnAbout();
    void OnSysCommand(int id);
    void OpenForm(int commandId);

    static constexpr int kAboutSysCommand = 16;

  protected:
    bool OnInitDialog() override;
    bool OnCommand(platform::Notification notification, int id) override;
    bool OnHelpInfo() override;
    const platform::CommandTable* GetCommandTable() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void BuildMenuBar();
    void BuildSystemMenu();

    QIcon icon_;
    QMenuBar* menuBar_ = nullptr;
    QMenu* systemMenu_ = nullptr;
};
