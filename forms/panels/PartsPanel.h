#pragma once
// The Parts panel beside a form: the standard value of each of its parts,
// what the circuit does with them and how far the tolerances move it. It
// follows the form: the dialog calls Update after every recalculation.

#include <QMetaType>
#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "engine/FormModel.h"
#include "engine/Recalculation.h"
#include "engine/parts/PartsReport.h"

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;

Q_DECLARE_METATYPE(engine::FormState)

class CPartsPanel : public QWidget {
    Q_OBJECT

  public:
    explicit CPartsPanel(QWidget* parent = nullptr);

    void Update(const engine::FormModel& form, const engine::FormState& state);
    const engine::parts::PartsReport& Report() const { return report_; }

  signals:
    // "Use standard values": the form with its parts at the values shown and
    // the mode that takes them as inputs, recalculated once.
    void StandardValuesRequested(const engine::FormState& state);

  private:
    struct PartRow {
        QLabel* name;
        QLabel* form;
        QComboBox* standard;
        QLabel* deviation;
        QLabel* pair;
    };
    struct OutputRow {
        QLabel* name;
        QLabel* form;
        QLabel* nominal;
        QLabel* deviation;
        QLabel* range;
        QLabel* most;
    };

    engine::parts::PartsOptions Options() const;
    void Refresh();
    void BuildRows();
    void FillParts();
    void FillOutputs();
    void FillMarks();
    void OnSeriesChanged();
    void OnStepChosen(size_t part, int index);
    void OnUseStandardValues();

    const engine::FormModel* form_ = nullptr;
    engine::FormState state_;
    engine::parts::PartsReport report_;
    std::map<std::string, int> steps_;

    QComboBox* seriesR_;
    QComboBox* seriesC_;
    QLabel* summary_;
    QGroupBox* partsBox_;
    QGridLayout* partsGrid_;
    QGroupBox* outputsBox_;
    QGridLayout* outputsGrid_;
    QLabel* marks_;
    QPushButton* useStandard_;
    std::vector<PartRow> partRows_;
    std::vector<OutputRow> outputRows_;
};
