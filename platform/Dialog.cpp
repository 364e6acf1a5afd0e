#include "platform/Dialog.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QEventLoop>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <optional>

#include "platform/PictureWidget.h"

namespace platform {

CDialog::CDialog(const DialogTemplate& dialogTemplate)
    : template_(dialogTemplate),
      font_(DialogFont(dialogTemplate.fontName, dialogTemplate.fontPoints)),
      units_(font_) {
    setWindowTitle(QString::fromUtf8(template_.caption));
    // A caption with a system menu and a close box, no minimise or maximise
    // button: the size is the template's.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(font_);
    setSizeGripEnabled(false);
    // F1 asks for help wherever the focus is in the dialog, panels included,
    // and in a window without a control to hold the focus (the menu window).
    auto* help = new QAction(this);
    help->setShortcut(QKeySequence(Qt::Key_F1));
    help->setShortcutContext(Qt::WindowShortcut);
    addAction(help);
    connect(help, &QAction::triggered, this, [this] { OnHelpInfo(); });
}

CDialog::~CDialog() = default;

void CDialog::BuildControls() {
    if (built_)
        return;
    built_ = true;
    for (const ControlTemplate& control : template_.controls) {
        QWidget* widget = CreateControl(control);
        widgets_.push_back(widget);
        widget->setGeometry(units_.Rect(control.x, control.y, control.cx, control.cy));
        widget->setEnabled((control.style & kDisabled) == 0);
        if (control.kind == ControlKind::Picture) {
            // A schematic may reach under the buttons: keep it behind them
            // and let their clicks through.
            widget->lower();
            widget->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
        if (control.id != kNoId) {
            widget->setObjectName(QString::number(control.id));
            controls_[control.id] = widget;
        }
        widget->installEventFilter(this);
    }
    // Frames go to the back so that they neither hide nor swallow clicks
    // meant for the controls drawn inside them.
    for (QGroupBox* box : findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) {
        box->lower();
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    // Radio groups: each run from a group start is exclusive on its own.
    QButtonGroup* group = nullptr;
    for (const ControlTemplate& control : template_.controls) {
        if (control.style & kGroupStart)
            group = nullptr;
        if (control.kind != ControlKind::RadioButton)
            continue;
        if (group == nullptr)
            group = new QButtonGroup(this);
        group->addButton(static_cast<QRadioButton*>(GetDlgItem(control.id)));
    }
    NameControlsForAssistiveTools();
    setFixedSize(units_.X(template_.cx), units_.Y(template_.cy));
}

// Screen readers name an edit field after its label: the nearest static text
// on the same row left of the field (the templates place labels so).
// Pictures are described by the dialog's caption.
void CDialog::NameControlsForAssistiveTools() {
    constexpr int kMaxGap = 20;  // dialog units between the end of a label and its field
    const std::vector<ControlTemplate>& controls = template_.controls;
    std::map<size_t, std::pair<size_t, int>> labelOf;  // edit -> (label, gap), by index
    for (size_t label = 0; label < controls.size(); ++label) {
        const ControlTemplate& l = controls[label];
        if (l.kind != ControlKind::Label)
            continue;
        const int middle = l.y + l.cy / 2;
        std::optional<std::pair<size_t, int>> nearest;  // (edit, gap)
        for (size_t edit = 0; edit < controls.size(); ++edit) {
            const ControlTemplate& e = controls[edit];
            const int gap = e.x - (l.x + l.cx);
            if (e.kind == ControlKind::Edit && e.x > l.x && gap <= kMaxGap && middle >= e.y &&
                middle < e.y + e.cy && (!nearest || gap < nearest->second))
                nearest = {edit, gap};
        }
        if (!nearest)
            continue;
        const auto taken = labelOf.find(nearest->first);
        if (taken == labelOf.end() || nearest->second < taken->second.second)
            labelOf[nearest->first] = {label, nearest->second};
    }
    for (const auto& [edit, label] : labelOf) {
        static_cast<QLabel*>(widgets_[label.first])->setBuddy(widgets_[edit]);
        // "R (ohm) = " is read as "R (ohm)".
        QString name = QString::fromUtf8(controls[label.first].text).remove(QLatin1Char('&')).trimmed();
        while (name.endsWith(QLatin1Char('=')) || name.endsWith(QLatin1Char(':')))
            name = name.chopped(1).trimmed();
        widgets_[edit]->setAccessibleName(name);
    }
    for (size_t index = 0; index < controls.size(); ++index) {
        if (controls[index].kind == ControlKind::Picture)
            widgets_[index]->setAccessibleDescription(widgets_[index]->accessibleName() +
                                                      QStringLiteral(": ") + windowTitle());
    }
    NameGroupsAndLists();
}

namespace {

QString SpokenText(const char* text) {
    QString spoken = QString::fromUtf8(text).remove(QLatin1Char('&')).trimmed();
    while (spoken.endsWith(QLatin1Char(':')))
        spoken = spoken.chopped(1).trimmed();
    return spoken;
}

bool Inside(const ControlTemplate& inner, const ControlTemplate& outer) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.cx <= outer.x + outer.cx &&
           inner.y + inner.cy <= outer.y + outer.cy;
}

}  // namespace

// A radio button is described by the caption of the frame around it ("What
// do you know ?"), a list box is named after the static text just above it.
void CDialog::NameGroupsAndLists() {
    constexpr int kMaxGapAbove = 6;  // dialog units between a caption and its list
    const std::vector<ControlTemplate>& controls = template_.controls;
    for (size_t index = 0; index < controls.size(); ++index) {
        const ControlTemplate& control = controls[index];
        for (const ControlTemplate& other : controls) {
            if (control.kind == ControlKind::RadioButton && other.kind == ControlKind::GroupBox &&
                Inside(control, other)) {
                widgets_[index]->setAccessibleDescription(SpokenText(other.text));
                break;
            }
            const int gap = control.y - (other.y + other.cy);
            if (control.kind == ControlKind::ListBox && other.kind == ControlKind::Label && gap >= 0 &&
                gap <= kMaxGapAbove && other.x < control.x + control.cx && control.x < other.x + other.cx) {
                widgets_[index]->setAccessibleName(SpokenText(other.text));
                break;
            }
        }
    }
}

QWidget* CDialog::CreateControl(const ControlTemplate& control) {
    const QString text = QString::fromUtf8(control.text);
    const Qt::FocusPolicy focus = (control.style & kTabStop) ? Qt::StrongFocus : Qt::ClickFocus;
    switch (control.kind) {
        case ControlKind::PushButton: {
            auto* button = new QPushButton(text, this);
            button->setAutoDefault(true);
            if ((control.style & kDefaultButton) && GetDefID() == 0)
                button->setDefault(true);
            button->setFocusPolicy(focus);
            connect(button, &QPushButton::clicked, this,
                    [this, id = control.id] { OnCommand(Notification::Clicked, id); });
            return button;
        }
        case ControlKind::RadioButton: {
            auto* radio = new QRadioButton(text, this);
            // Auto-exclusive, so that assistive tools announce a radio button,
            // not a check box; the button group built later still decides.
            radio->setAutoExclusive(true);
            radio->setFocusPolicy(focus == Qt::ClickFocus ? Qt::StrongFocus : focus);
            connect(radio, &QRadioButton::clicked, this,
                    [this, id = control.id] { OnCommand(Notification::Clicked, id); });
            return radio;
        }
        case ControlKind::CheckBox: {
            auto* check = new QCheckBox(text, this);
            check->setFocusPolicy(focus);
            connect(check, &QCheckBox::clicked, this,
                    [this, id = control.id] { OnCommand(Notification::Clicked, id); });
            return check;
        }
        case ControlKind::Edit: {
            auto* edit = new QLineEdit(this);
            edit->setFocusPolicy(focus);
            return edit;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(text, this);
            // Static text wraps when the template gives it more than one line.
            label->setWordWrap(units_.Y(control.cy) >= 2 * QFontMetrics(font_).height());
            label->setAlignment((control.style & kCentered) ? Qt::AlignHCenter | Qt::AlignTop
                                                            : Qt::AlignLeft | Qt::AlignTop);
            return label;
        }
        case ControlKind::GroupBox: {
            auto* box = new QGroupBox(text, this);
            // The frame runs through the middle of the title, as in the classic
            // dialogs; Fusion would start it below the title, across the
            // controls of a low box.
            box->setStyleSheet(QStringLiteral(
                "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.5em; }"
                "QGroupBox::title { subcontrol-origin: margin; left: 5px; padding: 0 2px; }"));
            return box;
        }
        case ControlKind::Picture:
            return new PictureWidget(control.pictureId, this);
        case ControlKind::ListBox: {
            auto* list = new QListWidget(this);
            list->setFocusPolicy(focus);
            list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
            // One line of the dialog font per item, as in a classic list box.
            // Without this the view lays out the text of every item each time
            // the list is refilled, which dominated a recalculation that fills
            // lists.
            list->setUniformItemSizes(true);
            return list;
        }
    }
    return new QWidget(this);
}

bool CDialog::Create(QWidget* owner) {
    if (owner != nullptr && parentWidget() != owner) {
        setParent(owner, windowFlags() | Qt::Dialog);
    }
    BuildControls();
    if (OnInitDialog()) {
        // The first enabled tab stop takes the focus, as the classic dialogs do.
        for (const ControlTemplate& control : template_.controls) {
            QWidget* widget = GetDlgItem(control.id);
            if (widget && (control.style & kTabStop) && widget->isEnabled()) {
                widget->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    }
    return true;
}

int CDialog::DoModal(QWidget* owner) {
    ended_ = false;
    if (owner)
        setWindowModality(Qt::WindowModal);
    Create(owner);
    if (ended_)  // ended during its initialisation
        return result();
    if (owner)
        return exec();
    // Without an owner there is nothing to block: a plain top-level run keeps
    // the other top-level windows (the help viewer) usable.
    QEventLoop loop;
    connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    show();
    if (!ended_)
        loop.exec(QEventLoop::DialogExec);
    return result();
}

void CDialog::EndDialog(int result) {
    ended_ = true;
    done(result);
}

QWidget* CDialog::GetDlgItem(int id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

void CDialog::EnableItem(int id, bool enable) {
    if (QWidget* widget = GetDlgItem(id))
        widget->setEnabled(enable);
}

int CDialog::GetDefID() const {
    for (const auto& [id, widget] : controls_) {
        if (auto* button = qobject_cast<QPushButton*>(widget); button && button->isDefault())
            return id;
    }
    return 0;
}

int CDialog::ControlId(const QWidget* control) const {
    for (const auto& [id, widget] : controls_) {
        if (widget == control)
            return id;
    }
    return kNoId;
}

const char* CDialog::WindowClassName(const QWidget* control) {
    if (qobject_cast<const QLineEdit*>(control))
        return "Edit";
    if (qobject_cast<const QAbstractButton*>(control) || qobject_cast<const QGroupBox*>(control))
        return "Button";
    if (qobject_cast<const QListWidget*>(control))
        return "ListBox";
    if (qobject_cast<const QLabel*>(control) || dynamic_cast<const PictureWidget*>(control))
        return "Static";
    return "Dialog";
}

std::vector<int> CDialog::RadioGroupIds(int firstId) const {
    std::vector<int> ids;
    bool inGroup = false;
    for (const ControlTemplate& control : template_.controls) {
        if (inGroup && (control.style & kGroupStart))
            break;
        if (control.id == firstId)
            inGroup = true;
        if (inGroup && control.kind == ControlKind::RadioButton)
            ids.push_back(control.id);
    }
    return ids;
}

bool CDialog::UpdateData(bool save) {
    CDataExchange dx(*this, save);
    DoDataExchange(dx);
    return true;
}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::DoDataExchange(CDataExchange&) {}

bool CDialog::PreTranslateMessage(QKeyEvent*, QWidget*) {
    return false;
}

bool CDialog::OnCommand(Notification notification, int id) {
    for (const CommandTable* table = GetCommandTable(); table; table = table->base) {
        for (const CommandEntry& entry : table->entries) {
            if (entry.notification == notification && entry.id == id) {
                entry.handler(*this);
                return true;
            }
        }
    }
    if (notification == Notification::Clicked && id == IDOK) {
        OnOK();
        return true;
    }
    if (notification == Notification::Clicked && id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

void CDialog::OnOK() {
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

bool CDialog::OnHelpInfo() {
    for (const ControlTemplate& control : template_.controls) {
        if (control.kind == ControlKind::PushButton &&
            QString::fromUtf8(control.text).remove(QLatin1Char('&')) == QLatin1String("Help")) {
            auto* button = Item<QPushButton>(control.id);
            if (button == nullptr || !button->isEnabled())
                return false;
            button->click();
            return true;
        }
    }
    return false;
}

// Esc and the close box arrive here: they are the cancel command.
void CDialog::reject() {
    OnCommand(Notification::Clicked, IDCANCEL);
}

void CDialog::accept() {
    OnCommand(Notification::Clicked, IDOK);
}

bool CDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        // Tab enters a radio group on its checked button, not on its first.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        auto* radio = qobject_cast<QRadioButton*>(watched);
        if (radio && !radio->isChecked() && radio->group() && radio->group()->checkedButton() &&
            (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason))
            radio->group()->checkedButton()->setFocus(reason);
    }
    if (event->type() == QEvent::KeyPress) {
        // A key not taken by a control bubbles up to its parent; look at it
        // only where it is addressed, so the filter sees each key once.
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget == focusWidget() && PreTranslateMessage(static_cast<QKeyEvent*>(event), widget))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace platform
