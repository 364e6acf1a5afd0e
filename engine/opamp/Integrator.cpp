#include "engine/opamp/Integrator.h"

#include "engine/plot/PlotBuilders.h"
#include "engine/spice/DeckBuilders.h"

const engine::FormModel& IntegratorModel() {
    static const engine::FormModel model =
        rc_time::Describe({"CIntegratorDlg", "integrator", "Integrator"}, engine::plot::IntegratorPlot,
                          engine::spice::IntegratorDeck);
    return model;
}
