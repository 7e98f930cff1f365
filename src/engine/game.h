// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game object: what the rules call process-wide. One per program run; a new
// game replaces only the company, the game date and the two prices.
#include <memory>
#include <string>
#include <vector>

#include "model/corporation.h"
#include "model/engine_values.h"
#include "model/random.h"

namespace kelpmark {

// The lines of the main window's scrolling news display.
class Ticker {
 public:
  // Clears the lines and adds the text as the only line.
  void set(std::string text);
  void setLines(std::vector<std::string> lines);
  std::string firstLine() const { return lines_.empty() ? std::string() : lines_.front(); }
  const std::vector<std::string>& lines() const { return lines_; }
  // Grows with every change, so a screen knows when to redraw.
  unsigned version() const { return version_; }

 private:
  std::vector<std::string> lines_;
  unsigned version_ = 0;
};

// The front end's number and date formats.
struct FormatSettings {
  char decimalSeparator = '.';
  std::string shortDateFormat = "dd.MM.yyyy";
  std::string longTimeFormat = "H:mm:ss";
};

class Game {
 public:
  bool hasCompany() const { return company != nullptr; }
  TCorporation& corp() { return *company; }
  const TCorporation& corp() const { return *company; }

  std::string money(Currency amount) const;
  std::string moneyFixed(Currency amount) const;

  // Makes the company the game's: its books follow the game date, and books it
  // has not brought along start now, at the game date with its money.
  void adoptCompany(std::unique_ptr<TCorporation> c);

  FormatSettings format;
  EngineValues values;
  Random random;
  std::unique_ptr<TCorporation> company;
  Ticker ticker;
  // Whether companies keep their books (off only to measure what they cost).
  bool keepBooks = true;
  // Counts the companies adopted, so that a company can be told from the one
  // before it (which may have lived at the same address).
  uint64_t companiesAdopted = 0;
};

}  // namespace kelpmark
