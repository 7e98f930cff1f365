// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/text.h"

#include <cstring>

namespace kelpmark {

Text Text::plain(std::string text) {
  Text t;
  t.source_ = std::move(text);
  return t;
}

Text Text::stored(const char* context, std::string russian) {
  Text t;
  t.kind_ = Kind::Marked;
  t.context_ = context;
  t.source_ = std::move(russian);
  return t;
}

Text Text::name(std::string russian) {
  Text t;
  t.kind_ = Kind::Name;
  t.source_ = std::move(russian);
  return t;
}

Text& Text::arg(Text value) & {
  args_.push_back(std::move(value));
  return *this;
}

Text&& Text::arg(Text value) && { return std::move(arg(std::move(value))); }

Text& Text::count(int64_t n) & {
  count_ = n;
  return *this;
}

Text&& Text::count(int64_t n) && { return std::move(count(n)); }

std::string Text::in(const TextLanguage* language) const {
  std::string pattern = source_;
  if (language != nullptr) {
    if (kind_ == Kind::Marked)
      pattern = language->translate(context_, source_, counted_ ? count_ : -1);
    if (kind_ == Kind::Name) pattern = language->name(source_);
  }
  if (args_.empty() && count_ < 0) return pattern;
  std::vector<std::string> values;
  values.reserve(args_.size());
  for (const Text& a : args_) values.push_back(a.in(language));
  return expandPattern(pattern, values, count_);
}

bool Text::operator==(const Text& other) const {
  const bool sameContext = context_ == other.context_ ||
                           (context_ != nullptr && other.context_ != nullptr &&
                            std::strcmp(context_, other.context_) == 0);
  return kind_ == other.kind_ && sameContext && count_ == other.count_ &&
         counted_ == other.counted_ && source_ == other.source_ && args_ == other.args_;
}

std::string expandPattern(const std::string& pattern, const std::vector<std::string>& args,
                          int64_t count) {
  std::string out;
  out.reserve(pattern.size());
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    if (c == '%' && next >= '1' && next <= '9' &&
        static_cast<size_t>(next - '1') < args.size()) {
      out += args[static_cast<size_t>(next - '1')];
      ++i;
    } else if (c == '%' && next == 'n' && count >= 0) {
      out += std::to_string(count);
      ++i;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace kelpmark
