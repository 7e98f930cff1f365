// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/game.h"

#include "model/text_format.h"

namespace kelpmark {

void Ticker::set(std::string text) {
  lines_.clear();
  lines_.push_back(std::move(text));
  ++version_;
}

void Ticker::setLines(std::vector<std::string> lines) {
  lines_ = std::move(lines);
  ++version_;
}

}  // namespace kelpmark

namespace kelpmark {

std::string Game::money(Currency amount) const {
  return formatMoney(amount, format.decimalSeparator);
}

std::string Game::moneyFixed(Currency amount) const {
  return formatMoneyFixed(amount, format.decimalSeparator);
}

void Game::adoptCompany(std::unique_ptr<TCorporation> c) {
  company = std::move(c);
  ++companiesAdopted;
  Books& books = company->books;
  if (!books.started()) books.start(values.clock.GameDate, company->Money);
  books.followDate(&values.clock.GameDate);
  books.setKeeping(keepBooks);
}

}  // namespace kelpmark
