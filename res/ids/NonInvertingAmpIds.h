#pragma once
// The "Non inverting amplifier" dialog: the menu command that opens it, its help topic, its control ids.

namespace ids::non_inverting_amp {

inline constexpr int kCommand = 32782;  // the main menu's command that opens it
inline constexpr int kHelpTopic = 135;  // its topic in the help file
inline constexpr int kDialog = 161;
inline constexpr int kClose = 1114;
inline constexpr int kHelp = 1113;
inline constexpr int kModeR1AndR2 = 1108;  // "R1 and R2"
inline constexpr int kModeR1AndG = 1109;   // "R1 and G"
inline constexpr int kEditG = 1112;
inline constexpr int kEditR1 = 1110;
inline constexpr int kEditR2 = 1111;

}  // namespace ids::non_inverting_amp
