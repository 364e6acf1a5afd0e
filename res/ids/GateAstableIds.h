#pragma once
// The "Astable oscillator, CMOS gate based" dialog: the menu command that opens it, its help topic, its
// control ids.

namespace ids::gate_astable {

inline constexpr int kCommand = 32803;  // the main menu's command that opens it
inline constexpr int kHelpTopic = 165;  // its topic in the help file
inline constexpr int kDialog = 168;
inline constexpr int kClose = 1168;
inline constexpr int kHelp = 1167;
inline constexpr int kModeRAndC = 1161;  // "R and C"
inline constexpr int kModeRAndT = 1162;  // "R and T"
inline constexpr int kEditC = 1164;
inline constexpr int kEditF = 1166;
inline constexpr int kEditR = 1163;
inline constexpr int kEditT = 1165;

}  // namespace ids::gate_astable
