#include "engine/filters/RcHighPass.h"

#include "engine/plot/PlotBuilders.h"
#include "engine/spice/DeckBuilders.h"

const engine::FormModel& RcHighPassModel() {
    static const engine::FormModel model =
        rc_filter::Describe({"CRcHighPassDlg", "rc-high-pass", "RC high pass filter"},
                            engine::plot::RcHighPassPlot, engine::spice::RcHighPassDeck);
    return model;
}
