// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the saved game: the lines of the save tables, and the file.
#include <type_traits>

#include "model/codepage.h"
#include "model/save_disk.h"
#include "model/save_fields.h"
#include "model/save_file.h"
#include "model/text_format.h"

namespace kelpmark {

namespace {

int gFailAfterLines = -1;

// Writes each field as one line in the form its type has.
class LineWriter {
 public:
  explicit LineWriter(std::vector<std::string>& out) : out_(out) {}

  template <class F, class V>
  void field(const F&, const V& v) {
    put(v);
  }

  template <class Building, class Fields>
  void buildings(const BuildingList& list, const Fields& fields) {
    put(static_cast<int32_t>(list.count()));
    for (const auto& e : list) {
      put(e.text);
      savefile::walk(*this, fields, static_cast<const Building&>(*e.object));
    }
  }

  template <class Worker>
  void staff(const StaffList& list) {
    put(static_cast<int32_t>(list.count()));
    for (const auto& e : list) {
      put(e.text);
      savefile::walk(*this, savefile::kEmployeeFields, *e.object);
    }
  }

 private:
  template <class V>
  void put(const V& v) {
    if constexpr (std::is_same_v<V, bool>) {
      out_.push_back(v ? "TRUE" : "FALSE");
    } else if constexpr (std::is_same_v<V, int32_t>) {
      out_.push_back(std::to_string(v));
    } else if constexpr (std::is_same_v<V, double>) {
      out_.push_back(formatSaveReal(v));
    } else if constexpr (std::is_same_v<V, Currency>) {
      out_.push_back(formatSaveReal(v.units()));
    } else {
      static_assert(std::is_same_v<V, std::string>);
      out_.push_back(v);
    }
  }

  std::vector<std::string>& out_;
};

}  // namespace

std::vector<std::string> SaveLines(const TCorporation& c, const EngineValues& v,
                                   const std::string& tickerLine) {
  std::vector<std::string> lines;
  LineWriter w(lines);
  savefile::ValuesView<const TCorporation, const EngineValues, const std::string> view{
      c, v, tickerLine};
  savefile::walkFile(w, view);
  return lines;
}

void setSaveFailureAfterLinesForTesting(int lines) { gFailAfterLines = lines; }

namespace {

std::string firstLinesAsBytes(const std::vector<std::string>& lines, size_t count) {
  std::string bytes;
  for (size_t i = 0; i < count; ++i) {
    bytes += utf8ToCp1251(lines[i]);
    bytes += "\r\n";
  }
  return bytes;
}

}  // namespace

std::string SaveFileBytes(const std::vector<std::string>& lines) {
  return firstLinesAsBytes(lines, lines.size());
}

bool SaveGame(const std::string& path, const std::vector<std::string>& lines, int* error) {
  size_t kept = lines.size();
  if (gFailAfterLines >= 0 && static_cast<size_t>(gFailAfterLines) < kept)
    kept = static_cast<size_t>(gFailAfterLines);
  return replaceFile(path, firstLinesAsBytes(lines, kept), kept < lines.size(), error);
}

}  // namespace kelpmark
