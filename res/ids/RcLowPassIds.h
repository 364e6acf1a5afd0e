#pragma once
// The "RC low pass filter" dialog: the menu command that opens it, its help topic, its control ids.

namespace ids::rc_low_pass {

inline constexpr int kCommand = 32807;  // the main menu's command that opens it
inline constexpr int kHelpTopic = 245;  // its topic in the help file
inline constexpr int kDialog = 170;
inline constexpr int kClose = 1182;
inline constexpr int kHelp = 1181;
inline constexpr int kModeRAndC = 1176;   // "R and C"
inline constexpr int kModeCAndFc = 1177;  // "C and Fc"
inline constexpr int kEditC = 1179;
inline constexpr int kEditFc = 1180;
inline constexpr int kEditR = 1178;

}  // namespace ids::rc_low_pass
