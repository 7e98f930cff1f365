// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers the save file tests share: raw file bytes, a load into a fresh company,
// where a value stands in a file, found by its name in the save tables, and a
// writer that fails part-way.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/corporation.h"
#include "model/random.h"
#include "model/save_fields.h"
#include "model/save_file.h"

namespace kelpmark::savetest {

inline std::string readAll(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeAll(const std::filesystem::path& p, const std::string& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out << bytes;
}

struct Loaded {
  TCorporation company;
  SavedWorld world;
  Random random;
  bool ok = false;
};

inline std::unique_ptr<Loaded> load(const std::string& bytes) {
  auto l = std::make_unique<Loaded>();
  l->ok = LoadGameFromBytes(bytes, l->company, l->world, l->random);
  return l;
}

// Position of a named field in a save table.
template <class Table>
size_t fieldIndex(const Table& table, std::string_view name) {
  const size_t i = savefile::indexOf(table, name);
  if (i == savefile::kLines<Table>)
    throw std::invalid_argument("no save field " + std::string(name));
  return i;
}

// Lines of the company, engine and closing values, which end every file.
inline size_t closingLine(const std::vector<std::string>& lines, std::string_view name) {
  return lines.size() - savefile::kClosingValueLines + fieldIndex(savefile::kClosingValues, name);
}
inline size_t engineLine(const std::vector<std::string>& lines, std::string_view name) {
  return lines.size() - savefile::kClosingValueLines - savefile::kEngineValueLines +
         fieldIndex(savefile::kEngineValues, name);
}
inline size_t companyLine(const std::vector<std::string>& lines, std::string_view name) {
  return lines.size() - savefile::kClosingValueLines - savefile::kEngineValueLines -
         savefile::kCompanyValueLines + fieldIndex(savefile::kCompanyValues, name);
}

// While it lives, every save stops after this many lines and fails.
class FailAfterLines {
 public:
  explicit FailAfterLines(int n) { setSaveFailureAfterLinesForTesting(n); }
  ~FailAfterLines() { setSaveFailureAfterLinesForTesting(-1); }
  FailAfterLines(const FailAfterLines&) = delete;
  FailAfterLines& operator=(const FailAfterLines&) = delete;
};

}  // namespace kelpmark::savetest
