#pragma once
// The "Monostable oscillator, 555 based" dialog: the menu command that opens it, its help topic, its control
// ids.

namespace ids::monostable555 {

inline constexpr int kCommand = 32802;  // the main menu's command that opens it
inline constexpr int kHelpTopic = 115;  // its topic in the help file
inline constexpr int kDialog = 167;
inline constexpr int kClose = 1160;
inline constexpr int kHelp = 1159;
inline constexpr int kModeR1AndC = 1154;  // "R1 and C"
inline constexpr int kModeR1AndT = 1155;  // "R1 and T"
inline constexpr int kEditC = 1157;
inline constexpr int kEditR1 = 1156;
inline constexpr int kEditT = 1158;

}  // namespace ids::monostable555
