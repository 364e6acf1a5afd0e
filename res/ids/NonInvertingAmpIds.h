#pragma once
// Control ids of the "Non inverting amplifier" dialog.

namespace ids::non_inverting_amp {

inline constexpr int kDialog = 161;
inline constexpr int kClose = 1114;
inline constexpr int kHelp = 1113;
inline constexpr int kModeR1AndR2 = 1108;  // "R1 and R2"
inline constexpr int kModeR1AndG = 1109;   // "R1 and G"
inline constexpr int kEditG = 1112;
inline constexpr int kEditR1 = 1110;
inline constexpr int kEditR2 = 1111;

}  // namespace ids::non_inverting_amp
