#pragma once
// The "Two capacitors" dialog: the menu command that opens it, its help topic, its control ids.

namespace ids::two_capacitors {

inline constexpr int kCommand = 32776;  // the main menu's command that opens it
inline constexpr int kHelpTopic = 100;  // its topic in the help file
inline constexpr int kDialog = 143;
inline constexpr int kClose = 1057;
inline constexpr int kHelp = 1056;
inline constexpr int kModeC1AndC2 = 1046;   // "C1 and C2"
inline constexpr int kModeCAndC1 = 1047;    // "C and C1"
inline constexpr int kModeSerial = 1054;    // "Serial"
inline constexpr int kModeParallel = 1055;  // "Parallel"
inline constexpr int kEditC = 1050;
inline constexpr int kEditC1 = 1048;
inline constexpr int kEditC2 = 1049;
inline constexpr int kEditU = 1053;
inline constexpr int kEditU1 = 1051;
inline constexpr int kEditU2 = 1052;

}  // namespace ids::two_capacitors
