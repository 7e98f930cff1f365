// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the saved game's reader: any bytes may be offered as a saved game. The
// reader must either refuse them or load a game; a loaded game, written out again,
// must load again and give the very same lines (a file this program writes always
// loads, and loading is exact for everything the file holds). The same bytes are
// offered as the books file of a first morning's game, and as the results of
// finished games: books and results that are taken, written out again, must read
// back the same.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "model/books_file.h"
#include "model/random.h"
#include "model/results.h"
#include "model/save_file.h"

namespace {

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "save_reader_fuzzer: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelpmark;
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  const double firstMorning = 36892.25;
  const Currency cash = Currency::fromUnits(10000);
  Books books;
  if (readBooksFile(bytes, firstMorning, cash, books) == BooksFileFit::Belongs) {
    const std::string written = booksFileText(books, firstMorning, cash);
    Books again;
    if (readBooksFile(written, firstMorning, cash, again) != BooksFileFit::Belongs ||
        booksFileText(again, firstMorning, cash) != written)
      fail("books written from a books file do not read back the same");
  }
  if (const std::optional<std::vector<GameResult>> results = parseResults(bytes)) {
    const std::string written = resultsText(*results);
    const std::optional<std::vector<GameResult>> again = parseResults(written);
    if (!again || resultsText(*again) != written)
      fail("results written from a results file do not read back the same");
    if (rankResults(*results).size() != results->size()) fail("ranking loses results");
  }

  TCorporation company;
  SavedWorld world;
  Random random;
  if (!LoadGameFromBytes(bytes, company, world, random)) return 0;

  const std::vector<std::string> lines = SaveLines(company, world.values, world.tickerLine);
  const std::string written = SaveFileBytes(lines);

  TCorporation again;
  SavedWorld againWorld;
  againWorld.values.clock = world.values.clock;  // the values a load keeps
  Random againRandom;
  if (!LoadGameFromBytes(written, again, againWorld, againRandom))
    fail("a file written from a loaded game does not load");
  if (SaveLines(again, againWorld.values, againWorld.tickerLine) != lines)
    fail("a written file loads to different lines");
  if (againRandom.draws() != random.draws()) fail("the two loads drew differently");
  return 0;
}
