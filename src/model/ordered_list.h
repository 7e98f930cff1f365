// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An ordered list of (display text, object) entries: appended at the end,
// addressed by 0-based position, removed by position, never sorted; duplicate
// texts are allowed. The list owns its objects; windows may keep weak references.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace kelpmark {

template <class T>
class OrderedList {
 public:
  struct Entry {
    std::string text;
    std::shared_ptr<T> object;
  };

  void add(std::string text, std::shared_ptr<T> object) {
    entries_.push_back(Entry{std::move(text), std::move(object)});
  }
  void removeAt(size_t index) { entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index)); }
  void clear() { entries_.clear(); }

  size_t size() const { return entries_.size(); }
  int count() const { return static_cast<int>(entries_.size()); }
  bool empty() const { return entries_.empty(); }

  const Entry& entry(size_t i) const { return entries_[i]; }
  T& operator[](size_t i) const { return *entries_[i].object; }
  const std::string& text(size_t i) const { return entries_[i].text; }

  // Position of an object in the list, or -1.
  int indexOf(const T* object) const {
    for (size_t i = 0; i < entries_.size(); ++i)
      if (entries_[i].object.get() == object) return static_cast<int>(i);
    return -1;
  }

  auto begin() const { return entries_.begin(); }
  auto end() const { return entries_.end(); }

 private:
  std::vector<Entry> entries_;
};

}  // namespace kelpmark
