#pragma once
// Helpers the save file tests share: raw file bytes, and a load into a fresh company.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "model/codepage.h"
#include "model/corporation.h"
#include "model/random.h"
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

// The bytes a file with these lines holds: Windows-1251, CR LF after each line.
inline std::string fileBytes(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& l : lines) out += utf8ToCp1251(l) + "\r\n";
  return out;
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

}  // namespace kelpmark::savetest
