// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's number texts.
#include <optional>
#include <string>

#include "model/currency.h"

namespace kelpmark {

// General money format: decimal notation, no thousands separator, up to four
// decimals with trailing zeros dropped ("843.1", "10000", "-12.3456").
std::string formatMoney(Currency amount, char decimalSeparator = '.');

// An amount in the general format with a decimal point back ("-1234.5"): an
// optional minus, at most 14 digits, and at most four decimals after a point;
// nothing for any other text.
std::optional<Currency> parseMoney(const std::string& text);

// Fixed money format: exactly two decimals, the exact amount rounded half-even
// ("8.50" for 8.5050, "8.52" for 8.5150); never "-0.00".
std::string formatMoneyFixed(Currency amount, char decimalSeparator = '.');

// A real in the save file's form: 23 characters, a sign position (blank or "-"),
// one digit, ".", 14 digits, "E", the exponent's sign and 4 digits.
std::string formatSaveReal(double value);

// A real with `decimals` decimals that shows at most `precision` significant
// digits (fewer decimals are rounded away for large values, then padded with
// zeros); values with more integer digits than `precision` use scientific form.
std::string formatFixedSignificant(double value, int precision, int decimals,
                                   char decimalSeparator = '.');

// Applies a label's format string: each "%s" is replaced by the text, "%%" is a
// percent sign, anything else stays as written (an empty format gives an empty
// text). The one expander of label texts: the runner's dump and the windows
// both show what it returns.
std::string applyFormat(const std::string& format, const std::string& text);

// Escapes line feeds and carriage returns as \n and \r.
std::string escapeLineBreaks(const std::string& text);

}  // namespace kelpmark
