#pragma once
// The "Summator" dialog: the menu command that opens it, its help topic, its control ids.

namespace ids::subtractor {

inline constexpr int kCommand = 32798;  // the main menu's command that opens it
inline constexpr int kHelpTopic = 145;  // its topic in the help file
inline constexpr int kDialog = 165;
inline constexpr int kClose = 1146;
inline constexpr int kHelp = 1145;
inline constexpr int kModeR1R2AndR3 = 1138;  // "R1, R2 and R3"
inline constexpr int kModeG1G2AndR2 = 1139;  // "G1, G2 and R2"
inline constexpr int kEditG1 = 1143;
inline constexpr int kEditG2 = 1144;
inline constexpr int kEditR1 = 1140;
inline constexpr int kEditR2 = 1141;
inline constexpr int kEditR3 = 1142;

}  // namespace ids::subtractor
