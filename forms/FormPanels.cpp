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
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "engine/parts/PartsReport.h"
#include "engine/plot/Plots.h"
#include "engine/spice/CopyValues.h"
#include "engine/spice/SpiceDeck.h"
#include "forms/panels/DesignSection.h"
#include "forms/panels/PanelPlacement.h"
#include "forms/panels/PartsPanel.h"
#include "forms/panels/PlotPanel.h"

namespace {

// Holds the panels. Enter on a panel's button presses it; in a list or box
// it is no press of the form's default button: it stops here. Esc goes on and
// closes the form. It also tells when a panel asks for another size (a longer
// table, a message instead of the chart), so that the window is laid out again.
class SidePanels : public QWidget {
  public:
    SidePanels(QWidget* parent, std::function<void()> resized)
        : QWidget(parent), resized_(std::move(resized)) {}

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
            return QWidget::keyPressEvent(event);
        event->accept();
        auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
        if (button != nullptr && isAncestorOf(button) && button->isEnabled())
            button->click();
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::LayoutRequest)
            resized_();
        return QWidget::eventFilter(watched, event);
    }

  private:
    std::function<void()> resized_;
};

// Where the window manager's frame is not known yet (before the first
// showing), room for a title bar and borders.
QMargins FrameOf(const QWidget* window) {
    const QRect frame = window->frameGeometry(), inside = window->geometry();
    if (window->isVisible() && frame != inside)
        return QMargins(inside.left() - frame.left(), inside.top() - frame.top(),
                        frame.right() - inside.right(), frame.bottom() - inside.bottom());
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return {};
    return QMargins(8, 32, 8, 8);
}

// The first control of a panel that a key can reach; a widget that hands its
// focus to another (the chart's frame to its view) counts as that one.
QWidget* FirstControl(QWidget* panel) {
    for (QWidget* next = panel->nextInFocusChain(); next != panel; next = next->nextInFocusChain()) {
        QWidget* target = next->focusProxy() != nullptr ? next->focusProxy() : next;
        if (panel->isAncestorOf(target) && target->isVisibleTo(panel) && target->isEnabled() &&
            (target->focusPolicy() & Qt::TabFocus))
            return target;
    }
    return nullptr;
}

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
    side_ = new SidePanels(dialog_, [this] {
        if (relayoutQueued_)
            return;
        relayoutQueued_ = true;
        QTimer::singleShot(0, dialog_, [this] {
            relayoutQueued_ = false;
            if (side_->isVisible() && PanelHints() != laidOutHints_)
                Relayout();
        });
    });
    side_->setObjectName(QStringLiteral("SidePanels"));
    side_->setAccessibleName(QStringLiteral("Panels"));
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
    paneAction_ = new QAction(dialog_);
    paneAction_->setShortcut(QKeySequence(Qt::Key_F6));
    backPaneAction_ = new QAction(dialog_);
    backPaneAction_->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6));
    for (QAction* pane : {paneAction_, backPaneAction_}) {
        pane->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        dialog_->addAction(pane);
        QObject::connect(pane, &QAction::triggered, dialog_,
                         [this, pane] { MoveFocusBetweenFormAndPanels(pane == backPaneAction_); });
    }

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

// The panels go with the dialog's widgets, after this: the search stops now
// and no longer reports to it.
CFormPanels::~CFormPanels() {
    if (design_ != nullptr) {
        design_->OnDistributionChanged({});
        design_->Stop();
    }
}

// The panels' area is made with the first panel: until then the form has no
// widget beyond its template's.
void CFormPanels::MakeHost() {
    if (scroll_ != nullptr)
        return;
    auto* layout = new QVBoxLayout(side_);
    layout->setContentsMargins(0, 0, 0, 0);
    scroll_ = new QScrollArea(side_);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(scroll_);
    auto* content = new QWidget;
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(6, 6, 6, 6);
    row_ = new QWidget(content);
    auto* rowLayout = new QHBoxLayout(row_);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    tabs_ = new QTabWidget(content);
    tabs_->setObjectName(QStringLiteral("PanelTabs"));
    tabs_->hide();
    contentLayout->addWidget(row_);
    contentLayout->addWidget(tabs_);
    scroll_->setWidget(content);
}

// Open is what the menu says: a panel on a tab that is not current is still open.
bool CFormPanels::PartsOpen() const {
    return parts_ != nullptr && partsAction_->isChecked();
}

bool CFormPanels::PlotOpen() const {
    return plot_ != nullptr && plotAction_->isChecked();
}

