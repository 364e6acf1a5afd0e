#include "engine/FormModel.h"

namespace engine {

const char* QuantityName(Quantity quantity) {
    switch (quantity) {
        case Quantity::kResistance:
            return "resistance";
        case Quantity::kCapacitance:
            return "capacitance";
        case Quantity::kInductance:
            return "inductance";
        case Quantity::kTime:
            return "time";
        case Quantity::kFrequency:
            return "frequency";
        case Quantity::kVoltage:
            return "voltage";
        case Quantity::kCurrent:
            return "current";
        case Quantity::kPower:
            return "power";
        case Quantity::kGain:
            return "gain";
        case Quantity::kRatio:
            return "ratio";
        case Quantity::kPercent:
            return "percent";
        case Quantity::kCount:
            return "count";
        case Quantity::kLength:
            return "length";
        case Quantity::kTemperature:
            return "temperature";
        case Quantity::kThermalResistance:
            return "thermal resistance";
    }
    return "";
}

FormModel NamedModel(const FormName& name) {
    return FormModel{.className = name.className,
                     .alias = name.alias,
                     .caption = name.caption,
                     .fields = {},
                     .radioGroups = {},
                     .inputsByMode = {}};
}

int FormModel::FieldIndexByName(std::string_view name) const {
    for (size_t i = 0; i < fields.size(); ++i) {
        if (name == fields[i].name)
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace engine
