#include "forms/panels/DesignSection.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>

#include "core/EngValue.h"
#include "engine/parts/PartsText.h"
#include "forms/panels/PartsPanel.h"
#include "forms/panels/YieldPlot.h"

namespace forms {

namespace {

using namespace engine::design;

constexpr int kPollMs = 50;
constexpr int kProgressSteps = 1000;
constexpr double kMaxWindowPercent = 1000;

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString Utf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Value(double value) {
    return Latin1(FormatEngValue(value)).trimmed();
}

QString Percent(double fraction, int decimals = 2, bool sign = true) {
    char text[48];
    std::snprintf(text, sizeof text, sign ? "%+.*f %%" : "%.*f %%", decimals, fraction * 100);
    return QString::fromLatin1(text);
}

QString PartCell(const DesignPart& part, const PartChoice& choice) {
    if (choice.pair)
        return Latin1(engine::parts::PairText(*choice.pair, part.kind)) + QStringLiteral(" (") +
               Value(choice.value) + QLatin1Char(')');
    return Value(choice.value);
}

QString YieldCell(const YieldResult& yield) {
    return Percent(yield.share, 1, false) + QStringLiteral(" (") + Percent(yield.low, 1, false) +
           QStringLiteral(" - ") + Percent(yield.high, 1, false) + QLatin1Char(')');
}

// The form as "Use standard values" leaves it: the as-built mode, the free
// parts at the combination's values, recalculated once.
engine::FormState CandidateState(const DesignProblem& problem, const engine::FormState& searched,
                                 const Candidate& candidate) {
    engine::FormState state = searched;
    state.texts.resize(problem.form->fields.size());
    state.modes = problem.modes;
    for (size_t p = 0; p < problem.parts.size(); ++p) {
        if (!problem.parts[p].fixed)
            state.texts[static_cast<size_t>(problem.parts[p].field)] =
                FormatEngValue(candidate.parts[p].value);
    }
    state.texts = engine::Recalculate(*problem.form, state).texts;
    return state;
}

QPushButton* Button(QWidget* parent, const QString& text, const char* name, const QString& description) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setAccessibleDescription(description);
    return button;
}

}  // namespace

bool SameInputs(const DesignInputs& a, const DesignInputs& b) {
    const DesignOptions &x = a.options, &y = b.options;
    return a.form == b.form && a.state.texts == b.state.texts && a.state.modes == b.state.modes &&
           a.state.checks == b.state.checks && x.seriesR == y.seriesR && x.seriesC == y.seriesC &&
           x.fixed == y.fixed && x.pairs == y.pairs && x.tolerancePercent == y.tolerancePercent &&
           a.yield.windowPercent == b.yield.windowPercent;
}

