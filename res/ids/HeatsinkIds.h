#pragma once
// The "Heatsink" dialog: the menu command that opens it, its help topic, its control ids.

namespace ids::heatsink {

inline constexpr int kCommand = 32794;  // the main menu's command that opens it
inline constexpr int kHelpTopic = 195;  // its topic in the help file
inline constexpr int kDialog = 149;
inline constexpr int kClose = 1076;
inline constexpr int kHelp = 1075;
inline constexpr int kModeAllButRthHA = 1069;  // "All but RthHA"
inline constexpr int kModeAllButTa = 1070;     // "All but Ta"
inline constexpr int kModeAllButTjmax = 1079;  // "All but Tjmax"
inline constexpr int kEditRthHA = 1071;
inline constexpr int kEditRthPH = 1072;
inline constexpr int kEditRthJP = 1073;
inline constexpr int kEditTa = 1074;
inline constexpr int kEditTjmax = 1077;
inline constexpr int kEditPmax = 1078;

}  // namespace ids::heatsink
