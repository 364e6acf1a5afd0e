#pragma once
// The "Two resistors" dialog: the menu command that opens it, its help topic, its control ids.

namespace ids::two_resistors {

inline constexpr int kCommand = 32785;  // the main menu's command that opens it
inline constexpr int kHelpTopic = 105;  // its topic in the help file
inline constexpr int kDialog = 139;
inline constexpr int kClose = 1014;
inline constexpr int kHelp = 1015;
inline constexpr int kModeR1AndR2 = 1016;   // "R1 and R2"
inline constexpr int kModeRAndR1 = 1017;    // "R and R1"
inline constexpr int kModeSerial = 1018;    // "Serial"
inline constexpr int kModeParallel = 1019;  // "Parallel"
inline constexpr int kEditI = 1026;
inline constexpr int kEditI1 = 1024;
inline constexpr int kEditI2 = 1025;
inline constexpr int kEditR = 1023;
inline constexpr int kEditR1 = 1021;
inline constexpr int kEditR2 = 1022;
inline constexpr int kEditU = 1029;
inline constexpr int kEditU1 = 1027;
inline constexpr int kEditU2 = 1028;

}  // namespace ids::two_resistors