DesignSection::DesignSection(PartsPanel* panel) : QGroupBox(tr("Best combinations"), panel), panel_(panel) {
    setObjectName(QStringLiteral("BestCombinations"));
    // Folded until asked for: the panel keeps its size on every form until then.
    setCheckable(true);
    setChecked(false);
    setAccessibleDescription(tr("Check to search the best combinations of standard parts"));
    auto* body = new QWidget(this);
    body->hide();
    (new QVBoxLayout(this))->addWidget(body);
    connect(this, &QGroupBox::toggled, body, &QWidget::setVisible);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    choices_ = new QGridLayout;
    layout->addLayout(choices_);
    pairs_ = new QCheckBox(tr("Allow pai&rs"), this);
    pairs_->setObjectName(QStringLiteral("DesignPairs"));
    pairs_->setAccessibleDescription(tr("A part may also be two, in series or in parallel"));

    find_ = Button(this, tr("&Find"), "DesignFind",
                   tr("Searches the combinations of standard parts nearest to what the form is given"));
    cancel_ = Button(this, tr("Cance&l"), "DesignCancel", tr("Stops the search"));
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("DesignProgress"));
    progress_->setAccessibleName(tr("Search progress"));
    progress_->setRange(0, kProgressSteps);
    progress_->hide();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(pairs_);
    buttons->addSpacing(12);
    buttons->addWidget(find_);
    buttons->addWidget(cancel_);
    buttons->addWidget(progress_, 1);
    buttons->addStretch();
    layout->addLayout(buttons);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("DesignStatus"));
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    layout->addWidget(status_);

    table_ = new QTableWidget(0, 0, this);
    table_->setObjectName(QStringLiteral("DesignTable"));
    table_->setAccessibleName(tr("Best combinations"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setTabKeyNavigation(false);
    table_->verticalHeader()->hide();
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->hide();
    layout->addWidget(table_, 0, Qt::AlignLeft);

    use_ = Button(this, tr("U&se combination"), "DesignUse",
                  tr("Puts the selected combination into the form, in the mode that takes the parts"));
    auto* useRow = new QHBoxLayout;
    useRow->addWidget(use_);
    plotHint_ = new QLabel(tr("The Plot panel (Ctrl+P) draws the selected row's builds."), this);
    plotHint_->setObjectName(QStringLiteral("DesignPlotHint"));
    plotHint_->hide();
    useRow->addWidget(plotHint_);
    useRow->addStretch();
    layout->addLayout(useRow);

    poll_ = new QTimer(this);
    poll_->setInterval(kPollMs);
    connect(poll_, &QTimer::timeout, this, [this] { Poll(); });
    connect(find_, &QPushButton::clicked, this, [this] { Find(); });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        if (run_ != nullptr)
            run_->Cancel();
    });
    connect(use_, &QPushButton::clicked, this, [this] { UseSelected(); });
    connect(pairs_, &QCheckBox::toggled, this, [this] { Follow(); });
    connect(table_, &QTableWidget::currentCellChanged, this, [this] { ShowSelected(); });
    connect(panel_, &PartsPanel::Refreshed, this, [this] { Follow(); });
    Follow();
}

// Joins a running search before the widgets it reports to go.
DesignSection::~DesignSection() {
    table_->disconnect(this);  // its rows go after this section's members
    run_.reset();
}

void DesignSection::Stop() {
    if (run_ == nullptr)
        return;
    run_.reset();
    poll_->stop();
    progress_->hide();
    SetStatus(tr("The search stopped when the panel was closed."));
    UpdateButtons();
}

QString DesignSection::Status() const {
    return status_->text();
}

void DesignSection::SetStatus(const QString& text) {
    status_->setText(text);
    status_->setVisible(!text.isEmpty());
    table_->setAccessibleDescription(text);
}

// The parts and targets of the form as it is now; the choices are made again
// only when they are others.
void DesignSection::Follow() {
    const engine::FormModel* form = panel_->Form();
    const DesignProblem named = form != nullptr ? MakeProblem(*form, panel_->State()) : DesignProblem{};
    why_ = form == nullptr ? std::string("no form") : named.why;
    BuildChoices(named);
    const DesignInputs now = Inputs();
    if (run_ != nullptr && !SameInputs(now, runInputs_)) {
        run_.reset();
        poll_->stop();
        progress_->hide();
        SetStatus(tr("The search stopped: the form or the choices changed. Press Find again."));
    }
    if (shown_ && !stale_ && !SameInputs(now, shown_->inputs)) {
        stale_ = true;
        SetStatus(tr("Found for the form's earlier values or choices: press Find for these."));
        if (distributionChanged_)
            distributionChanged_();
    }
    if (!why_.empty() && form != nullptr && run_ == nullptr && !shown_)
        SetStatus(tr("Nothing to search: %1.").arg(Latin1(why_)));
    else if (why_.empty() && run_ == nullptr && !shown_ && status_->text().startsWith(tr("Nothing")))
        SetStatus(QString());
    UpdateButtons();
}

