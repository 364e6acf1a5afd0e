#pragma once
// Control ids of the "Inverting amplifier" dialog.

namespace ids::schmitt_trigger {

inline constexpr int kDialog = 166;
inline constexpr int kClose = 1153;
inline constexpr int kHelp = 1152;
inline constexpr int kModeR1R2Upwr = 1147;     // "R1, R2, Upwr"
inline constexpr int kModeR2UtrigUpwr = 1148;  // "R2, Utrig, Upwr"
inline constexpr int kEditR1 = 1149;
inline constexpr int kEditR2 = 1150;
inline constexpr int kEditUpwr = 1154;
inline constexpr int kEditUtrig = 1151;

}  // namespace ids::schmitt_trigger
