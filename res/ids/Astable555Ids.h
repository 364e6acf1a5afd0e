#pragma once
// The "Astable oscillator, 555 based" dialog: the menu command that opens it, its help topic, its control
// ids.

namespace ids::astable555 {

inline constexpr int kCommand = 32801;  // the main menu's command that opens it
inline constexpr int kHelpTopic = 110;  // its topic in the help file
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
