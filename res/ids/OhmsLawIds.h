#pragma once
// The "Ohm's Law" dialog: the menu command that opens it, its help topic, its control ids.

namespace ids::ohms_law {

inline constexpr int kCommand = 32772;  // the main menu's command that opens it
inline constexpr int kHelpTopic = 220;  // its topic in the help file
inline constexpr int kDialog = 129;
inline constexpr int kClose = 1013;
inline constexpr int kHelp = 1012;
inline constexpr int kModeRAndI = 1005;  // "R and I"
inline constexpr int kModeRAndU = 1007;  // "R and U"
inline constexpr int kModeRAndP = 1008;  // "R and P"
inline constexpr int kModeIAndU = 1009;  // "I and U"
inline constexpr int kModeIAndP = 1010;  // "I and P"
inline constexpr int kModeUAndP = 1011;  // "U and P"
inline constexpr int kEditI = 1000;
inline constexpr int kEditP = 1006;
inline constexpr int kEditR = 1001;
inline constexpr int kEditU = 1002;

}  // namespace ids::ohms_law
