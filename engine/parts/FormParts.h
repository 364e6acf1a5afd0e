#pragma once
// The parts a form declares in its model (engine/FormFeatures.h).

#include "engine/FormModel.h"

namespace engine::parts {

// The declaration of a form whose parts are its fields; null for one whose
// parts come out of its own design (the class A stage).
inline const FormParts* FindFormParts(const FormModel& form) {
    return form.parts.analyse != nullptr ? nullptr : &form.parts;
}

}  // namespace engine::parts
