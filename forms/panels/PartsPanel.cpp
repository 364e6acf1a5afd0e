#include "forms/panels/PartsPanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>
#include <cmath>

#include "core/EngValue.h"
#include "engine/parts/PartsText.h"

using namespace engine::parts;

namespace {

// Each part offers this many standard values on either side of the nearest.
constexpr int kStepsEachWay = 3;

const char kSeriesRKey[] = "parts/seriesR";
const char kSeriesCKey[] = "parts/seriesC";

QString Text(const std::string& latin1) {
    return QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size()));
}

QString Value(double value) {
    return Text(FormatEngValue(value));
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

QLabel* Cell(QWidget* parent, const QString& text = {}) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A marked value is bold, so that it reads in any palette.
void Emphasise(QLabel* label, bool marked) {
    QFont font = label->font();
    font.setBold(marked);
    label->setFont(font);
}

bool OverLimit(const std::optional<double>& deviation) {
    return deviation && std::fabs(*deviation) > kMarkedDeviation;
}

void Header(QGridLayout* grid, QWidget* parent, std::initializer_list<const char*> titles) {
    int column = 0;
    for (const char* title : titles) {
        QLabel* label = Cell(parent, QString::fromLatin1(title));
        Emphasise(label, true);
        grid->addWidget(label, 0, column++);
    }
}

void ClearGrid(QGridLayout* grid) {
    while (QLayoutItem* item = grid->takeAt(0)) {
        delete item->widget();
        delete item;
    }
}

}  // namespace

CPartsPanel::CPartsPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PartsPanel"));
    qRegisterMetaType<engine::FormState>();
    auto* layout = new QVBoxLayout(this);

    auto* seriesRow = new QHBoxLayout;
    seriesR_ = SeriesChooser(this, kSeriesRKey, Series::kE24);
    seriesC_ = SeriesChooser(this, kSeriesCKey, Series::kE12);
    seriesR_->setObjectName(QStringLiteral("SeriesR"));
    seriesC_->setObjectName(QStringLiteral("SeriesC"));
    QLabel* seriesRLabel = Cell(this, tr("&Resistors"));
    QLabel* seriesCLabel = Cell(this, tr("C&apacitors"));
    seriesRLabel->setTextFormat(Qt::AutoText);
    seriesCLabel->setTextFormat(Qt::AutoText);
    seriesRLabel->setBuddy(seriesR_);
    seriesCLabel->setBuddy(seriesC_);
    seriesRow->addWidget(seriesRLabel);
    seriesRow->addWidget(seriesR_);
    seriesRow->addSpacing(12);
    seriesRow->addWidget(seriesCLabel);
    seriesRow->addWidget(seriesC_);
    seriesRow->addStretch();
    layout->addLayout(seriesRow);

    summary_ = Cell(this);
    summary_->setWordWrap(true);
    layout->addWidget(summary_);

    partsBox_ = new QGroupBox(tr("Parts"), this);
    partsGrid_ = new QGridLayout(partsBox_);
    layout->addWidget(partsBox_);
    outputsBox_ = new QGroupBox(tr("As built"), this);
    outputsGrid_ = new QGridLayout(outputsBox_);
    layout->addWidget(outputsBox_);

    marks_ = Cell(this);
    marks_->setObjectName(QStringLiteral("Marks"));
    layout->addWidget(marks_);

    useStandard_ = new QPushButton(tr("&Use standard values"), this);
    useStandard_->setObjectName(QStringLiteral("UseStandardValues"));
    useStandard_->setAutoDefault(false);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(useStandard_);
    buttonRow->addStretch();
    layout->addLayout(buttonRow);
    layout->addStretch();

    connect(seriesR_, &QComboBox::currentIndexChanged, this, &CPartsPanel::OnSeriesChanged);
    connect(seriesC_, &QComboBox::currentIndexChanged, this, &CPartsPanel::OnSeriesChanged);
    connect(useStandard_, &QPushButton::clicked, this, &CPartsPanel::OnUseStandardValues);
    Refresh();
}

PartsOptions CPartsPanel::Options() const {
    PartsOptions options;
    options.seriesR = static_cast<Series>(seriesR_->currentData().toInt());
    options.seriesC = static_cast<Series>(seriesC_->currentData().toInt());
    options.steps = steps_;
    return options;
}

void CPartsPanel::Update(const engine::FormModel& form, const engine::FormState& state) {
    if (&form != form_)
        steps_.clear();
    form_ = &form;
    state_ = state;
    Refresh();
}

void CPartsPanel::Refresh() {
    report_ = form_ != nullptr ? AnalyseParts(*form_, state_, Options()) : PartsReport{};
    if (report_.parts.size() != partRows_.size() || report_.outputs.size() != outputRows_.size() ||
        (!partRows_.empty() && partRows_.front().name->text() != Text(report_.parts.front().name)))
        BuildRows();
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
    FillParts();
    FillOutputs();
    FillMarks();
}

