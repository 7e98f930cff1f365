// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/latin_names.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace kelpmark {

namespace {

constexpr char32_t kCyrillicA = U'а';

// The lower-case letters а..я in order, then ё.
constexpr std::array<const char*, 32> kLetters = {
    "a", "b", "v",  "g",  "d",  "e",    "zh", "z", "i", "y", "k", "l", "m", "n",  "o",  "p",
    "r", "s", "t",  "u",  "f",  "kh",   "ts", "ch", "sh", "shch", "", "y", "", "e", "yu", "ya"};

bool isCyrillic(char32_t c) { return (c >= U'А' && c <= U'я') || c == U'Ё' || c == U'ё'; }

char32_t lower(char32_t c) {
  if (c >= U'А' && c <= U'Я') return c + (U'а' - U'А');
  if (c == U'Ё') return U'ё';
  return c;
}

std::vector<char32_t> decode(const std::string& text) {
  std::vector<char32_t> out;
  for (size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      out.push_back(byte);
      ++i;
    } else if ((byte & 0xE0) == 0xC0 && i + 1 < text.size() &&
               (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
      out.push_back(static_cast<char32_t>(((byte & 0x1F) << 6) |
                                          (static_cast<unsigned char>(text[i + 1]) & 0x3F)));
      i += 2;
    } else {
      // Not a two-byte letter: kept byte for byte (as a code the tables never match).
      out.push_back(0x110000 + byte);
      ++i;
    }
  }
  return out;
}

void append(std::string& out, char32_t c) {
  if (c >= 0x110000) {
    out += static_cast<char>(c - 0x110000);
  } else if (c < 0x80) {
    out += static_cast<char>(c);
  } else {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool startsWith(const std::vector<char32_t>& word, std::u32string_view stem) {
  if (word.size() < stem.size()) return false;
  for (size_t i = 0; i < stem.size(); ++i)
    if (lower(word[i]) != stem[i]) return false;
  return true;
}

std::string latinWord(const std::vector<char32_t>& word) {
  std::vector<char32_t> w;
  for (char32_t c : word) w.push_back(lower(c));
  // The stems whose е is said ё (Семён, Фёдор).
  if (startsWith(word, U"семен")) w[3] = U'ё';
  if (startsWith(word, U"федор")) w[1] = U'ё';
  const size_t n = w.size();
  std::string out;
  for (size_t i = 0; i < n; ++i) {
    const char32_t c = w[i];
    const char32_t before = i > 0 ? w[i - 1] : 0;
    const bool last2 = i + 2 == n;
    std::string letters;
    if (last2 && (c == U'и' || c == U'ы') && w[i + 1] == U'й') {
      letters = "y";
      ++i;
    } else if (last2 && c == U'и' && w[i + 1] == U'я') {
      letters = "ia";
      ++i;
    } else if (c == U'е') {
      letters = i == 0 || before == U'ь' || before == U'ъ' ? "ye" : "e";
    } else if (c == U'ё') {
      const bool hushing = before == U'ж' || before == U'ч' || before == U'ш' || before == U'щ';
      letters = hushing ? "o" : "yo";
    } else {
      letters = kLetters[static_cast<size_t>(c - kCyrillicA)];
    }
    out += letters;
  }
  // The word's first letter keeps its capital.
  if (!out.empty() && word[0] != w[0]) out[0] = static_cast<char>(out[0] - 'a' + 'A');
  return out;
}

}  // namespace

std::string latinName(const std::string& russian) {
  const std::vector<char32_t> text = decode(russian);
  std::string out;
  std::vector<char32_t> word;
  auto flush = [&] {
    if (!word.empty()) out += latinWord(word);
    word.clear();
  };
  for (char32_t c : text) {
    if (isCyrillic(c)) {
      word.push_back(c);
    } else {
      flush();
      append(out, c);
    }
  }
  flush();
  return out;
}

}  // namespace kelpmark
