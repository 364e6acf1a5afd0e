#pragma once
// The "Class A amplifier" dialog: the menu command that opens it, its help topic, its control ids.

namespace ids::class_a_amp {

inline constexpr int kCommand = 32797;  // the main menu's command that opens it
inline constexpr int kHelpTopic = 160;  // its topic in the help file
inline constexpr int kDialog = 152;
inline constexpr int kClose = 1099;
inline constexpr int kHelp = 1098;
inline constexpr int kEditVcc = 1100;
inline constexpr int kEditBeta = 1102;
inline constexpr int kEditVin = 1103;
inline constexpr int kEditVout = 1104;
inline constexpr int kEditFmin = 1105;
inline constexpr int kEditRc = 1101;
inline constexpr int kEditRl = 1106;
inline constexpr int kCheckMaxGain = 1094;   // "Maximum gain"
inline constexpr int kCheckWithLoad = 1093;  // "With load"
inline constexpr int kStatus = 1097;
inline constexpr int kListComponents = 1095;
inline constexpr int kListOperating = 1096;

}  // namespace ids::class_a_amp
