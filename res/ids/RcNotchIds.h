#pragma once
// The "RC notch filter" dialog: the menu command that opens it, its help topic, its control ids.

namespace ids::rc_notch {

inline constexpr int kCommand = 32809;  // the main menu's command that opens it
inline constexpr int kHelpTopic = 250;  // its topic in the help file
inline constexpr int kDialog = 172;
inline constexpr int kClose = 1196;
inline constexpr int kHelp = 1195;
inline constexpr int kModeRAndC = 1190;   // "R and C"
inline constexpr int kModeCAndFc = 1191;  // "C and Fc"
inline constexpr int kEditC = 1193;
inline constexpr int kEditFc = 1194;
inline constexpr int kEditR = 1192;

}  // namespace ids::rc_notch
