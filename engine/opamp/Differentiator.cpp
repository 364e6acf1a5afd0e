#include "engine/opamp/Differentiator.h"

#include "engine/plot/PlotBuilders.h"
#include "engine/spice/DeckBuilders.h"

const engine::FormModel& DifferentiatorModel() {
    static const engine::FormModel model =
        rc_time::Describe({"CDifferentiatorDlg", "differentiator", "Differentiator"},
                          engine::plot::DifferentiatorPlot, engine::spice::DifferentiatorDeck);
    return model;
}
