// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/text_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "model/int128.h"

namespace kelpmark {

namespace {

std::string unsignedDigits(uint64_t v) { return std::to_string(v); }

uint64_t magnitude(int64_t v) {
  return v < 0 ? static_cast<uint64_t>(-(v + 1)) + 1u : static_cast<uint64_t>(v);
}

}  // namespace

std::string formatMoney(Currency amount, char decimalSeparator) {
  const int64_t c = amount.count();
  const uint64_t m = magnitude(c);
  std::string out = c < 0 ? "-" : "";
  out += unsignedDigits(m / 10000);
  uint64_t frac = m % 10000;
  if (frac != 0) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%04llu", static_cast<unsigned long long>(frac));
    std::string f(buf);
    while (!f.empty() && f.back() == '0') f.pop_back();
    out += decimalSeparator;
    out += f;
  }
  return out;
}

std::optional<Currency> parseMoney(const std::string& text) {
  const size_t sign = !text.empty() && text[0] == '-' ? 1 : 0;
  const size_t point = text.find('.');
  const std::string whole =
      text.substr(sign, point == std::string::npos ? std::string::npos : point - sign);
  const std::string fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
  const auto digits = [](const std::string& d) {
    return !d.empty() && d.find_first_not_of("0123456789") == std::string::npos;
  };
  if (!digits(whole) || whole.size() > 14) return std::nullopt;
  if (point != std::string::npos && (!digits(fraction) || fraction.size() > 4)) return std::nullopt;
  int64_t count = 0;
  for (char c : whole) count = count * 10 + (c - '0');
  count *= Currency::kScale;
  int64_t scale = Currency::kScale;
  for (char c : fraction) {
    scale /= 10;
    count += (c - '0') * scale;
  }
  return Currency::fromCount(sign == 1 ? -count : count);
}

std::string formatMoneyFixed(Currency amount, char decimalSeparator) {
  const int64_t hundredths = divRoundHalfEven(amount.count(), 100);
  const uint64_t m = magnitude(hundredths);
  std::string out = hundredths < 0 ? "-" : "";
  out += unsignedDigits(m / 100);
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02llu", static_cast<unsigned long long>(m % 100));
  out += decimalSeparator;
  out += buf;
  return out;
}

namespace {

// Scientific notation with `digits` decimals, independent of the C locale:
// mantissa digits, and the decimal exponent.
struct Scientific {
  bool negative;
  std::string mantissa;  // "d.ddd"
  int exponent;
};

Scientific scientific(double value, int digits) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, digits);
  std::string s(buf, r.ptr);
  Scientific out{false, {}, 0};
  if (!s.empty() && s[0] == '-') {
    out.negative = true;
    s.erase(0, 1);
  }
  const size_t e = s.find('e');
  out.mantissa = s.substr(0, e);
  out.exponent = std::atoi(s.c_str() + e + 1);
  return out;
}

// Fixed notation with `decimals` decimals, independent of the C locale.
std::string fixed(double value, int decimals) {
  char buf[400];
  const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  return std::string(buf, r.ptr);
}

}  // namespace

std::string formatSaveReal(double value) {
  if (!std::isfinite(value)) value = 0.0;
  if (value == 0.0) value = 0.0;  // no negative zero
  const Scientific sci = scientific(value, 14);
  std::string digits = std::to_string(sci.exponent < 0 ? -sci.exponent : sci.exponent);
  while (digits.size() < 4) digits.insert(digits.begin(), '0');
  return std::string(sci.negative ? "-" : " ") + sci.mantissa + "E" +
         (sci.exponent < 0 ? "-" : "+") + digits;
}

std::string formatFixedSignificant(double value, int precision, int decimals,
                                   char decimalSeparator) {
  if (!std::isfinite(value)) value = 0.0;
  if (precision < 1) precision = 1;
  if (precision > 17) precision = 17;
  if (decimals < 0) decimals = 0;
  if (decimals > 17) decimals = 17;
  // Decimal exponent of the value rounded to `precision` significant digits.
  const Scientific sci = scientific(value, precision - 1);
  if (value != 0.0 && sci.exponent >= precision) {
    // Too many integer digits for the precision: scientific form.
    std::string s = (sci.negative ? "-" : "") + sci.mantissa + "E" +
                    (sci.exponent < 0 ? "-" : "+") + std::to_string(std::abs(sci.exponent));
    const size_t dot = s.find('.');
    if (dot != std::string::npos) s[dot] = decimalSeparator;
    return s;
  }
  int shown = decimals;
  if (value != 0.0 && precision - 1 - sci.exponent < shown) shown = precision - 1 - sci.exponent;
  if (shown < 0) shown = 0;
  std::string s = fixed(value, shown);
  // Drop the sign of a value that rounds to zero.
  if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  if (decimals > 0) {
    if (shown == 0) s += '.';
    for (int i = shown; i < decimals; ++i) s += '0';
  }
  const size_t dot = s.find('.');
  if (dot != std::string::npos) s[dot] = decimalSeparator;
  return s;
}

std::string applyFormat(const std::string& format, const std::string& text) {
  std::string out;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size()) {
      if (format[i + 1] == 's') {
        out += text;
        ++i;
        continue;
      }
      if (format[i + 1] == '%') {
        out += '%';
        ++i;
        continue;
      }
    }
    out += format[i];
  }
  return out;
}

std::string escapeLineBreaks(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '\n')
      out += "\\n";
    else if (c == '\r')
      out += "\\r";
    else
      out += c;
  }
  return out;
}

}  // namespace kelpmark
