#pragma once
// The "Inverting amplifier" dialog: the menu command that opens it, its help topic, its control ids.

namespace ids::inverting_amp {

inline constexpr int kCommand = 32781;  // the main menu's command that opens it
inline constexpr int kHelpTopic = 130;  // its topic in the help file
inline constexpr int kDialog = 160;
inline constexpr int kClose = 1106;
inline constexpr int kHelp = 1107;
inline constexpr int kModeR1AndR2 = 1101;  // "R1 and R2"
inline constexpr int kModeR1AndG = 1102;   // "R1 and G"
inline constexpr int kEditG = 1105;
inline constexpr int kEditR1 = 1103;
inline constexpr int kEditR2 = 1104;

}  // namespace ids::inverting_amp
