#include "engine/Forms.h"

#include <strings.h>

#include "engine/filters/RcHighPass.h"
#include "engine/filters/RcLowPass.h"
#include "engine/filters/RcNotch.h"
#include "engine/inductors/MultiLayerCoil.h"
#include "engine/inductors/PrintedCoil.h"
#include "engine/inductors/SingleLayerCoil.h"
#include "engine/opamp/Differentiator.h"
#include "engine/opamp/Integrator.h"
#include "engine/opamp/InvertingAmp.h"
#include "engine/opamp/NonInvertingAmp.h"
#include "engine/opamp/SchmittTrigger.h"
#include "engine/opamp/Subtractor.h"
#include "engine/opamp/Summator.h"
#include "engine/oscillators/Astable555.h"
#include "engine/oscillators/GateAstable.h"
#include "engine/oscillators/Monostable555.h"
#include "engine/passive/Decibel.h"
#include "engine/passive/FilterCap.h"
#include "engine/passive/OhmsLaw.h"
#include "engine/passive/TwoCapacitors.h"
#include "engine/passive/TwoResistors.h"
#include "engine/semiconductors/ClassAAmp.h"
#include "engine/semiconductors/Heatsink.h"
#include "engine/semiconductors/Zener.h"

namespace engine {

std::span<const FormModel* const> AllForms() {
    // In the order of the main menu.
    static const FormModel* const forms[] = {
        &OhmsLawModel(),         &TwoResistorsModel(),   &TwoCapacitorsModel(), &SingleLayerCoilModel(),
        &MultiLayerCoilModel(),  &PrintedCoilModel(),    &FilterCapModel(),     &DecibelModel(),
        &HeatsinkModel(),        &ZenerModel(),          &ClassAAmpModel(),     &InvertingAmpModel(),
        &NonInvertingAmpModel(), &DifferentiatorModel(), &IntegratorModel(),    &SummatorModel(),
        &SubtractorModel(),      &SchmittTriggerModel(), &Astable555Model(),    &GateAstableModel(),
        &Monostable555Model(),   &RcLowPassModel(),      &RcHighPassModel(),    &RcNotchModel(),
    };
    return forms;
}

const FormModel* FindForm(std::string_view name) {
    for (const FormModel* form : AllForms()) {
        if (name == form->className || name == form->alias)
            return form;
    }
    // Names are also taken in any case, and without the C...Dlg of the class.
    const std::string wanted(name);
    for (const FormModel* form : AllForms()) {
        const std::string bare =
            std::string(form->className).substr(1, std::string(form->className).size() - 4);
        if (strcasecmp(wanted.c_str(), form->className) == 0 ||
            strcasecmp(wanted.c_str(), form->alias) == 0 || strcasecmp(wanted.c_str(), bare.c_str()) == 0)
            return form;
    }
    return nullptr;
}

}  // namespace engine
