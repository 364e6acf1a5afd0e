#pragma once
// The "Zener diode" dialog: the menu command that opens it, its help topic, its control ids.

namespace ids::zener {

inline constexpr int kCommand = 32796;  // the main menu's command that opens it
inline constexpr int kHelpTopic = 265;  // its topic in the help file
inline constexpr int kDialog = 150;
inline constexpr int kClose = 1090;
inline constexpr int kHelp = 1091;
inline constexpr int kModeUminMaxUzPzmax = 1080;  // "Umin/max, Uz, Pzmax"
inline constexpr int kModeUminMaxUzIcmax = 1081;  // "Umin/max, Uz, Icmax"
inline constexpr int kModeRUzIcmaxPmax = 1082;    // "R, Uz, Icmax, Pmax"
inline constexpr int kEditUmax = 1083;
inline constexpr int kEditUmin = 1084;
inline constexpr int kEditUz = 1085;
inline constexpr int kEditPzmax = 1086;
inline constexpr int kEditR = 1087;
inline constexpr int kEditIcmax = 1088;
inline constexpr int kEditRcmin = 1089;

}  // namespace ids::zener
