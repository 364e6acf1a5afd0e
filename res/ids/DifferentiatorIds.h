#pragma once
// The "Differentiator" dialog: the menu command that opens it, its help topic, its control ids.

namespace ids::differentiator {

inline constexpr int kCommand = 32783;  // the main menu's command that opens it
inline constexpr int kHelpTopic = 120;  // its topic in the help file
inline constexpr int kDialog = 162;
inline constexpr int kClose = 1119;
inline constexpr int kHelp = 1118;
inline constexpr int kModeRAndC = 1127;       // "R and C"
inline constexpr int kModeRAndDeltaT = 1128;  // "R and DeltaT"
inline constexpr int kEditC = 1116;
inline constexpr int kEditDeltaT = 1117;
inline constexpr int kEditR = 1115;

}  // namespace ids::differentiator
