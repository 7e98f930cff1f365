// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts for the player. The game's own language is Russian: each text is written
// in Russian where it is made and marked with KM_TR (KM_TR_N where a count, %n,
// decides its words), which the translation tools read. A text travels to the
// front end whole, with its arguments (numbers, dates and money already
// formatted): the scenario runner prints it in Russian, a window shows it in its
// language by looking each marked part up in its catalogue.
#include <cstdint>
#include <string>
#include <vector>

// Marks a text of the game for translation in a context; the text stays as it is.
#define KM_TR(context, text) ::kelpmark::Marked{context, text, false}
// The same for a text with a count (%n) whose words a language bends by it.
#define KM_TR_N(context, text) ::kelpmark::Marked{context, text, true}

namespace kelpmark {

struct Marked {
  const char* context = nullptr;  // nullptr: a pattern of no words, never looked up
  const char* source = "";
  bool counted = false;
};

// How a front end shows texts in its language.
class TextLanguage {
 public:
  virtual ~TextLanguage() = default;
  // A marked text (a pattern with %1..%9 and %n) in the language; count is -1
  // for a text without a count.
  virtual std::string translate(const char* context, const std::string& source,
                                int64_t count) const = 0;
  // A staff member's name as the language writes it.
  virtual std::string name(const std::string& russian) const = 0;
};

class Text {
 public:
  // An empty text.
  Text() = default;
  // A marked text; its %1..%9 take the arguments added in order.
  Text(const Marked& marked)  // NOLINT: a marked text is a text
      : kind_(marked.context != nullptr ? Kind::Marked : Kind::Plain),
        context_(marked.context),
        source_(marked.source),
        counted_(marked.counted) {}
  // A text shown as it stands in every language (a number, a date, a path).
  static Text plain(std::string text);
  // A text the save file keeps in Russian, marked in `context` where it was made:
  // looked up when it is shown.
  static Text stored(const char* context, std::string russian);
  // A staff member's name (kept in Russian): each language writes it its way.
  static Text name(std::string russian);

  Text& arg(Text value) &;
  Text&& arg(Text value) &&;
  Text& arg(std::string value) & { return arg(plain(std::move(value))); }
  Text&& arg(std::string value) && { return std::move(arg(plain(std::move(value)))); }
  // The count that %n stands for and that chooses a language's words.
  Text& count(int64_t n) &;
  Text&& count(int64_t n) &&;

  // The text in Russian, the game's own language.
  std::string russian() const { return in(nullptr); }
  // The text in a front end's language (nullptr: Russian).
  std::string in(const TextLanguage* language) const;

  bool empty() const { return source_.empty() && args_.empty(); }
  bool operator==(const Text& other) const;

 private:
  enum class Kind { Plain, Marked, Name };
  Kind kind_ = Kind::Plain;
  const char* context_ = nullptr;
  std::string source_;
  std::vector<Text> args_;
  int64_t count_ = -1;
  bool counted_ = false;
};

// Puts the arguments in a pattern: %1..%9 take the argument of that number (an
// argument that is missing leaves its mark as it is), %n the count (when there
// is one); every other character, a lone % included, stays as it is.
std::string expandPattern(const std::string& pattern, const std::vector<std::string>& args,
                          int64_t count = -1);

}  // namespace kelpmark
