#include "forms/CalcFormDlg.h"

#include <strings.h>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <algorithm>
#include <stdexcept>
#include <string>

#include "forms/FormAccessibility.h"
#include "forms/FormPanels.h"
#include "platform/HelpService.h"

using platform::CDataExchange;
using platform::Notification;

namespace {

const bind::FormBinding& BindingNamed(const char* className) {
    const bind::FormBinding* binding = bind::FindBinding(className);
    if (binding == nullptr)
        throw std::logic_error(std::string("no form ") + className);
    return *binding;
}

}  // namespace

CCalcFormDlg::CCalcFormDlg(const char* className) : CCalcFormDlg(BindingNamed(className)) {}

CCalcFormDlg::CCalcFormDlg(const bind::FormBinding& binding)
    : CDialog(binding.Dialog()),
      binding_(binding),
      form_(*binding.form),
      listSelections_(form_.lists.size()) {
    const engine::FormModel& form = form_;
    setObjectName(QString::fromLatin1(form.className));
    state_.texts.resize(form.fields.size());
    state_.modes.assign(form.radioGroups.size(), -1);
    state_.checks.assign(form.checks.size(), 0);
}

CCalcFormDlg::~CCalcFormDlg() = default;

bool CCalcFormDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    DescribeFields(*this, ProgramHelpFile(), binding_.HelpTopic());
    if (panels_ == nullptr)
        panels_ = std::make_unique<CFormPanels>(
            this, form_, [this](const engine::FormState& state) { ApplyState(state); });
    state_ = engine::DefaultState(form_);
    status_ = form_.statusDefault;
    UpdateData(false);
    Recalculate();
    return true;
}

void CCalcFormDlg::DoDataExchange(CDataExchange& dx) {
    for (size_t i = 0; i < form_.fields.size(); ++i)
        platform::DDX_Text(dx, binding_.fieldIds[i], state_.texts[i]);
    for (size_t i = 0; i < form_.radioGroups.size(); ++i)
        platform::DDX_Radio(dx, binding_.modeIds[i].front(), state_.modes[i]);
    for (size_t i = 0; i < form_.checks.size(); ++i)
        platform::DDX_Check(dx, binding_.checkIds[i], state_.checks[i]);
    if (binding_.HasStatus())
        platform::DDX_Text(dx, binding_.StatusId(), status_);
    for (size_t i = 0; i < form_.lists.size(); ++i)
        platform::DDX_LBString(dx, binding_.listIds[i], listSelections_[i]);
}

void CCalcFormDlg::FillList(int id, const std::vector<std::string>& lines) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        items << platform::FromFieldText(line);
    auto* list = Item<QListWidget>(id);
    if (list == nullptr)
        return;
    list->clear();
    list->addItems(items);  // one insertion for the view to handle, not one per line
}

void CCalcFormDlg::Recalculate() {
    UpdateData(true);
    // The panels work the form out again from what it was given, not from
    // the rounded texts it writes back, to show exactly its values.
    const engine::FormState given = state_;
    result_ = engine::Recalculate(form_, state_);
    for (size_t i = 0; i < form_.fields.size(); ++i)
        EnableItem(binding_.fieldIds[i], result_.enabled[i]);
    state_.texts = result_.texts;
    if (binding_.HasStatus())
        status_ = result_.extras.status;
    for (size_t i = 0; i < form_.lists.size() && i < result_.extras.lists.size(); ++i)
        FillList(binding_.listIds[i], result_.extras.lists[i]);
    UpdateData(false);
    DescribeResults(*this);
    if (panels_ != nullptr)
        panels_->Follow(given);
}

void CCalcFormDlg::ApplyState(const engine::FormState& state) {
    state_.texts = state.texts;
    state_.modes = state.modes;
    state_.checks = state.checks;
    UpdateData(false);
    Recalculate();
}

void CCalcFormDlg::contextMenuEvent(QContextMenuEvent* event) {
    if (panels_ == nullptr)
        return CDialog::contextMenuEvent(event);
    panels_->ShowMenu(event->reason() == QContextMenuEvent::Mouse ? event->pos() : QPoint(0, 0));
}

void CCalcFormDlg::OnHelpClicked() {
    platform::WinHelp(this, platform::HelpCommand::Context, binding_.HelpTopic());
}

void CCalcFormDlg::OnCloseClicked() {
    OnOK();
}

bool CCalcFormDlg::PreTranslateMessage(QKeyEvent* event, QWidget* target) {
    const int key = event->key();
    if (panels_ != nullptr && panels_->TriggerKey(event))
        return true;
    // The form's own menu, not an edit field's, from the keyboard.
    if (panels_ != nullptr &&
        (key == Qt::Key_Menu || (key == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier))) {
        panels_->ShowMenu(target->mapTo(this, QPoint(0, target->height())));
        return true;
    }
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
    for (const std::vector<int>& ids : binding_.modeIds) {
        if (std::find(ids.begin(), ids.end(), id) != ids.end())
            return true;
    }
    return binding_.CheckIndex(id) >= 0;
}

bool CCalcFormDlg::OnCommand(Notification notification, int id) {
    if (notification == Notification::Clicked) {
        if (id == binding_.CloseId()) {
            OnCloseClicked();
            return true;
        }
        if (id == binding_.HelpId()) {
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
