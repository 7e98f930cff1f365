// SPDX-License-Identifier: GPL-3.0-or-later
// Times saving and loading a large company.
//
//   save_bench [SCALE] [ITERATIONS]
//
// SCALE multiplies the company (default 1: 300 shops, 300 stalls, 200 stores,
// 1500 loaders, 1500 salesmen, 400 accountants and 400 managers); ITERATIONS is
// the number of timed saves and loads (default 20). Prints the file size and the
// mean, fastest and slowest time of one save (lines built and written) and of one
// load (file read and parsed), and how much of a save is building the lines.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "model/corporation.h"
#include "model/random.h"
#include "model/save_file.h"

namespace {

using namespace kelpmark;
using Clock = std::chrono::steady_clock;

struct Stats {
  std::vector<double> ms;
  void add(Clock::duration d) { ms.push_back(std::chrono::duration<double, std::milli>(d).count()); }
  double mean() const {
    double s = 0;
    for (double v : ms) s += v;
    return ms.empty() ? 0 : s / static_cast<double>(ms.size());
  }
  double min() const { return ms.empty() ? 0 : *std::min_element(ms.begin(), ms.end()); }
  double max() const { return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()); }
};

void buildCompany(TCorporation& c, Random& random, int scale) {
  c.Money = Currency::fromUnits(100000000);
  for (int i = 0; i < 300 * scale; ++i) c.BuildShop();
  for (int i = 0; i < 300 * scale; ++i) c.BuildLot();
  for (int i = 0; i < 200 * scale; ++i) c.BuildStore();
  // Every second shop upgraded twice, every second store once.
  for (size_t i = 0; i < c.Shops.size(); i += 2) {
    c.Shops[i].Upgrade();
    c.Shops[i].Upgrade();
  }
  for (size_t i = 0; i < c.Stores.size(); i += 2)
    static_cast<TSmallStore&>(c.Stores[i]).UpgradeStore();
  c.Office->Level = 7;
  c.Office->StaffPlaces = 1000 * scale;
  for (int i = 0; i < 1500 * scale; ++i) c.HireLoader(random);
  for (int i = 0; i < 1500 * scale; ++i) c.HireSalesman(random);
  for (int i = 0; i < 400 * scale; ++i) c.HireAccountant(random);
  for (int i = 0; i < 400 * scale; ++i) c.HireManager(random);
  c.FishStock = 123456;
  c.StockCost = Currency::fromCount(81234);
  c.Prestige = 17;
}

}  // namespace

int main(int argc, char** argv) {
  const int scale = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
  const int iterations = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;

  Random random;
  random.setSeed(2001);
  TCorporation company;
  buildCompany(company, random, scale);
  EngineValues values;
  values.clock.GameDate = 36950.4375;
  const std::string ticker = "Day close: $12345                    Market is Grow!";

  const auto dir = std::filesystem::temp_directory_path() / "kelpmark-save-bench";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "game.dat").string();

  Stats save, build, load;
  size_t lines = 0;
  for (int i = 0; i < iterations; ++i) {
    const auto t0 = Clock::now();
    const std::vector<std::string> l = SaveLines(company, values, ticker);
    build.add(Clock::now() - t0);
    if (!SaveGame(path, l)) {
      std::fprintf(stderr, "save_bench: SaveGame failed\n");
      return 1;
    }
    save.add(Clock::now() - t0);
    lines = l.size();
  }
  const auto bytes = std::filesystem::file_size(path);

  size_t staff = 0;
  for (int i = 0; i < iterations; ++i) {
    TCorporation loaded;
    SavedWorld world;
    Random r;
    const auto t0 = Clock::now();
    if (!LoadGame(path, loaded, world, r)) {
      std::fprintf(stderr, "save_bench: LoadGame failed\n");
      return 1;
    }
    load.add(Clock::now() - t0);
    staff = loaded.Loaders.size() + loaded.Salesmen.size() + loaded.Accountants.size() +
            loaded.Managers.size();
  }
  std::filesystem::remove_all(dir);

  std::printf("company: %zu buildings, %zu employees\n",
              company.Shops.size() + company.Lots.size() + company.Stores.size(), staff);
  std::printf("file: %zu lines, %ju bytes (%.1f KiB)\n", lines, static_cast<uintmax_t>(bytes),
              static_cast<double>(bytes) / 1024.0);
  std::printf("save (lines + write + fsync + rename): mean %.3f ms, min %.3f ms, max %.3f ms over %d\n",
              save.mean(), save.min(), save.max(), iterations);
  std::printf("  of which SaveLines: mean %.3f ms, min %.3f ms, max %.3f ms\n", build.mean(),
              build.min(), build.max());
  std::printf("load (read + parse): mean %.3f ms, min %.3f ms, max %.3f ms over %d\n", load.mean(),
              load.min(), load.max(), iterations);
  return 0;
}
