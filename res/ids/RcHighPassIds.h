#pragma once
// Control ids of the "RC high pass filter" dialog.

namespace ids::rc_high_pass {

inline constexpr int kDialog = 171;
inline constexpr int kClose = 1189;
inline constexpr int kHelp = 1188;
inline constexpr int kModeRAndC = 1183;   // "R and C"
inline constexpr int kModeCAndFc = 1184;  // "C and Fc"
inline constexpr int kEditC = 1186;
inline constexpr int kEditFc = 1187;
inline constexpr int kEditR = 1185;

}  // namespace ids::rc_high_pass
