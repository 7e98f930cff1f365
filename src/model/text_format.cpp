#include "model/text_format.h"

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

std::string formatSaveReal(double value) {
  if (!std::isfinite(value)) value = 0.0;
  if (value == 0.0) value = 0.0;  // no negative zero
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14E", value);
  // buf is like "-1.23456000000000E+01" or "1.00000000000000E-300".
  std::string s(buf);
  std::string sign = " ";
  if (s[0] == '-') {
    sign = "-";
    s.erase(0, 1);
  }
  const size_t e = s.find('E');
  std::string mantissa = s.substr(0, e);
  char expSign = s[e + 1];
  std::string digits = s.substr(e + 2);
  while (digits.size() < 4) digits.insert(digits.begin(), '0');
  return sign + mantissa + "E" + expSign + digits;
}

std::string formatFixedSignificant(double value, int precision, int decimals,
                                   char decimalSeparator) {
  if (!std::isfinite(value)) value = 0.0;
  if (precision < 1) precision = 1;
  if (precision > 17) precision = 17;
  if (decimals < 0) decimals = 0;
  if (decimals > 17) decimals = 17;
  char buf[400];
  // Decimal exponent of the value rounded to `precision` significant digits.
  std::snprintf(buf, sizeof buf, "%.*E", precision - 1, value);
  const char* ePos = std::strchr(buf, 'E');
  const int exponent = ePos ? std::atoi(ePos + 1) : 0;
  if (value != 0.0 && exponent >= precision) {
    // Too many integer digits for the precision: scientific form.
    std::string s(buf);
    if (decimalSeparator != '.') {
      size_t dot = s.find('.');
      if (dot != std::string::npos) s[dot] = decimalSeparator;
    }
    return s;
  }
  int shown = decimals;
  if (value != 0.0 && precision - 1 - exponent < shown) shown = precision - 1 - exponent;
  if (shown < 0) shown = 0;
  std::snprintf(buf, sizeof buf, "%.*f", shown, value);
  std::string s(buf);
  // Drop the sign of a value that rounds to zero.
  if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  if (decimals > 0) {
    if (shown == 0) s += '.';
    for (int i = shown; i < decimals; ++i) s += '0';
  }
  size_t dot = s.find('.');
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
