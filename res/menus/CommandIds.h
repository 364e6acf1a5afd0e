#pragma once
// The main menu's commands that open a form, one per form, in menu order.

namespace menus {

inline constexpr int kOhmsLawCommand = 32772;
inline constexpr int kTwoResistorsCommand = 32785;
inline constexpr int kTwoCapacitorsCommand = 32776;
inline constexpr int kSingleLayerCoilCommand = 32778;
inline constexpr int kMultiLayerCoilCommand = 32780;
inline constexpr int kPrintedCoilCommand = 32779;
inline constexpr int kFilterCapCommand = 32793;
inline constexpr int kDecibelCommand = 32775;
inline constexpr int kHeatsinkCommand = 32794;
inline constexpr int kZenerCommand = 32796;
inline constexpr int kClassAAmpCommand = 32797;
inline constexpr int kInvertingAmpCommand = 32781;
inline constexpr int kNonInvertingAmpCommand = 32782;
inline constexpr int kDifferentiatorCommand = 32783;
inline constexpr int kIntegratorCommand = 32799;
inline constexpr int kSummatorCommand = 32786;
inline constexpr int kSubtractorCommand = 32798;
inline constexpr int kSchmittTriggerCommand = 32800;
inline constexpr int kAstable555Command = 32801;
inline constexpr int kGateAstableCommand = 32803;
inline constexpr int kMonostable555Command = 32802;
inline constexpr int kRcLowPassCommand = 32807;
inline constexpr int kRcHighPassCommand = 32808;
inline constexpr int kRcNotchCommand = 32809;

}  // namespace menus
