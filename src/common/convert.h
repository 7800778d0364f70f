// Conversions between text and numbers, with the exact rounding and range rules every caption
// and every data file of the program depends on.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gw {

// The value of the number at the start of `text`. Blanks, tabs and line feeds are skipped
// wherever they stand (" 1 2" is 12); then an optional sign, digits, at most one ".", an
// optional exponent ("E" or "D"); or "&H"/"&O" followed by hexadecimal/octal digits. Reading
// stops at the first character that cannot continue the number; no number gives 0. A number
// too large for a double gives plus or minus infinity, which every range check below rejects.
double ParseNumber(std::string_view text);

// Nearest whole number, ties to even; outside the type's range is an Overflow error.
int16_t ToInt16(double x);
uint8_t ToByte(double x);
// Largest whole number not greater than x, as a 16-bit integer; outside it, Overflow.
int16_t FloorInt16(double x);
// Rounds to single precision; a value that single precision cannot hold is an Overflow error.
float ToSingle(double x);

// The same three conversions for callers to whom a value out of range means no value.
std::optional<int16_t> TryToInt16(double x);
std::optional<uint8_t> TryToByte(double x);
std::optional<float> TryToSingle(double x);

// What the Overflow error of a conversion says about `x`: "300 is outside 0..255",
// "1E+39 is too large for single precision".
enum class NumberKind { Int16, Byte, Single };
std::string OverflowDetail(double x, NumberKind kind);

// Shortest decimal text: "12", "2.5", "-0.25"; at most 7 significant digits for single and 15
// for double precision; exponent form ("1E+20") only where those digits cannot show the value.
std::string NumberToText(float x);
std::string NumberToText(double x);

// Lays `x` out by a digit pattern: "0" a digit always shown, "#" a digit shown only when
// significant, "." the decimal point, always shown. Rounds half away from zero to the pattern's
// decimal places and shows every integer digit. "#0" of 0 is "0", "##" of 0 is "",
// "###.#" of 30 is "30." and of 0.5 is ".5".
std::string FormatNumber(double x, std::string_view pattern);

}  // namespace gw
