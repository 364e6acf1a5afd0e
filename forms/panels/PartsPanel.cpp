#include "forms/panels/PartsPanel.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "core/EngValue.h"
#include "engine/parts/PartsText.h"

using namespace engine::parts;

namespace forms {

namespace {

// Each part offers this many standard values on either side of the nearest.
constexpr int kStepsEachWay = 3;
// The tolerances parts are sold with, in percent.
constexpr double kTolerances[] = {0.1, 0.25, 0.5, 1, 2, 5, 10, 20};

const char kSeriesRKey[] = "parts/seriesR";
const char kSeriesCKey[] = "parts/seriesC";

enum PartColumn { kPartName, kPartForm, kPartStandard, kPartTolerance, kPartDeviation, kPartPair };
enum OutputColumn { kOutputName, kOutputForm, kOutputNominal, kOutputDeviation, kOutputRange, kOutputMost };

QString Text(const std::string& latin1) {
    return QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size()));
}

QString Value(double value) {
    return Text(FormatEngValue(value));
}

QString ToleranceKey(const engine::FormModel& form, const std::string& part) {
    return QStringLiteral("parts/tolerance/%1/%2").arg(QString::fromLatin1(form.className), Text(part));
}

QString Percent(double percent) {
    return QString::number(percent, 'g', 3) + QStringLiteral(" %");
}

QComboBox* SeriesChooser(QWidget* parent, const char* key, Series fallback) {
    auto* chooser = new QComboBox(parent);
    for (const Series series : kAllSeries)
        chooser->addItem(QString::fromLatin1(SeriesName(series)), static_cast<int>(series));
    const std::optional<Series> saved =
        ParseSeries(QSettings().value(QString::fromLatin1(key)).toString().toStdString());
    chooser->setCurrentIndex(static_cast<int>(saved.value_or(fallback)));
    return chooser;
}

// A table that is as large as its rows and columns: the panel scrolls, not the table.
QTableWidget* Table(QWidget* parent, const QString& name, const QStringList& headers) {
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setObjectName(name);
    table->setAccessibleName(name);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);  // the choosers in it take the keys
    table->setTabKeyNavigation(false);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->horizontalHeader()->setHighlightSections(false);
    return table;
}

void SetCell(QTableWidget* table, int row, int column, const QString& text, bool marked = false) {
    QTableWidgetItem* item = table->item(row, column);
    if (item == nullptr) {
        item = new QTableWidgetItem;
        table->setItem(row, column, item);
    }
    item->setText(text);
    QFont font = table->font();
    font.setBold(marked);  // bold reads in any palette
    item->setFont(font);
}

// Fitted again after every change, so that no cell is cut.
void Fit(QTableWidget* table) {
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    const int frame = 2 * table->frameWidth();
    int width = frame, height = frame + table->horizontalHeader()->sizeHint().height();
    for (int column = 0; column < table->columnCount(); ++column)
        width += table->columnWidth(column);
    for (int row = 0; row < table->rowCount(); ++row)
        height += table->rowHeight(row);
    table->setFixedSize(width, height);
}

// The circuit gave a value, not Error.
bool IsValue(double value) {
    return std::isfinite(value) && value != kErrorValue;
}

bool OverLimit(const std::optional<double>& deviation) {
    return deviation && std::fabs(*deviation) > kMarkedDeviation;
}

// What a table row already shows: a part without value ("none"), a
// deviation in its Dev. column, an output that gives Error.
bool ShownInTables(const PartsReport& report, const Mark& mark) {
    const std::string fromForm = " from the form's value";
    const bool deviation =
        mark.why.size() > fromForm.size() &&
        mark.why.compare(mark.why.size() - fromForm.size(), fromForm.size(), fromForm) == 0;
    for (const PartLine& part : report.parts)
        if (part.name == mark.subject && ((!part.standardised && mark.why.rfind("no value", 0) == 0) ||
                                          (deviation && OverLimit(part.deviationPercent))))
            return true;
    for (const OutputLine& output : report.outputs)
        if (output.name == mark.subject &&
            ((deviation && OverLimit(output.deviationPercent)) ||
             (!IsValue(output.nominal) && mark.why.rfind("Error with", 0) == 0)))
            return true;
    return false;
}

}  // namespace

