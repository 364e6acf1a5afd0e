#include "forms/FormPanels.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include "engine/parts/PartsReport.h"
#include "engine/plot/Plots.h"
#include "engine/spice/CopyValues.h"
#include "engine/spice/SpiceDeck.h"
#include "forms/panels/PartsPanel.h"
#include "forms/panels/PlotPanel.h"

namespace {

// Holds the panels. Enter on a panel's button presses it; in a list or box
// it is no press of the form's default button: it stops here. Esc goes on and
// closes the form.
class SidePanels : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
            return QWidget::keyPressEvent(event);
        event->accept();
        auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
        if (button != nullptr && isAncestorOf(button) && button->isEnabled())
            button->click();
    }
};

// The form's menu, not a field's own, from a right click or the Menu key in
// an edit field (the X11 platform turns the key into a context menu request
// to the field); Shift+F10 there too.
class FieldMenuRequests : public QObject {
  public:
    FieldMenuRequests(QObject* parent, std::function<void(QLineEdit*, const QPoint&)> show)
        : QObject(parent), show_(std::move(show)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* field = qobject_cast<QLineEdit*>(watched);
        if (field == nullptr)
            return false;
        if (event->type() == QEvent::ContextMenu) {
            const auto* request = static_cast<QContextMenuEvent*>(event);
            show_(field, request->reason() == QContextMenuEvent::Mouse ? request->pos()
                                                                       : QPoint(0, field->height()));
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Menu && key->modifiers() == Qt::NoModifier) ||
                (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)) {
                show_(field, QPoint(0, field->height()));
                return true;
            }
        }
        return false;
    }

  private:
    std::function<void(QLineEdit*, const QPoint&)> show_;
};

QAction* AddAction(QWidget* dialog, std::vector<QAction*>& actions, const QString& text,
                   const QKeySequence& keys) {
    auto* action = new QAction(text, dialog);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    dialog->addAction(action);
    actions.push_back(action);
    return action;
}

}  // namespace