void CPartsPanel::BuildRows() {
    ClearGrid(partsGrid_);
    ClearGrid(outputsGrid_);
    partRows_.clear();
    outputRows_.clear();
    if (!report_.hasParts)
        return;
    Header(partsGrid_, partsBox_, {"Part", "Form", "Standard", "Dev.", "Better pair"});
    QWidget* previous = seriesC_;
    for (size_t i = 0; i < report_.parts.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        PartRow cells{Cell(partsBox_), Cell(partsBox_), new QComboBox(partsBox_), Cell(partsBox_),
                      Cell(partsBox_)};
        cells.standard->setObjectName(Text("Standard" + report_.parts[i].name));
        cells.standard->setAccessibleName(Text(report_.parts[i].name));
        cells.standard->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        cells.name->setBuddy(cells.standard);
        partsGrid_->addWidget(cells.name, row, 0);
        partsGrid_->addWidget(cells.form, row, 1);
        partsGrid_->addWidget(cells.standard, row, 2);
        partsGrid_->addWidget(cells.deviation, row, 3);
        partsGrid_->addWidget(cells.pair, row, 4);
        connect(cells.standard, &QComboBox::activated, this,
                [this, i](int index) { OnStepChosen(i, index); });
        setTabOrder(previous, cells.standard);
        previous = cells.standard;
        partRows_.push_back(cells);
    }
    setTabOrder(previous, useStandard_);
    partsGrid_->setColumnStretch(5, 1);

    Header(outputsGrid_, outputsBox_, {"Output", "Form", "As built", "Dev.", "Min - Max", "Most from"});
    for (size_t i = 0; i < report_.outputs.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        OutputRow cells{Cell(outputsBox_), Cell(outputsBox_), Cell(outputsBox_),
                        Cell(outputsBox_), Cell(outputsBox_), Cell(outputsBox_)};
        QLabel* const all[] = {cells.name,      cells.form,  cells.nominal,
                               cells.deviation, cells.range, cells.most};
        for (int column = 0; column < 6; ++column)
            outputsGrid_->addWidget(all[column], row, column);
        outputRows_.push_back(cells);
    }
    outputsGrid_->setColumnStretch(6, 1);
}

void CPartsPanel::FillParts() {
    for (size_t i = 0; i < partRows_.size(); ++i) {
        const PartLine& part = report_.parts[i];
        PartRow& cells = partRows_[i];
        cells.name->setText(Text(part.name));
        cells.form->setText(Value(part.formValue));
        QComboBox* chooser = cells.standard;
        const QSignalBlocker blocker(chooser);
        chooser->clear();
        chooser->setEnabled(part.standardised);
        if (part.standardised) {
            // The values around the nearest one; the chosen one is current.
            const std::optional<StandardValue> nearest = Nearest(part.formValue, part.series);
            for (int step = -kStepsEachWay; step <= kStepsEachWay; ++step) {
                const StandardValue value = Step(*nearest, step);
                if (Step(*nearest, step).rank - nearest->rank != step)
                    continue;  // the end of the range
                chooser->addItem(Value(value.Value()), step);
            }
            chooser->setCurrentIndex(chooser->findData(std::clamp(part.step, -kStepsEachWay, kStepsEachWay)));
        } else {
            chooser->addItem(tr("none"));
        }
        cells.deviation->setText(Text(DeviationText(part.deviationPercent)));
        Emphasise(cells.deviation, OverLimit(part.deviationPercent));
        cells.pair->setText(part.pair ? Text(PairText(*part.pair, part.kind) + " (" +
                                             DeviationText(part.pairDeviationPercent) + ")")
                                      : QString());
    }
}

void CPartsPanel::FillOutputs() {
    for (size_t i = 0; i < outputRows_.size(); ++i) {
        const OutputLine& output = report_.outputs[i];
        OutputRow& cells = outputRows_[i];
        cells.name->setText(Text(output.name));
        cells.form->setText(Value(output.formValue));
        cells.nominal->setText(Value(output.nominal));
        cells.deviation->setText(Text(DeviationText(output.deviationPercent)));
        Emphasise(cells.deviation, OverLimit(output.deviationPercent));
        cells.range->setText(Text(RangeText(output.min, output.max)));
        Emphasise(cells.range, output.failedCorners > 0);
        cells.most->setText(Text(output.mostSensitive));
    }
}

void CPartsPanel::FillMarks() {
    QStringList lines;
    for (const Mark& mark : report_.marks)
        lines << Text(mark.subject + ": " + mark.why);
    marks_->setText(lines.join(QLatin1Char('\n')));
    marks_->setVisible(!lines.isEmpty());
}

void CPartsPanel::OnSeriesChanged() {
    QSettings settings;
    settings.setValue(QString::fromLatin1(kSeriesRKey), seriesR_->currentText());
    settings.setValue(QString::fromLatin1(kSeriesCKey), seriesC_->currentText());
    steps_.clear();
    Refresh();
}

void CPartsPanel::OnStepChosen(size_t part, int index) {
    if (part >= report_.parts.size())
        return;
    steps_[report_.parts[part].name] = partRows_[part].standard->itemData(index).toInt();
    Refresh();
}

void CPartsPanel::OnUseStandardValues() {
    if (form_ == nullptr)
        return;
    if (const std::optional<engine::FormState> standard = StandardValuesState(*form_, state_, Options()))
        emit StandardValuesRequested(*standard);
}
