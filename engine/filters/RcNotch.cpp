#include "engine/filters/RcNotch.h"

#include "engine/plot/PlotBuilders.h"
#include "engine/spice/DeckBuilders.h"

const engine::FormModel& RcNotchModel() {
    static const engine::FormModel model =
        rc_filter::Describe({"CRcNotchDlg", "rc-notch", "RC notch filter"}, engine::plot::RcNotchPlot,
                            engine::spice::RcNotchDeck);
    return model;
}
