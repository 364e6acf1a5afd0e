#pragma once
// The "Cylindar self, monocoated" dialog: the menu command that opens it, its help topic, its control ids.

namespace ids::single_layer_coil {

inline constexpr int kCommand = 32778;  // the main menu's command that opens it
inline constexpr int kHelpTopic = 175;  // its topic in the help file
inline constexpr int kDialog = 140;
inline constexpr int kClose = 1022;
inline constexpr int kHelp = 1023;
inline constexpr int kModePDN = 1024;  // "P, D, N"
inline constexpr int kModeLPD = 1025;  // "L, P, D"
inline constexpr int kEditD = 1026;
inline constexpr int kEditL = 1029;
inline constexpr int kEditN = 1028;
inline constexpr int kEditP = 1027;

}  // namespace ids::single_layer_coil
