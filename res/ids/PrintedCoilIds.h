#pragma once
// The "PCB printed self" dialog: the menu command that opens it, its help topic, its control ids.

namespace ids::printed_coil {

inline constexpr int kCommand = 32779;  // the main menu's command that opens it
inline constexpr int kHelpTopic = 230;  // its topic in the help file
inline constexpr int kDialog = 142;
inline constexpr int kClose = 1045;
inline constexpr int kHelp = 1044;
inline constexpr int kModeD1D2N = 1038;  // "D1, D2, N"
inline constexpr int kModeLD1D2 = 1039;  // "L, D1, D2"
inline constexpr int kEditD1 = 1040;
inline constexpr int kEditD2 = 1041;
inline constexpr int kEditL = 1043;
inline constexpr int kEditN = 1042;

}  // namespace ids::printed_coil
