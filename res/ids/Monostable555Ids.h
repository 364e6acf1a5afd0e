#pragma once
// Control ids of the "Monostable oscillator, 555 based" dialog.

namespace ids::monostable555 {

inline constexpr int kDialog = 167;
inline constexpr int kClose = 1160;
inline constexpr int kHelp = 1159;
inline constexpr int kModeR1AndC = 1154;  // "R1 and C"
inline constexpr int kModeR1AndT = 1155;  // "R1 and T"
inline constexpr int kEditC = 1157;
inline constexpr int kEditR1 = 1156;
inline constexpr int kEditT = 1158;

}  // namespace ids::monostable555
