// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window's own copy of one of the company's lists: the entries' texts, each
// bound to its object by a weak reference, and the selected position. An entry
// whose object has since left the company's list is recognised, never acted on.
#include <memory>
#include <string>
#include <vector>

#include "model/ordered_list.h"

namespace kelpmark {

template <class T>
class BoundList {
 public:
  struct Entry {
    std::string text;
    std::weak_ptr<T> object;
  };

  void fill(const OrderedList<T>& list) {
    entries_.clear();
    for (const auto& e : list) entries_.push_back({e.text, e.object});
  }
  // Selects a position; a position past the end selects nothing.
  void selectPosition(int position) {
    selected_ = position >= 0 && position < size() ? position : -1;
  }
  bool hasSelection() const { return selected_ >= 0 && selected_ < size(); }
  int selected() const { return selected_; }
  int size() const { return static_cast<int>(entries_.size()); }
  const Entry& operator[](size_t i) const { return entries_[i]; }
  const std::vector<Entry>& entries() const { return entries_; }

  // The object of the selected entry while it is still in `list`; null otherwise.
  std::shared_ptr<T> selectedObject(const OrderedList<T>* list) const {
    if (!hasSelection() || list == nullptr) return nullptr;
    auto object = entries_[static_cast<size_t>(selected_)].object.lock();
    if (!object || list->indexOf(object.get()) < 0) return nullptr;
    return object;
  }
  // Position of an object among the entries, or -1.
  int indexOf(const T* object) const {
    for (size_t i = 0; i < entries_.size(); ++i)
      if (entries_[i].object.lock().get() == object) return static_cast<int>(i);
    return -1;
  }

 private:
  std::vector<Entry> entries_;
  int selected_ = -1;
};

}  // namespace kelpmark