void DesignSection::BuildChoices(const DesignProblem& named) {
    std::vector<std::string> parts, targets;
    for (const DesignPart& part : named.parts)
        parts.push_back(part.name);
    for (const DesignTarget& target : named.targets)
        targets.push_back(target.name);
    if (parts == partNames_ && targets == targetNames_)
        return;
    partNames_ = parts;
    targetNames_ = targets;
    fixes_.clear();  // deleted with the layout's items below
    windows_.clear();
    while (QLayoutItem* item = choices_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    if (!parts.empty())
        choices_->addWidget(new QLabel(tr("Fix at the form's value:"), this), 0, 0);
    for (size_t i = 0; i < parts.size(); ++i) {
        const QString name = Latin1(parts[i]);
        auto* fix = new QCheckBox(name, this);
        fix->setObjectName(QStringLiteral("DesignFix") + name);
        fix->setAccessibleName(tr("Fix %1").arg(name));
        fix->setAccessibleDescription(tr("Keeps %1 at the value the form shows").arg(name));
        connect(fix, &QCheckBox::toggled, this, [this] { Follow(); });
        choices_->addWidget(fix, 0, static_cast<int>(i) + 1);
        fixes_.push_back(fix);
    }
    if (!targets.empty())
        choices_->addWidget(new QLabel(tr("Yield window, ±:"), this), 1, 0);
    for (size_t i = 0; i < targets.size(); ++i) {
        const QString name = Latin1(targets[i]);
        auto* window = new QDoubleSpinBox(this);
        window->setObjectName(QStringLiteral("DesignWindow") + name);
        window->setRange(0, kMaxWindowPercent);
        window->setDecimals(1);
        window->setSingleStep(0.5);
        window->setPrefix(name + QStringLiteral(" "));
        window->setSuffix(QStringLiteral(" %"));
        window->setSpecialValueText(name + tr(" none"));
        window->setAccessibleName(tr("Yield window of %1, plus or minus percent").arg(name));
        window->setAccessibleDescription(tr("None: no yield for %1").arg(name));
        connect(window, &QDoubleSpinBox::valueChanged, this, [this] { Follow(); });
        choices_->addWidget(window, 1, static_cast<int>(i) + 1);
        windows_.push_back(window);
    }
    for (int column = 0; column < choices_->columnCount(); ++column)
        choices_->setColumnStretch(column, 0);
    choices_->setColumnStretch(static_cast<int>(std::max(parts.size(), targets.size())) + 1, 1);
    // Tab runs on from the panel's button above through the choices in reading order, then the buttons.
    std::vector<QWidget*> order{panel_->findChild<QWidget*>(QStringLiteral("UseStandardValues"))};
    order.insert(order.end(), fixes_.begin(), fixes_.end());
    order.insert(order.end(), windows_.begin(), windows_.end());
    order.insert(order.end(), {pairs_, find_, cancel_, table_, use_});
    for (size_t i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

DesignInputs DesignSection::Inputs() const {
    DesignInputs inputs;
    inputs.form = panel_->Form();
    inputs.state = panel_->State();
    const engine::parts::PartsOptions parts = panel_->Options();
    inputs.options.seriesR = parts.seriesR;
    inputs.options.seriesC = parts.seriesC;
    inputs.options.tolerancePercent = parts.tolerancePercent;
    inputs.options.pairs = pairs_->isChecked();
    for (size_t i = 0; i < fixes_.size(); ++i)
        if (fixes_[i]->isChecked())
            inputs.options.fixed.insert(partNames_[i]);
    for (size_t i = 0; i < windows_.size(); ++i)
        if (windows_[i]->value() > 0)
            inputs.yield.windowPercent[targetNames_[i]] = windows_[i]->value();
    return inputs;
}

void DesignSection::Find() {
    if (run_ != nullptr || panel_->Form() == nullptr)
        return;
    DesignInputs inputs = Inputs();
    DesignProblem problem = MakeProblem(*inputs.form, inputs.state, inputs.options);
    if (!problem.Searchable()) {
        SetStatus(tr("Nothing to search: %1.").arg(Latin1(problem.why)));
        return;
    }
    const bool focused = find_->hasFocus();
    runInputs_ = std::move(inputs);
    run_ = std::make_unique<DesignRun>(std::move(problem), runInputs_.yield, kDefaultTop);
    progress_->setValue(0);
    progress_->show();
    SetStatus(tr("Searching..."));
    poll_->start();
    UpdateButtons();
    if (focused)
        cancel_->setFocus(Qt::OtherFocusReason);
}

void DesignSection::Poll() {
    if (run_ == nullptr) {
        poll_->stop();
        return;
    }
    progress_->setValue(static_cast<int>(run_->Progress() * kProgressSteps));
    if (run_->Done())
        Finish();
}

void DesignSection::Finish() {
    poll_->stop();
    progress_->hide();
    const bool focused = cancel_->hasFocus();
    std::unique_ptr<DesignRun> run = std::move(run_);
    if (run->Result().cancelled) {
        SetStatus(tr("The search was cancelled."));
    } else {
        shown_ = Found{runInputs_, run->Problem(), run->Result()};
        stale_ = false;
        const size_t count = shown_->result.search.candidates.size();
        SetStatus(count == 0 ? tr("No combination of these parts gives the targets.")
                             : tr("The %1 best of %2 combinations, best first.")
                                   .arg(count)
                                   .arg(shown_->result.search.combinations, 0, 'g', 3));
        FillTable();
    }
    run.reset();
    UpdateButtons();
    if (focused)
        (table_->isVisible() ? static_cast<QWidget*>(table_) : find_)->setFocus(Qt::OtherFocusReason);
}

// A row per combination: the parts, then each target's output with its
// error and its worst case over the tolerances, then the yield.
void DesignSection::FillTable() {
    const DesignProblem& problem = shown_->problem;
    const DesignRunResult& result = shown_->result;
    QStringList headers;
    for (const DesignPart& part : problem.parts)
        headers << Latin1(part.name);
    for (const DesignTarget& target : problem.targets) {
        const QString name = Latin1(target.name);
        headers << (target.unit.empty() ? name : name + QStringLiteral(" (") + Utf8(target.unit) + ')')
                << tr("%1 worst case").arg(name);
    }
    if (!result.yields.empty())
        headers << tr("Yield");
    table_->clear();
    table_->setColumnCount(static_cast<int>(headers.size()));
    table_->setHorizontalHeaderLabels(headers);
    table_->setRowCount(static_cast<int>(result.search.candidates.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const Candidate& candidate = result.search.candidates[static_cast<size_t>(row)];
        QStringList cells;
        for (size_t p = 0; p < problem.parts.size(); ++p)
            cells << PartCell(problem.parts[p], candidate.parts[p]);
        for (size_t t = 0; t < problem.targets.size(); ++t)
            cells << Value(candidate.outputs[t]) + QStringLiteral(" (") + Percent(candidate.errors[t]) + ')'
                  << Latin1(engine::parts::RangeText(candidate.low[t], candidate.high[t]));
        if (!result.yields.empty())
            cells << YieldCell(result.yields[static_cast<size_t>(row)]);
        for (int column = 0; column < cells.size(); ++column)
            table_->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    table_->resizeColumnsToContents();
    table_->resizeRowsToContents();
    int width = 2 * table_->frameWidth(), height = width + table_->horizontalHeader()->sizeHint().height();
    for (int column = 0; column < table_->columnCount(); ++column)
        width += table_->columnWidth(column);
    for (int row = 0; row < table_->rowCount(); ++row)
        height += table_->rowHeight(row);
    table_->setFixedSize(width, height);  // the panel scrolls, not the table
    table_->setVisible(table_->rowCount() > 0);
    if (table_->rowCount() > 0)
        table_->setCurrentCell(0, 0);
    ShowSelected();
}

void DesignSection::ShowSelected() {
    plotHint_->setVisible(shown_ && !shown_->result.yields.empty());
    UpdateButtons();
    if (distributionChanged_)
        distributionChanged_();
}

std::optional<engine::plot::Plot> DesignSection::Distribution() const {
    const int row = table_->currentRow();
    if (!shown_ || stale_ || row < 0 || static_cast<size_t>(row) >= shown_->result.yields.size())
        return std::nullopt;
    return YieldPlot(shown_->problem, shown_->result.yields[static_cast<size_t>(row)]);
}

void DesignSection::UseSelected() {
    const int row = table_->currentRow();
    if (!shown_ || row < 0 || static_cast<size_t>(row) >= shown_->result.search.candidates.size())
        return;
    const engine::FormState state = CandidateState(
        shown_->problem, shown_->inputs.state, shown_->result.search.candidates[static_cast<size_t>(row)]);
    emit panel_->StandardValuesRequested(state);
}

void DesignSection::UpdateButtons() {
    find_->setEnabled(run_ == nullptr && why_.empty());
    cancel_->setEnabled(run_ != nullptr);
    use_->setEnabled(shown_ && table_->currentRow() >= 0 && table_->isVisibleTo(this));
    for (QCheckBox* fix : fixes_)
        fix->setEnabled(why_.empty());
}

}  // namespace forms
