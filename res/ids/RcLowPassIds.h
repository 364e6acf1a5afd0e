#pragma once
// Control ids of the "RC low pass filter" dialog.

namespace ids::rc_low_pass {

inline constexpr int kDialog = 170;
inline constexpr int kClose = 1182;
inline constexpr int kHelp = 1181;
inline constexpr int kModeRAndC = 1176;   // "R and C"
inline constexpr int kModeCAndFc = 1177;  // "C and Fc"
inline constexpr int kEditC = 1179;
inline constexpr int kEditFc = 1180;
inline constexpr int kEditR = 1178;

}  // namespace ids::rc_low_pass
