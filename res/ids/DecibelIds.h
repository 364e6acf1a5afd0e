#pragma once
// The "Decibel" dialog: the menu command that opens it, its help topic, its control ids.

namespace ids::decibel {

inline constexpr int kCommand = 32775;  // the main menu's command that opens it
inline constexpr int kHelpTopic = 180;  // its topic in the help file
inline constexpr int kDialog = 133;
inline constexpr int kClose = 1011;
inline constexpr int kHelp = 1010;
inline constexpr int kModeInputAndGain = 1009;         // "Input and gain"
inline constexpr int kModeOutputAndGain = 1006;        // "Output and gain"
inline constexpr int kModeInputAndOutputLevel = 1007;  // "Input and output level"
inline constexpr int kModeInputAndOutputPower = 1008;  // "Input and output power"
inline constexpr int kEditGain = 1004;
inline constexpr int kEditPi = 1000;
inline constexpr int kEditPo = 1003;
inline constexpr int kEditUi = 1001;
inline constexpr int kEditUo = 1002;

}  // namespace ids::decibel
