#include "engine/filters/RcLowPass.h"

#include "engine/plot/PlotBuilders.h"
#include "engine/spice/DeckBuilders.h"

const engine::FormModel& RcLowPassModel() {
    static const engine::FormModel model =
        rc_filter::Describe({"CRcLowPassDlg", "rc-low-pass", "RC low pass filter"},
                            engine::plot::RcLowPassPlot, engine::spice::RcLowPassDeck);
    return model;
}
