#pragma once
// The "Filtering capacitor" dialog: the menu command that opens it, its help topic, its control ids.

namespace ids::filter_cap {

inline constexpr int kCommand = 32793;  // the main menu's command that opens it
inline constexpr int kHelpTopic = 155;  // its topic in the help file
inline constexpr int kDialog = 148;
inline constexpr int kClose = 1068;
inline constexpr int kHelp = 1067;
inline constexpr int kModeIDeltaU = 1058;         // "I, DeltaU"
inline constexpr int kModeCI = 1059;              // "C, I"
inline constexpr int kModeCDeltaU = 1060;         // "C, DeltaU"
inline constexpr int kModeMonoAlternance = 1061;  // "Mono-alternance"
inline constexpr int kModeBiAlternance = 1062;    // "Bi-alternance"
inline constexpr int kEditC = 1066;
inline constexpr int kEditDeltaU = 1064;
inline constexpr int kEditI = 1065;

}  // namespace ids::filter_cap