bool CFormPanels::InTabs() const {
    return tabs_ != nullptr && tabs_->count() > 0;
}

std::vector<QSize> CFormPanels::PanelHints() const {
    std::vector<QSize> hints;
    for (QWidget* panel : OpenPanels())
        hints.push_back(panel->sizeHint());
    return hints;
}

std::vector<QWidget*> CFormPanels::OpenPanels() const {
    std::vector<QWidget*> open;
    if (PartsOpen())
        open.push_back(parts_);
    if (PlotOpen())
        open.push_back(plot_);
    return open;
}

void CFormPanels::SetPartsOpen(bool open) {
    if (open && parts_ == nullptr) {
        MakeHost();
        parts_ = new forms::PartsPanel(row_);
        parts_->setAccessibleName(QStringLiteral("Parts panel"));
        parts_->installEventFilter(side_);
        row_->layout()->addWidget(parts_);
        QObject::connect(parts_, &forms::PartsPanel::StandardValuesRequested, dialog_,
                         [this](const engine::FormState& state) { apply_(state); });
        design_ = new forms::DesignSection(parts_);
        design_->OnDistributionChanged([this] { RefreshPlot(); });
        parts_->AddSection(design_);
    }
    partsAction_->setChecked(open);
    if (design_ != nullptr && !open)
        design_->Stop();
    if (parts_ != nullptr && !InTabs())
        parts_->setVisible(open);
    Refresh();
    Relayout();
}

void CFormPanels::SetPlotOpen(bool open) {
    if (open && plot_ == nullptr) {
        MakeHost();
        plot_ = new forms::PlotPanel(row_);
        plot_->setAccessibleName(QStringLiteral("Plot panel"));
        plot_->installEventFilter(side_);
        row_->layout()->addWidget(plot_);
    }
    plotAction_->setChecked(open);
    if (plot_ != nullptr && !InTabs())
        plot_->setVisible(open);
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
    RefreshPlot();
}

// The selected combination's builds while the Parts panel has one, else the
// circuit's curve; with the Parts panel open, the circuit as built too.
void CFormPanels::RefreshPlot() {
    if (!PlotOpen())
        return;
    if (std::optional<engine::plot::Plot> distribution =
            PartsOpen() ? design_->Distribution() : std::nullopt) {
        plot_->Show({std::move(distribution), {}});
        return;
    }
    const auto asBuilt =
        PartsOpen() ? engine::parts::StandardValuesState(form_, state_) : std::optional<engine::FormState>();
    plot_->Update(form_, state_, asBuilt ? &*asBuilt : nullptr);
}

// Puts the open panels side by side or on a tab each; closed ones are hidden in the row.
void CFormPanels::Arrange(bool tabs) {
    if (tabs_ == nullptr)
        return;
    const std::vector<QWidget*> open = OpenPanels();
    QWidget* current = tabs_->currentWidget();
    while (tabs_->count() > 0) {
        QWidget* page = tabs_->widget(0);
        tabs_->removeTab(0);
        row_->layout()->addWidget(page);
    }
    for (QWidget* panel : {static_cast<QWidget*>(parts_), static_cast<QWidget*>(plot_)}) {
        if (panel == nullptr)
            continue;
        const bool isOpen = std::find(open.begin(), open.end(), panel) != open.end();
        if (tabs && isOpen) {
            tabs_->addTab(panel, panel == parts_ ? QStringLiteral("Parts") : QStringLiteral("Plot"));
        } else {
            panel->setVisible(isOpen);
        }
    }
    if (current != nullptr && tabs_->indexOf(current) >= 0)
        tabs_->setCurrentWidget(current);
    tabs_->setVisible(tabs);
    row_->setVisible(!tabs);
}

