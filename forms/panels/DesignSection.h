#pragma once
// "Best combinations" in the Parts panel: the combinations of standard parts
// that come nearest to what the form is given, searched on a thread of its
// own (see DesignRun.h) with the panel's series and tolerances. Each part
// may be fixed at the form's value, pairs allowed, and a window set on each
// target for the yield of the builds; the ten best go into a table, whose
// selected row "Use" puts into the form as "Use standard values" does, and
// whose yield's distribution the Plot panel draws. A change of the form or of
// these choices stops a search that is running and marks results found
// before as such.

#include <QGroupBox>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "engine/design/DesignProblem.h"
#include "engine/design/Yield.h"
#include "engine/plot/Plot.h"
#include "forms/panels/DesignRun.h"

class QCheckBox;
class QDoubleSpinBox;
class QGridLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTimer;

namespace forms {

class PartsPanel;

// What a search is made from: the form as the panel follows it and the choices made here.
struct DesignInputs {
    const engine::FormModel* form = nullptr;
    engine::FormState state;
    engine::design::DesignOptions options;
    engine::design::YieldOptions yield;
};

bool SameInputs(const DesignInputs& a, const DesignInputs& b);

class DesignSection : public QGroupBox {
  public:
    explicit DesignSection(PartsPanel* panel);
    ~DesignSection() override;

    bool Running() const { return run_ != nullptr; }
    // Stops a running search (the panel is closed), waiting for its thread.
    void Stop();
    // The combinations shown, if any, and whether they are for what the form holds now.
    const DesignRunResult* Shown() const { return shown_ ? &shown_->result : nullptr; }
    bool ShownIsCurrent() const { return shown_ && !stale_; }
    QString Status() const;
    // The distribution of the selected row's builds, while it is current and has a yield.
    std::optional<engine::plot::Plot> Distribution() const;
    // Called when another distribution (or none) is to be drawn.
    void OnDistributionChanged(std::function<void()> changed) { distributionChanged_ = std::move(changed); }

  private:
    struct Found {
        DesignInputs inputs;
        engine::design::DesignProblem problem;
        DesignRunResult result;
    };

    void Follow();
    void BuildChoices(const engine::design::DesignProblem& named);
    DesignInputs Inputs() const;
    void Find();
    void Poll();
    void Finish();
    void FillTable();
    void ShowSelected();
    void UseSelected();
    void SetStatus(const QString& text);
    void UpdateButtons();

    PartsPanel* panel_;
    std::vector<std::string> partNames_, targetNames_;
    std::string why_;  // why nothing can be searched now
    QGridLayout* choices_;
    std::vector<QCheckBox*> fixes_;
    std::vector<QDoubleSpinBox*> windows_;
    QCheckBox* pairs_;
    QPushButton* find_;
    QPushButton* cancel_;
    QProgressBar* progress_;
    QLabel* status_;
    QTableWidget* table_;
    QPushButton* use_;
    QLabel* plotHint_;
    std::function<void()> distributionChanged_;
    QTimer* poll_;

    std::unique_ptr<DesignRun> run_;
    DesignInputs runInputs_;
    std::optional<Found> shown_;
    bool stale_ = false;
};

}  // namespace forms
