#pragma once
// Engineering-notation field texts: "4.7k" <-> 4699.9998 ohm.
// Texts are 8-bit Latin-1; the micro sign is the single byte 0xB5.
// This is the only place that knows the notation.

#include <string>

// Stored by a calculation in a quantity it cannot compute; shown as "Error".
inline constexpr double kErrorValue = 9999999.9;
// Smallest magnitude shown as non-zero; also the forms' "present" threshold.
inline constexpr double kTinyValue = 1e-12;

// Reads the number part as a 32-bit float ("%f"-style), then applies the
// prefix multiplier in double. Never fails: a text without a number is 0.
double ParseEngValue(std::string text);

// Whether ParseEngValue reads every character of the text: blanks, one
// number and at most one prefix letter. "10u", "abc" and "1,5" are read only
// in part (as 10, 0 and 1); an empty or blank text counts as read whole.
bool EngValueReadsWhole(std::string text);

// Two decimals and a power-of-1000 prefix from p to M ("4.70 K", "0  ",
// "Error"). Never fails.
std::string FormatEngValue(double value);
