#pragma once
// The About box. Its "Copyright notice" button has the cancel id 2, so Esc
// opens the notice's help topic and leaves the box open.

#include "platform/Dialog.h"

class CAboutDlg : public platform::CDialog {
  public:
    CAboutDlg();
    void OnCopyrightNotice();

    static constexpr int kCopyrightTopic = 170;

  protected:
    bool OnInitDialog() override;
    const platform::CommandTable* GetCommandTable() const override;

  private:
    void CenterOnScreen();
};
