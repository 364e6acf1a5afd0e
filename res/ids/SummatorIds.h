#pragma once
// The "Summator" dialog: the menu command that opens it, its help topic, its control ids.

namespace ids::summator {

inline constexpr int kCommand = 32786;  // the main menu's command that opens it
inline constexpr int kHelpTopic = 150;  // its topic in the help file
inline constexpr int kDialog = 164;
inline constexpr int kClose = 1137;
inline constexpr int kHelp = 1136;
inline constexpr int kModeR1R2AndR3 = 1129;  // "R1, R2 and R3"
inline constexpr int kModeG1G2AndR3 = 1130;  // "G1, G2 and R3"
inline constexpr int kEditG1 = 1134;
inline constexpr int kEditG2 = 1135;
inline constexpr int kEditR1 = 1131;
inline constexpr int kEditR2 = 1132;
inline constexpr int kEditR3 = 1133;

}  // namespace ids::summator