// The form keeps its pixels; the panels stand to its right, in tabs or
// below it, whichever fits the screen first, and the window moves just
// enough to stay on it.
void CFormPanels::Relayout() {
    const std::vector<QWidget*> open = OpenPanels();
    if (open.empty()) {
        if (side_->isVisible() && side_->isAncestorOf(QApplication::focusWidget()) &&
            lastFormFocus_ != nullptr)
            lastFormFocus_->setFocus(Qt::OtherFocusReason);
        Arrange(false);
        side_->hide();
        below_ = false;
        dialog_->setFixedSize(formSize_);
        return;
    }
    laidOutHints_ = PanelHints();
    const int margins = 12;  // the content's margins, both sides
    forms::PanelSizes sizes{formSize_, {}, {}};
    QSize largest(0, 0);
    for (QWidget* panel : open) {
        QSize hint = panel->sizeHint().expandedTo(panel->minimumSizeHint());
        // Wrapped texts may need more lines at the width the panel gets.
        if (panel->hasHeightForWidth())
            hint.setHeight(std::max(hint.height(), panel->heightForWidth(hint.width())));
        largest = largest.expandedTo(hint);
        sizes.panels.push_back(hint + QSize(margins + 6 * static_cast<int>(open.size() > 1), margins));
    }
    // A tab area: the largest panel, the tab bar and the frame of the pages.
    const int frame = 2 * tabs_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, tabs_) + 4;
    QTabBar probe;  // the height of a tab bar with tabs, whether the area has them now or not
    probe.setFont(tabs_->font());
    probe.addTab(QStringLiteral("Parts"));
    sizes.tabs = largest + QSize(margins + frame, margins + frame + probe.sizeHint().height());
    if (open.size() > 1) {
        // Side by side as one panel, so that the layout's spacing is counted.
        const QSize both(sizes.panels[0].width() + sizes.panels[1].width() - margins,
                         std::max(sizes.panels[0].height(), sizes.panels[1].height()));
        sizes.panels = {both};
        sizes.panels.push_back(QSize(0, 0));
    }
    QScreen* screen = dialog_->screen() != nullptr ? dialog_->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen->availableGeometry();
    const forms::PanelPlacement placement =
        forms::PlacePanels(sizes, available, FrameOf(dialog_), dialog_->frameGeometry().topLeft());
    Arrange(placement.tabs);
    below_ = placement.below;
    side_->setGeometry(placement.below ? QRect(QPoint(0, formSize_.height()), placement.area)
                                       : QRect(QPoint(formSize_.width(), 0),
                                               QSize(placement.area.width(), placement.window.height())));
    // Scroll bars only where the screen leaves less than the panels ask for.
    const QSize wanted = scroll_->widget()->sizeHint();
    const QSize shown = side_->size();
    scroll_->setHorizontalScrollBarPolicy(shown.width() >= wanted.width() ? Qt::ScrollBarAlwaysOff
                                                                          : Qt::ScrollBarAsNeeded);
    scroll_->setVerticalScrollBarPolicy(shown.height() >= wanted.height() ? Qt::ScrollBarAlwaysOff
                                                                          : Qt::ScrollBarAsNeeded);
    side_->show();
    dialog_->setFixedSize(placement.window);
    if (dialog_->isVisible() || dialog_->testAttribute(Qt::WA_Moved))
        dialog_->move(placement.position);
}

bool CFormPanels::TriggerKey(const QKeyEvent* event) {
    const QKeySequence pressed(event->keyCombination());
    std::vector<QAction*> all = actions_;
    all.push_back(paneAction_);
    all.push_back(backPaneAction_);
    for (QAction* action : all) {
        if (action->isEnabled() && action->shortcuts().contains(pressed)) {
            action->trigger();
            return true;
        }
    }
    return false;
}

bool CFormPanels::MoveFocusBetweenFormAndPanels(bool backwards) {
    if (!side_->isVisible())
        return false;
    // The stops in turn: the form, then each open panel.
    std::vector<QWidget*> stops{nullptr};
    for (QWidget* panel : OpenPanels())
        stops.push_back(panel);
    QWidget* focus = QApplication::focusWidget();
    size_t here = 0;
    for (size_t i = 1; i < stops.size(); ++i)
        if (stops[i]->isAncestorOf(focus))
            here = i;
    if (here == 0)
        lastFormFocus_ = focus;
    const size_t next = (here + (backwards ? stops.size() - 1 : 1)) % stops.size();
    // Shortcut focus, so that the style draws where the focus is.
    if (next == 0) {
        if (lastFormFocus_ != nullptr)
            lastFormFocus_->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    if (tabs_->indexOf(stops[next]) >= 0)
        tabs_->setCurrentWidget(stops[next]);
    QWidget* first = stops[next] == plot_ ? plot_->FirstControl() : FirstControl(stops[next]);
    if (first != nullptr)
        first->setFocus(Qt::ShortcutFocusReason);
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
    // The values as the form shows them, not the texts it was given.
    const std::vector<std::string> shown = engine::Recalculate(form_, state_).texts;
    QApplication::clipboard()->setText(QString::fromStdString(engine::CopyValuesText(form_, shown)));
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