PartsPanel::PartsPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PartsPanel"));
    qRegisterMetaType<engine::FormState>();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(MakeSeriesRow());
    MakeReport(layout);
    layout->addLayout(MakeButtonRow());
    // Further sections go here, below the button of the tables, in Tab order.
    sections_ = new QVBoxLayout;
    sections_->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(sections_);
    layout->addStretch();

    connect(seriesR_, &QComboBox::currentIndexChanged, this, &PartsPanel::OnSeriesChanged);
    connect(seriesC_, &QComboBox::currentIndexChanged, this, &PartsPanel::OnSeriesChanged);
    connect(useStandard_, &QPushButton::clicked, this, [this] {
        if (form_ == nullptr)
            return;
        if (const std::optional<engine::FormState> standard = StandardValuesState(*form_, state_, Options()))
            emit StandardValuesRequested(*standard);
    });
    Refresh();
}

// The series of the resistors and of the capacitors, each with its label.
QHBoxLayout* PartsPanel::MakeSeriesRow() {
    auto* seriesRow = new QHBoxLayout;
    seriesR_ = SeriesChooser(this, kSeriesRKey, Series::kE24);
    seriesC_ = SeriesChooser(this, kSeriesCKey, Series::kE12);
    seriesR_->setObjectName(QStringLiteral("SeriesR"));
    seriesC_->setObjectName(QStringLiteral("SeriesC"));
    auto* seriesRLabel = new QLabel(tr("&Resistors"), this);
    auto* seriesCLabel = new QLabel(tr("C&apacitors"), this);
    seriesRLabel->setBuddy(seriesR_);
    seriesCLabel->setBuddy(seriesC_);
    seriesRow->addWidget(seriesRLabel);
    seriesRow->addWidget(seriesR_);
    seriesRow->addSpacing(12);
    seriesRow->addWidget(seriesCLabel);
    seriesRow->addWidget(seriesC_);
    seriesRow->addStretch();
    return seriesRow;
}

// The summary, the tables of the parts and of the outputs, and the marks.
void PartsPanel::MakeReport(QVBoxLayout* layout) {
    summary_ = new QLabel(this);
    summary_->setTextFormat(Qt::PlainText);
    summary_->setWordWrap(true);
    layout->addWidget(summary_);

    partsBox_ = new QGroupBox(tr("Parts"), this);
    partsTable_ =
        Table(partsBox_, QStringLiteral("Parts"),
              {tr("Part"), tr("Form"), tr("Standard"), tr("Tolerance"), tr("Dev."), tr("Better pair")});
    (new QVBoxLayout(partsBox_))->addWidget(partsTable_, 0, Qt::AlignLeft | Qt::AlignTop);
    partsBox_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    layout->addWidget(partsBox_);
    outputsBox_ = new QGroupBox(tr("As built"), this);
    outputsTable_ =
        Table(outputsBox_, QStringLiteral("As built"),
              {tr("Output"), tr("Form"), tr("As built"), tr("Dev."), tr("Min - Max"), tr("Most from")});
    (new QVBoxLayout(outputsBox_))->addWidget(outputsTable_, 0, Qt::AlignLeft | Qt::AlignTop);
    outputsBox_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    layout->addWidget(outputsBox_);

    marks_ = new QLabel(this);
    marks_->setObjectName(QStringLiteral("Marks"));
    marks_->setTextFormat(Qt::PlainText);
    marks_->setWordWrap(true);
    layout->addWidget(marks_);
}

QHBoxLayout* PartsPanel::MakeButtonRow() {
    useStandard_ = new QPushButton(tr("&Use standard values"), this);
    useStandard_->setObjectName(QStringLiteral("UseStandardValues"));
    useStandard_->setAutoDefault(false);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(useStandard_);
    buttonRow->addStretch();
    return buttonRow;
}

void PartsPanel::AddSection(QWidget* section) {
    sections_->addWidget(section);
}