CFormPanels::CFormPanels(QWidget* dialog, const engine::FormModel& form,
                         std::function<void(const engine::FormState&)> apply)
    : dialog_(dialog), form_(form), apply_(std::move(apply)), formSize_(dialog->size()) {
    side_ = new SidePanels(dialog_);
    side_->setObjectName(QStringLiteral("SidePanels"));
    auto* layout = new QHBoxLayout(side_);  // side by side: the form stays on screens of 768 lines
    layout->setContentsMargins(6, 6, 6, 6);
    side_->hide();

    partsAction_ =
        AddAction(dialog_, actions_, QStringLiteral("&Parts panel"), QKeySequence(Qt::CTRL | Qt::Key_E));
    partsAction_->setCheckable(true);
    partsAction_->setEnabled(engine::parts::HasParts(form_));
    QObject::connect(partsAction_, &QAction::toggled, dialog_, [this](bool open) { SetPartsOpen(open); });
    plotAction_ =
        AddAction(dialog_, actions_, QStringLiteral("P&lot panel"), QKeySequence(Qt::CTRL | Qt::Key_P));
    plotAction_->setCheckable(true);
    plotAction_->setEnabled(engine::plot::HasPlot(form_));
    QObject::connect(plotAction_, &QAction::toggled, dialog_, [this](bool open) { SetPlotOpen(open); });
    QAction* copy = AddAction(dialog_, actions_, QStringLiteral("Copy &values"),
                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    QObject::connect(copy, &QAction::triggered, dialog_, [this] { CopyValues(); });
    const bool circuit = engine::HasSpiceDeck(form_);
    QAction* netlist = AddAction(dialog_, actions_, QStringLiteral("Copy SPICE &netlist"),
                                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    netlist->setEnabled(circuit);
    QObject::connect(netlist, &QAction::triggered, dialog_, [this] { CopyNetlist(); });
    QAction* save = AddAction(dialog_, actions_, QStringLiteral("&Save SPICE netlist..."),
                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    save->setEnabled(circuit);
    QObject::connect(save, &QAction::triggered, dialog_, [this] { SaveNetlist(); });

    // F6 and Shift+F6 go between the form and its panels, as between the
    // panes of other programs; not in the menu.
    auto* pane = paneAction_ = new QAction(dialog_);
    pane->setShortcuts({QKeySequence(Qt::Key_F6), QKeySequence(Qt::SHIFT | Qt::Key_F6)});
    pane->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    dialog_->addAction(pane);
    QObject::connect(pane, &QAction::triggered, dialog_, [this] { MoveFocusBetweenFormAndPanels(); });

    menu_ = new QMenu(dialog_);
    for (QAction* action : actions_) {
        menu_->addAction(action);
        if (action == plotAction_)
            menu_->addSeparator();
    }
    // The field's own entries; the keys beside them are the field's, which
    // it handles itself.
    const struct {
        QString text;
        void (*act)(QLineEdit*);
    } edits[] = {{QStringLiteral("Cu&t\tCtrl+X"), [](QLineEdit* field) { field->cut(); }},
                 {QStringLiteral("&Copy\tCtrl+C"), [](QLineEdit* field) { field->copy(); }},
                 {QStringLiteral("P&aste\tCtrl+V"), [](QLineEdit* field) { field->paste(); }}};
    for (const auto& [text, act] : edits) {
        auto* action = new QAction(text, menu_);
        QObject::connect(action, &QAction::triggered, menu_, [this, act = act] {
            if (menuField_ != nullptr)
                act(menuField_);
        });
        fieldActions_.push_back(action);
    }
    fieldActions_.push_back(new QAction(menu_));
    fieldActions_.back()->setSeparator(true);
    auto* requests = new FieldMenuRequests(
        dialog_, [this](QLineEdit* field, const QPoint& at) { ShowMenu(field->mapTo(dialog_, at), field); });
    for (QLineEdit* field : dialog_->findChildren<QLineEdit*>())
        field->installEventFilter(requests);
}

CFormPanels::~CFormPanels() = default;

bool CFormPanels::PartsOpen() const {
    return parts_ != nullptr && parts_->isVisibleTo(side_);
}

bool CFormPanels::PlotOpen() const {
    return plot_ != nullptr && plot_->isVisibleTo(side_);
}

void CFormPanels::SetPartsOpen(bool open) {
    if (open && parts_ == nullptr) {
        parts_ = new CPartsPanel(side_);
        side_->layout()->addWidget(parts_);
        QObject::connect(parts_, &CPartsPanel::StandardValuesRequested, dialog_,
                         [this](const engine::FormState& state) { apply_(state); });
    }
    if (parts_ != nullptr)
        parts_->setVisible(open);
    partsAction_->setChecked(open);
    Refresh();
    Relayout();
}

void CFormPanels::SetPlotOpen(bool open) {
    if (open && plot_ == nullptr) {
        plot_ = new forms::PlotPanel(side_);
        side_->layout()->addWidget(plot_);
    }
    if (plot_ != nullptr)
        plot_->setVisible(open);
    plotAction_->setChecked(open);
    Refresh();
    Relayout();
}

void CFormPanels::Follow(const engine::FormState& state) {
    state_ = state;
    Refresh();
}

void CFormPanels::Refresh() {
    if (PartsOpen())
        parts_->Update(form_, state_);
    if (PlotOpen()) {
        // With the Parts panel open, the plot shows the circuit as built too.
        const auto asBuilt = PartsOpen() ? engine::parts::StandardValuesState(form_, state_)
                                         : std::optional<engine::FormState>();
        plot_->Update(form_, state_, asBuilt ? &*asBuilt : nullptr);
    }
}

// The form keeps its pixels; the panels stand to its right, and the dialog
// grows by their width (and height, if they are taller).
void CFormPanels::Relayout() {
    const bool open = PartsOpen() || PlotOpen();
    if (!open) {
        if (side_->isVisible() && side_->isAncestorOf(QApplication::focusWidget()) &&
            lastFormFocus_ != nullptr)
            lastFormFocus_->setFocus(Qt::OtherFocusReason);
        side_->hide();
        dialog_->setFixedSize(formSize_);
        return;
    }
    side_->adjustSize();
    const QSize panels = side_->sizeHint();
    const int height = std::max(formSize_.height(), panels.height());
    side_->setGeometry(formSize_.width(), 0, panels.width(), height);
    side_->show();
    dialog_->setFixedSize(formSize_.width() + panels.width(), height);
}

bool CFormPanels::TriggerKey(const QKeyEvent* event) {
    const QKeySequence pressed(event->keyCombination());
    std::vector<QAction*> all = actions_;
    all.push_back(paneAction_);
    for (QAction* action : all) {
        if (action->isEnabled() && action->shortcuts().contains(pressed)) {
            action->trigger();
            return true;
        }
    }
    return false;
}

bool CFormPanels::MoveFocusBetweenFormAndPanels() {
    if (!side_->isVisible())
        return false;
    QWidget* focus = QApplication::focusWidget();
    if (side_->isAncestorOf(focus)) {
        if (lastFormFocus_ != nullptr)
            lastFormFocus_->setFocus(Qt::OtherFocusReason);
        return true;
    }
    lastFormFocus_ = focus;
    for (QWidget* next = side_->nextInFocusChain(); next != side_; next = next->nextInFocusChain()) {
        if (side_->isAncestorOf(next) && next->isVisible() && next->isEnabled() &&
            (next->focusPolicy() & Qt::TabFocus)) {
            next->setFocus(Qt::OtherFocusReason);
            return true;
        }
        if (!side_->isAncestorOf(next) && next != side_)
            break;
    }
    return true;
}

void CFormPanels::ShowMenu(const QPoint& at, QLineEdit* field) {
    if (menu_->isVisible())  // one request may come as a key and as a menu event
        return;
    for (QAction* action : fieldActions_)
        menu_->removeAction(action);
    menuField_ = field;
    if (field != nullptr) {
        const bool writable = field->isEnabled() && !field->isReadOnly();
        fieldActions_[0]->setEnabled(writable && field->hasSelectedText());
        fieldActions_[1]->setEnabled(field->hasSelectedText());
        fieldActions_[2]->setEnabled(writable && !QApplication::clipboard()->text().isEmpty());
        menu_->insertActions(actions_.front(), {fieldActions_.begin(), fieldActions_.end()});
    }
    menu_->exec(dialog_->mapToGlobal(at));
    menuField_ = nullptr;
}

void CFormPanels::CopyValues() const {
    QApplication::clipboard()->setText(QString::fromStdString(engine::CopyValuesText(form_, state_.texts)));
}

void CFormPanels::CopyNetlist() const {
    QApplication::clipboard()->setText(QString::fromStdString(engine::SpiceDeck(form_, state_)));
}

void CFormPanels::SaveNetlist() const {
    const QString path = QFileDialog::getSaveFileName(
        dialog_, QStringLiteral("Save SPICE netlist"),
        QString::fromLatin1(form_.alias) + QStringLiteral(".cir"), QStringLiteral("SPICE netlists (*.cir)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    const QByteArray deck = QByteArray::fromStdString(engine::SpiceDeck(form_, state_));
    if (!file.open(QIODevice::WriteOnly) || file.write(deck) != deck.size())
        QMessageBox::warning(dialog_, QStringLiteral("Save SPICE netlist"),
                             QStringLiteral("Could not write %1: %2").arg(path, file.errorString()));
}
