#include "core/CalcFormDlg.h"

#include <strings.h>
#include <QKeyEvent>
#include <algorithm>
#include <cmath>

#include "core/EngValue.h"
#include "platform/HelpService.h"

using platform::CDataExchange;
using platform::Notification;

CCalcFormDlg::CCalcFormDlg(const FormDescription& form)
    : CDialog(form.dialog), texts_(form.fields.size()), modes_(form.radioGroups.size(), -1), form_(form) {
    setObjectName(QStringLiteral("CCalcFormDlg"));
}

bool CCalcFormDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    for (size_t i = 0; i < form_.fields.size(); ++i)
        texts_[i] = form_.fields[i].defaultText;
    for (size_t i = 0; i < form_.radioGroups.size(); ++i)
        modes_[i] = form_.radioGroups[i].defaultIndex;
    UpdateData(false);
    Recalculate();
    return true;
}

void CCalcFormDlg::DoDataExchange(CDataExchange& dx) {
    for (size_t i = 0; i < form_.fields.size(); ++i)
        platform::DDX_Text(dx, form_.fields[i].controlId, texts_[i]);
    for (size_t i = 0; i < form_.radioGroups.size(); ++i)
        platform::DDX_Radio(dx, form_.radioGroups[i].firstId, modes_[i]);
}

std::vector<double> CCalcFormDlg::ParseFields() const {
    std::vector<double> values(texts_.size());
    for (size_t i = 0; i < texts_.size(); ++i) {
        const double value = ParseEngValue(texts_[i]);
        values[i] = form_.fields[i].keepsSign ? value : std::fabs(value);
    }
    return values;
}

void CCalcFormDlg::EnableByMode() {
    if (modes_.empty() || modes_[0] < 0 || modes_[0] >= static_cast<int>(form_.inputsByMode.size()))
        return;
    const std::vector<int>& inputs = form_.inputsByMode[static_cast<size_t>(modes_[0])];
    for (size_t i = 0; i < form_.fields.size(); ++i) {
        const bool isInput = std::find(inputs.begin(), inputs.end(), static_cast<int>(i)) != inputs.end();
        EnableItem(form_.fields[i].controlId, isInput);
    }
}

void CCalcFormDlg::FormatFields(std::span<const double> values) {
    for (size_t i = 0; i < texts_.size(); ++i)
        texts_[i] = FormatEngValue(values[i]);
}

void CCalcFormDlg::Recalculate() {
    UpdateData(true);
    std::vector<double> values = ParseFields();
    EnableByMode();
    form_.compute(values, modes_);
    FormatFields(values);
    UpdateData(false);
}

void CCalcFormDlg::OnHelpClicked() {
    platform::WinHelp(this, platform::HelpCommand::Context, form_.helpTopic);
}

void CCalcFormDlg::OnCloseClicked() {
    OnOK();
}

bool CCalcFormDlg::PreTranslateMessage(QKeyEvent* event, QWidget* target) {
    const int key = event->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        // Recalculate with the field being left, then let the focus move on.
        Recalculate();
        return false;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && GetDefID() != 0 &&
        strcasecmp(WindowClassName(target), "edit") == 0) {
        Recalculate();
        return true;
    }
    return false;
}

bool CCalcFormDlg::IsRecalculatingId(int id) const {
    for (const FormRadioGroup& group : form_.radioGroups) {
        const std::vector<int> ids = RadioGroupIds(group.firstId);
        if (std::find(ids.begin(), ids.end(), id) != ids.end())
            return true;
    }
    return std::find(form_.recalculatingIds.begin(), form_.recalculatingIds.end(), id) !=
           form_.recalculatingIds.end();
}

bool CCalcFormDlg::OnCommand(Notification notification, int id) {
    if (notification == Notification::Clicked) {
        if (id == form_.closeId) {
            OnCloseClicked();
            return true;
        }
        if (id == form_.helpId) {
            OnHelpClicked();
            return true;
        }
        if (IsRecalculatingId(id)) {
            Recalculate();
            return true;
        }
    }
    return CDialog::OnCommand(notification, id);
}
