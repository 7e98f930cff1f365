// Fuzzes what a loaded game does to the rules: any bytes that load as a saved game
// are resumed the way the start-up does it and played for two game days at one
// hour a tick, with the player buying, bargaining, hiring and building every
// hour. Under the sanitizers no value the reader accepts may overflow, divide by
// zero or loop without end anywhere in the game.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "commands/program.h"
#include "model/random.h"
#include "model/save_file.h"

namespace {

using namespace kelpmark;

class QuietView : public ViewPort {
 public:
  void message(const std::string&) override {}
  void error(const std::string&) override {}
  // Every question is answered Yes: loss dialogs start a new game.
  Answer question(const std::string&, QuestionKind, bool) override { return Answer::Yes; }
  void showModal(ModalWindow) override {}
  void openHelp(int) override {}
  void openWeb() override {}
  void endProgram() override {}
};

constexpr MainButton kPlayerButtons[] = {
    MainButton::MaxBtn,     MainButton::TorgBtn,   MainButton::FishBtn,      MainButton::StuffBtn,
    MainButton::SalerBtn,   MainButton::ShopBtn,   MainButton::StorageBtn,   MainButton::LotBtn,
    MainButton::OfficeBtn,  MainButton::ManagerBtn, MainButton::AccounterBtn, MainButton::StatsBtn};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  // A quick look first, so that only loadable inputs pay for a program.
  {
    TCorporation probe;
    SavedWorld probeWorld;
    Random probeRandom;
    if (!LoadGameFromBytes(bytes, probe, probeWorld, probeRandom)) return 0;
  }

  QuietView view;
  ProgramOptions options;
  options.welcomeText = "fuzz";
  uint32_t seed = static_cast<uint32_t>(size);
  options.clockSeed = [&seed] { return seed++; };
  Program p(view, std::move(options));
  Game& game = p.game;

  // The resume of the start-up, from bytes instead of a file.
  p.mainForm.NewGameMClick();
  auto company = std::make_unique<TCorporation>();
  SavedWorld world{game.values, {}};
  if (!LoadGameFromBytes(bytes, *company, world, game.random)) return 0;
  world.values.clock.ChartTick = game.values.clock.ChartTick;
  world.values.clock.HourStep = game.values.clock.HourStep;
  world.values.clock.SpeedDivider = game.values.clock.SpeedDivider;
  game.company = std::move(company);
  game.values = world.values;
  game.ticker.set(world.tickerLine);
  p.run([&] { p.mainForm.HourlyStep(false); });
  p.run([&] { p.mainForm.RefreshDisplay(); });

  p.mainForm.SetSpeed(5);
  for (int hour = 0; hour < 48 && !p.ended; ++hour) {
    if (!game.hasCompany() || !p.mainForm.timerRuns()) break;
    p.run([&] { p.mainForm.Timer1Timer(); });
    if (p.ended || !game.hasCompany()) break;
    const MainButton b = kPlayerButtons[static_cast<size_t>(hour) % std::size(kPlayerButtons)];
    if (p.mainForm.enabled(b)) p.run([&] { p.mainForm.click(b); });
    if (p.mainForm.enabled(MainButton::FishBtn)) {
      p.run([&] { p.mainForm.click(MainButton::MaxBtn); });
      p.run([&] { p.mainForm.click(MainButton::FishBtn); });
    }
    if (!p.mainForm.timerRuns()) p.mainForm.SetSpeed(5);
  }
  return 0;
}
