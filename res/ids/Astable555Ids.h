#pragma once
// Control ids of the "Astable oscillator, 555 based" dialog.

namespace ids::astable555 {

inline constexpr int kDialog = 169;
inline constexpr int kClose = 1175;
inline constexpr int kHelp = 1174;
inline constexpr int kModeR1R2AndC = 1169;   // "R1, R2 and C"
inline constexpr int kModeCThAndTl = 1170;   // "C, Th and Tl"
inline constexpr int kModeCFAndDuty = 1181;  // "C,  F and duty%"
inline constexpr int kEditC = 1172;
inline constexpr int kEditDuty = 1180;
inline constexpr int kEditF = 1179;
inline constexpr int kEditR1 = 1171;
inline constexpr int kEditR2 = 1176;
inline constexpr int kEditT = 1178;
inline constexpr int kEditTh = 1173;
inline constexpr int kEditTl = 1177;

}  // namespace ids::astable555
