#pragma once
// The "Integrator" dialog: the menu command that opens it, its help topic, its control ids.

namespace ids::integrator {

inline constexpr int kCommand = 32799;  // the main menu's command that opens it
inline constexpr int kHelpTopic = 125;  // its topic in the help file
inline constexpr int kDialog = 163;
inline constexpr int kClose = 1126;
inline constexpr int kHelp = 1125;
inline constexpr int kModeRAndC = 1120;       // "R and C"
inline constexpr int kModeRAndDeltaT = 1121;  // "R and DeltaT"
inline constexpr int kEditC = 1123;
inline constexpr int kEditDeltaT = 1124;
inline constexpr int kEditR = 1122;

}  // namespace ids::integrator