PartsOptions PartsPanel::Options() const {
    PartsOptions options;
    options.seriesR = static_cast<Series>(seriesR_->currentData().toInt());
    options.seriesC = static_cast<Series>(seriesC_->currentData().toInt());
    options.steps = steps_;
    options.tolerancePercent = tolerances_;
    return options;
}

void PartsPanel::Update(const engine::FormModel& form, const engine::FormState& state) {
    if (&form != form_) {
        steps_.clear();
        tolerances_.clear();
        // The tolerances chosen for this form's parts before.
        QSettings settings;
        settings.beginGroup(QStringLiteral("parts/tolerance/") + QString::fromLatin1(form.className));
        for (const QString& part : settings.childKeys()) {
            bool ok = false;
            const double percent = settings.value(part).toDouble(&ok);
            if (ok && percent > 0 && percent < 100)
                tolerances_[part.toStdString()] = percent;
        }
    }
    form_ = &form;
    state_ = state;
    Refresh();
}

void PartsPanel::Refresh() {
    report_ = form_ != nullptr ? AnalyseParts(*form_, state_, Options()) : PartsReport{};
    partsBox_->setVisible(report_.hasParts);
    outputsBox_->setVisible(report_.hasParts);
    useStandard_->setEnabled(report_.canApply);
    if (!report_.hasParts) {
        summary_->setText(form_ == nullptr ? QString()
                                           : tr("No standard parts: %1.").arg(Text(report_.noParts)));
    } else if (report_.asBuiltMode >= 0) {
        summary_->setText(tr("As built with \"%1\", %2 tolerance corners.")
                              .arg(Text(report_.asBuiltCaption))
                              .arg(report_.corners));
    } else {
        summary_->setText(tr("The designed stage as built, %1 tolerance corners.").arg(report_.corners));
    }
    BuildParts();
    FillParts();
    FillOutputs();
    FillMarks();
    emit Refreshed();
}

QComboBox* PartsPanel::CellChooser(size_t part, int column) const {
    return qobject_cast<QComboBox*>(partsTable_->cellWidget(static_cast<int>(part), column));
}

// The choosers of each part, made again only when the parts are others.
void PartsPanel::BuildParts() {
    const int rows = report_.hasParts ? static_cast<int>(report_.parts.size()) : 0;
    bool same = partsTable_->rowCount() == rows;
    for (int i = 0; same && i < rows; ++i)
        same = CellChooser(static_cast<size_t>(i), kPartStandard)->objectName() ==
               Text("Standard" + report_.parts[static_cast<size_t>(i)].name);
    if (same)
        return;
    partsTable_->setRowCount(0);
    partsTable_->setRowCount(rows);
    QWidget* previous = seriesC_;
    for (int row = 0; row < rows; ++row) {
        const size_t i = static_cast<size_t>(row);
        const QString name = Text(report_.parts[i].name);
        auto* standard = new QComboBox;
        standard->setObjectName(QStringLiteral("Standard") + name);
        standard->setAccessibleName(name);
        auto* tolerance = new QComboBox;
        tolerance->setObjectName(QStringLiteral("Tolerance") + name);
        tolerance->setAccessibleName(tr("Tolerance of %1").arg(name));
        partsTable_->setCellWidget(row, kPartStandard, standard);
        partsTable_->setCellWidget(row, kPartTolerance, tolerance);
        connect(standard, &QComboBox::activated, this, [this, i](int index) { OnStepChosen(i, index); });
        connect(tolerance, &QComboBox::activated, this,
                [this, i](int index) { OnToleranceChosen(i, index); });
        setTabOrder(previous, standard);
        setTabOrder(standard, tolerance);
        previous = tolerance;
    }
    setTabOrder(previous, useStandard_);
}

