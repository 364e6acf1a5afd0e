#pragma once
// The "Cylindar self, multicoated" dialog: the menu command that opens it, its help topic, its control ids.

namespace ids::multi_layer_coil {

inline constexpr int kCommand = 32780;  // the main menu's command that opens it
inline constexpr int kHelpTopic = 215;  // its topic in the help file
inline constexpr int kDialog = 141;
inline constexpr int kClose = 1037;
inline constexpr int kHelp = 1036;
inline constexpr int kModePDEN = 1030;  // "P, D, E, N"
inline constexpr int kModeLPDE = 1031;  // "L, P, D, E"
inline constexpr int kEditD = 1032;
inline constexpr int kEditE = 1038;
inline constexpr int kEditL = 1035;
inline constexpr int kEditN = 1034;
inline constexpr int kEditP = 1033;

}  // namespace ids::multi_layer_coil
