#pragma once
// Every dialog layout of the program, by name; the comment gives each one's
// dialog id (kDialog of its res/ids header). One file per form's template,
// besides RcFilterTemplates.cpp (the three RC filters share one layout) and
// ShellTemplates.cpp (About box and menu window). Plain data, no Qt: the
// dialogs build their widgets from them, the binding table (bind/) names
// them per form and its test reads them.

#include "platform/DialogTemplate.h"

namespace templates {

const platform::DialogTemplate& AboutBox();          // 100
const platform::DialogTemplate& MainWindow();        // 102
const platform::DialogTemplate& OhmsLaw();           // 129
const platform::DialogTemplate& Decibel();           // 133
const platform::DialogTemplate& TwoResistors();      // 139
const platform::DialogTemplate& SingleLayerCoil();   // 140
const platform::DialogTemplate& MultiLayerCoil();    // 141
const platform::DialogTemplate& PrintedCoil();       // 142
const platform::DialogTemplate& TwoCapacitors();     // 143
const platform::DialogTemplate& FilterCap();         // 148
const platform::DialogTemplate& Heatsink();          // 149
const platform::DialogTemplate& Zener();             // 150
const platform::DialogTemplate& ClassAAmp();         // 152
const platform::DialogTemplate& InvertingAmp();      // 160
const platform::DialogTemplate& NonInvertingAmp();   // 161
const platform::DialogTemplate& Differentiator();    // 162
const platform::DialogTemplate& Integrator();        // 163
const platform::DialogTemplate& Summator();          // 164
const platform::DialogTemplate& Subtractor();        // 165
const platform::DialogTemplate& SchmittTrigger();    // 166
const platform::DialogTemplate& Monostable555();     // 167
const platform::DialogTemplate& GateAstable();       // 168
const platform::DialogTemplate& Astable555();        // 169
const platform::DialogTemplate& RcLowPass();         // 170
const platform::DialogTemplate& RcHighPass();        // 171
const platform::DialogTemplate& RcNotch();           // 172

}  // namespace templates