void PartsPanel::FillParts() {
    for (size_t i = 0; i < static_cast<size_t>(partsTable_->rowCount()); ++i) {
        const PartLine& part = report_.parts[i];
        const int row = static_cast<int>(i);
        SetCell(partsTable_, row, kPartName, Text(part.name));
        SetCell(partsTable_, row, kPartForm, Value(part.formValue));
        QComboBox* chooser = CellChooser(i, kPartStandard);
        {
            const QSignalBlocker blocker(chooser);
            chooser->clear();
            chooser->setEnabled(part.standardised);
            if (part.standardised) {
                // The values around the nearest one; the chosen one is current.
                const std::optional<StandardValue> nearest = Nearest(part.formValue, part.series);
                for (int step = -kStepsEachWay; step <= kStepsEachWay; ++step) {
                    const StandardValue value = Step(*nearest, step);
                    if (value.rank - nearest->rank != step)
                        continue;  // the end of the range
                    chooser->addItem(Value(value.Value()), step);
                }
                chooser->setCurrentIndex(
                    chooser->findData(std::clamp(part.step, -kStepsEachWay, kStepsEachWay)));
            } else {
                chooser->addItem(tr("none"));
            }
        }
        QComboBox* tolerance = CellChooser(i, kPartTolerance);
        {
            const QSignalBlocker blocker(tolerance);
            tolerance->clear();
            bool listed = false;
            for (const double percent : kTolerances) {
                if (!listed && percent > part.tolerancePercent) {
                    tolerance->addItem(Percent(part.tolerancePercent), part.tolerancePercent);
                    listed = true;
                }
                listed = listed || percent == part.tolerancePercent;
                if (tolerance->findData(percent) < 0)
                    tolerance->addItem(Percent(percent), percent);
            }
            if (!listed)
                tolerance->addItem(Percent(part.tolerancePercent), part.tolerancePercent);
            tolerance->setCurrentIndex(tolerance->findData(part.tolerancePercent));
            tolerance->setEnabled(part.standardised);
        }
        SetCell(partsTable_, row, kPartDeviation, Text(DeviationText(part.deviationPercent)),
                OverLimit(part.deviationPercent));
        SetCell(partsTable_, row, kPartPair,
                part.pair ? Text(PairText(*part.pair, part.kind) + " (" +
                                 DeviationText(part.pairDeviationPercent) + ")")
                          : QString());
    }
    Fit(partsTable_);
}

void PartsPanel::FillOutputs() {
    const int rows = report_.hasParts ? static_cast<int>(report_.outputs.size()) : 0;
    outputsTable_->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        const OutputLine& output = report_.outputs[static_cast<size_t>(row)];
        SetCell(outputsTable_, row, kOutputName, Text(output.name));
        SetCell(outputsTable_, row, kOutputForm, Value(output.formValue));
        SetCell(outputsTable_, row, kOutputNominal, Value(output.nominal), !IsValue(output.nominal));
        SetCell(outputsTable_, row, kOutputDeviation, Text(DeviationText(output.deviationPercent)),
                OverLimit(output.deviationPercent));
        SetCell(outputsTable_, row, kOutputRange, Text(RangeText(output.min, output.max)),
                output.failedCorners > 0);
        SetCell(outputsTable_, row, kOutputMost, Text(output.mostSensitive));
    }
    Fit(outputsTable_);
}

void PartsPanel::FillMarks() {
    QStringList lines;
    for (const Mark& mark : report_.marks)
        if (!ShownInTables(report_, mark))
            lines << Text(mark.subject + ": " + mark.why);
    marks_->setText(lines.join(QLatin1Char('\n')));
    marks_->setVisible(!lines.isEmpty());
}

void PartsPanel::OnSeriesChanged() {
    QSettings settings;
    settings.setValue(QString::fromLatin1(kSeriesRKey), seriesR_->currentText());
    settings.setValue(QString::fromLatin1(kSeriesCKey), seriesC_->currentText());
    steps_.clear();
    Refresh();
}

void PartsPanel::OnStepChosen(size_t part, int index) {
    if (part >= report_.parts.size())
        return;
    steps_[report_.parts[part].name] = CellChooser(part, kPartStandard)->itemData(index).toInt();
    Refresh();
}

void PartsPanel::OnToleranceChosen(size_t part, int index) {
    if (part >= report_.parts.size() || form_ == nullptr)
        return;
    const double percent = CellChooser(part, kPartTolerance)->itemData(index).toDouble();
    const std::string& name = report_.parts[part].name;
    tolerances_[name] = percent;
    QSettings().setValue(ToleranceKey(*form_, name), percent);
    Refresh();
}

}  // namespace forms
