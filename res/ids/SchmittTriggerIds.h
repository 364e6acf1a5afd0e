#pragma once
// The "Inverting amplifier" dialog: the menu command that opens it, its help topic, its control ids.

namespace ids::schmitt_trigger {

inline constexpr int kCommand = 32800;  // the main menu's command that opens it
inline constexpr int kHelpTopic = 140;  // its topic in the help file
inline constexpr int kDialog = 166;
inline constexpr int kClose = 1153;
inline constexpr int kHelp = 1152;
inline constexpr int kModeR1R2Upwr = 1147;     // "R1, R2, Upwr"
inline constexpr int kModeR2UtrigUpwr = 1148;  // "R2, Utrig, Upwr"
inline constexpr int kEditR1 = 1149;
inline constexpr int kEditR2 = 1150;
inline constexpr int kEditUpwr = 1154;
inline constexpr int kEditUtrig = 1151;

}  // namespace ids::schmitt_trigger
