#pragma once
// The Parts panel beside a form: the standard value and tolerance of each of
// its parts, what the circuit does with them and how far the tolerances move
// it, in two tables. It follows the form: the dialog calls Update after
// every recalculation. The panel is a column of sections; AddSection puts
// another one (a search for better combinations, say) below its button.

#include <QMetaType>
#include <QWidget>
#include <map>
#include <string>

#include "engine/FormModel.h"
#include "engine/Recalculation.h"
#include "engine/parts/PartsReport.h"

class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTableWidget;
class QVBoxLayout;

Q_DECLARE_METATYPE(engine::FormState)

namespace forms {

class PartsPanel : public QWidget {
    Q_OBJECT

  public:
    explicit PartsPanel(QWidget* parent = nullptr);

    void Update(const engine::FormModel& form, const engine::FormState& state);
    const engine::parts::PartsReport& Report() const { return report_; }
    const engine::FormModel* Form() const { return form_; }
    const engine::FormState& State() const { return state_; }
    // The series, steps and tolerances chosen in the panel.
    engine::parts::PartsOptions Options() const;

    void AddSection(QWidget* section);

  signals:
    // "Use standard values": the form with its parts at the values shown and
    // the mode that takes them as inputs, recalculated once.
    void StandardValuesRequested(const engine::FormState& state);
    // After each new analysis (another form state, series, step or tolerance).
    void Refreshed();

  private:
    QHBoxLayout* MakeSeriesRow();
    void MakeReport(QVBoxLayout* layout);
    QHBoxLayout* MakeButtonRow();
    void Refresh();
    void BuildParts();
    void FillParts();
    void FillOutputs();
    void FillMarks();
    void OnSeriesChanged();
    void OnStepChosen(size_t part, int index);
    void OnToleranceChosen(size_t part, int index);
    QComboBox* CellChooser(size_t part, int column) const;

    const engine::FormModel* form_ = nullptr;
    engine::FormState state_;
    engine::parts::PartsReport report_;
    std::map<std::string, int> steps_;
    std::map<std::string, double> tolerances_;  // those set in the panel, by part name

    QVBoxLayout* sections_;
    QComboBox* seriesR_;
    QComboBox* seriesC_;
    QLabel* summary_;
    QGroupBox* partsBox_;
    QTableWidget* partsTable_;
    QGroupBox* outputsBox_;
    QTableWidget* outputsTable_;
    QLabel* marks_;
    QPushButton* useStandard_;
};

}  // namespace forms
