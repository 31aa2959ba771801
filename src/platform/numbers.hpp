#pragma once
// The program's one numeric test and its conversions between numbers and text.
//
// Every number lives in a box as text with a decimal comma; a "." typed by the
// user counts exactly like ",". None of these functions depends on the
// machine's locale: the digits come from std::to_chars / std::from_chars.

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// True when the text is a number: optional blanks; an optional sign; digits
// with at most one decimal separator ("." or ","), which may come first or
// last; optionally "E" or "e", an optional sign and one to three digits;
// optional blanks. At least one digit must stand before the exponent.
// So "0.", "0,", ",5" and ".5" pass; "", "-", ",", "1E", "1,2,3" and
// "1.000.5" fail.
bool IsNumeric(std::string_view text);

// True for a text that fails the test but that more keys can still make a
// number: a lone sign or separator ("-", ",", "-,"), or a number that ends in
// "E" or "e" with or without the exponent's sign ("1,2E", "1,2E-"). A box
// checked on every change lets such a text stand while a person types;
// whatever reads the value still finds no number in it.
bool IsUnfinishedNumber(std::string_view text);

// The value of a text that passes IsNumeric, with "." read as the decimal
// comma, so "0.8" is 0,8 and never 8. std::nullopt when the text fails the
// test or is no usable number: an exponent that overflows a double (1E999) or
// makes a nonzero mantissa underflow to zero or to a subnormal (1E-999).
// A zero mantissa is fine with any exponent ("0E-999" is 0). A negative zero
// comes back as 0.
std::optional<double> TextToNumber(std::string_view text);

// The default text of a computed number: printf's "%.15G" with the decimal
// comma. At most 15 significant digits, no grouping, exponent form ("E", a
// sign, at least two digits) below 1E-04 and from 1E+15:
// 740 * 1.15 -> "851", 420 / sqrt(3) -> "242,487113059643",
// 0.000015 -> "1,5E-05", 1E15 -> "1E+15". A negative zero is written "0".
// A value that is not finite gives "INF", "-INF" or "NAN", which must never
// reach a box: callers that show a result go through NumberTextForBox.
std::string NumberToText(double value);

// The plain number text: a leading blank for a number that is not negative,
// "-" otherwise; "." as the decimal point and no zero before it (0.5 -> " .5",
// -0.25 -> "-.25"); otherwise as NumberToText (" 1.5E-05", " 1.5E+20",
// " 12.5", "-3", " 0"). Not-finite values give " INF", "-INF" or " NAN".
std::string PlainNumberText(double value);

// What a box with this MaxLength (0 = no limit) keeps of NumberToText(value):
// its first maxLength characters, cut without rounding, so
// NumberTextForBox(420 / sqrt(3), 6) is "242,48"; a cut right after the comma
// keeps the comma as the box would ("123456,7" into 7 gives "123456,").
// std::nullopt when the result cannot be shown: the value is not finite, its
// integer part (with the sign) is longer than the box, the cut would shorten
// an exponent form, or the cut would leave a text ending right after a sign.
std::optional<std::string> NumberTextForBox(double value, int maxLength);

// The value in fixed-point form with a decimal comma in at most `width`
// characters: as many decimals as fit (rounded to nearest, at most 15
// significant digits), trailing zeros after the comma removed, and the comma
// too when nothing follows it. 1.5E-05 in 8 -> "0,000015", 0.5 -> "0,5".
// std::nullopt when the value is not finite, width is not positive, the
// integer part does not fit, or the text would read as 0 while the value is
// not 0 (1E-09 in 8).
std::optional<std::string> FixedPointText(double value, int width);

}  // namespace platform
