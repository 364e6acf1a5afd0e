#pragma once
// The "RC high pass filter" dialog: the menu command that opens it, its help topic, its control ids.

namespace ids::rc_high_pass {

inline constexpr int kCommand = 32808;  // the main menu's command that opens it
inline constexpr int kHelpTopic = 240;  // its topic in the help file
inline constexpr int kDialog = 171;
inline constexpr int kClose = 1189;
inline constexpr int kHelp = 1188;
inline constexpr int kModeRAndC = 1183;   // "R and C"
inline constexpr int kModeCAndFc = 1184;  // "C and Fc"
inline constexpr int kEditC = 1186;
inline constexpr int kEditFc = 1187;
inline constexpr int kEditR = 1185;

}  // namespace ids::rc_high_pass
