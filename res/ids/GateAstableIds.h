#pragma once
// Control ids of the "Astable oscillator, CMOS gate based" dialog.

namespace ids::gate_astable {

inline constexpr int kDialog = 168;
inline constexpr int kClose = 1168;
inline constexpr int kHelp = 1167;
inline constexpr int kModeRAndC = 1161;  // "R and C"
inline constexpr int kModeRAndT = 1162;  // "R and T"
inline constexpr int kEditC = 1164;
inline constexpr int kEditF = 1166;
inline constexpr int kEditR = 1163;
inline constexpr int kEditT = 1165;

}  // namespace ids::gate_astable
