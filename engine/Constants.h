#pragma once
// The rounded constants of the formulas, named once. They are rounded on
// purpose: every result the forms show was worked out with exactly these
// values, so replacing one by a more precise figure would change the last
// digits users compare against. How far each rounding and each rule of thumb
// is from the real circuit is told in the help topics.

namespace constants {

// 2 pi to four decimals, as the RC filters divide by it.
inline constexpr double kTwoPi = 6.2832;
// 2 pi to eight digits, as the class A design divides by it.
inline constexpr double kTwoPiClassA = 6.2831854;
// ln 2 as the 555 data sheets round it: each half period is 0.693 R C.
inline constexpr double kLn2 = 0.693;
// ln 3 rounded: the 555 monostable's pulse is 1.1 R C.
inline constexpr double kMonostableFactor = 1.1;
// The differentiator's and integrator's time interval, 0.7 R C.
inline constexpr double kRcTimeFactor = 0.7;
// The CMOS gate astable's period, 0.7 R C.
inline constexpr double kGateAstableFactor = 0.7;
// Seconds of discharge per cycle of a reservoir capacitor, for 50 Hz mains:
// a half-wave rectifier recharges once a cycle, a bridge twice.
inline constexpr double kHalfWaveDischarge = 0.0045;
inline constexpr double kFullWaveDischarge = 0.0015;
// The class A design's transistor: a fixed base-emitter voltage and an
// intrinsic emitter resistance of 30 mV over the emitter current.
inline constexpr double kBaseEmitterVoltage = 0.7;
inline constexpr double kIntrinsicEmitterVolts = 0.03;

}  // namespace constants
