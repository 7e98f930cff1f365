// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery file as a player meets it: the real game, started on a virtual X
// display of the test's own (Xvfb) in a scratch data directory, played with real
// key presses (xdotool), killed with SIGKILL and started again.
//   recovery_kill_test KELPMARK_BINARY
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <random>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <vector>

#include "close_box.h"
#include "support/save_files.h"
#include "support/test_program.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using kelpmark::savetest::readAll;

std::string gGame;
fs::path gDataHome;
fs::path gSaveDir;

fs::path saveFile() { return gSaveDir / "game.dat"; }
fs::path recoveryFile() { return gSaveDir / "game.dat.recovery"; }
fs::path recoveryTemporary() { return gSaveDir / "game.dat.recovery.tmp"; }

// Runs a shell command and gives its exit status.
int shell(const std::string& command) { return std::system(command.c_str()); }

// Runs a shell command and gives what it printed.
std::string output(const std::string& command) {
  std::string text;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) text += buffer;
    ::pclose(pipe);
  }
  return text;
}

// The game's window whose title starts with `title`, once it is on the screen (its
// id as xdotool prints it; empty when none came); with `pid`, only a window of that
// process (the windows of one just killed may still be on the display). xdotool's
// own title search does not see the dialogs' Cyrillic titles.
std::string findWindow(const std::string& title, pid_t pid = 0) {
  const std::string search = "xdotool search --onlyvisible " +
                             (pid > 0 ? "--pid " + std::to_string(pid) : std::string("--class kelpmark")) +
                             " 2>/dev/null";
  const auto end = std::chrono::steady_clock::now() + 30s;
  while (std::chrono::steady_clock::now() < end) {
    std::istringstream ids(output(search));
    for (std::string id; ids >> id;)
      if (output("xdotool getwindowname " + id + " 2>/dev/null").rfind(title, 0) == 0) return id;
    std::this_thread::sleep_for(20ms);
  }
  return {};
}

// Presses keys (xdotool's names) in the game's window whose title starts with
// `title`, with the keyboard focus given to it first.
bool pressKeys(const std::string& title, const std::string& keys, pid_t pid = 0) {
  const std::string id = findWindow(title, pid);
  return !id.empty() && shell("xdotool windowfocus --sync " + id) == 0 &&
         shell("xdotool key --delay 40 " + keys) == 0;
}

// The real game, in its own process; killed when the test lets go of it.
class RealGame {
 public:
  explicit RealGame(std::vector<std::string> args = {}) {
    args.insert(args.begin(), gGame);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_ = ::fork();
    if (pid_ == 0) {
      ::setenv("XDG_DATA_HOME", gDataHome.c_str(), 1);
      ::setenv("QT_QPA_PLATFORM", "xcb", 1);
      ::execv(gGame.c_str(), argv.data());
      ::_exit(127);
    }
  }
  ~RealGame() {
    if (pid_ > 0) kill();
  }
  RealGame(const RealGame&) = delete;
  RealGame& operator=(const RealGame&) = delete;

  void kill() {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }
  // Waits for the game to end by itself; its exit status, or -1.
  int waitForExit(std::chrono::seconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (std::chrono::steady_clock::now() < end) {
      if (::waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      }
      std::this_thread::sleep_for(20ms);
    }
    return -1;
  }
  pid_t pid() const { return pid_; }
  // Still running (not ended by itself).
  bool running() const { return pid_ > 0 && ::waitpid(pid_, nullptr, WNOHANG) == 0; }

 private:
  pid_t pid_ = -1;
};

// Events in the save directory, as they happen.
class DirectoryWatch {
 public:
  DirectoryWatch() {
    fd_ = ::inotify_init1(IN_CLOEXEC);
    ::inotify_add_watch(fd_, gSaveDir.c_str(), IN_CREATE | IN_MOVED_TO);
  }
  ~DirectoryWatch() { ::close(fd_); }
  DirectoryWatch(const DirectoryWatch&) = delete;
  DirectoryWatch& operator=(const DirectoryWatch&) = delete;

  // Waits until a file of that name is created or renamed into the directory.
  bool waitFor(const fs::path& file, std::chrono::seconds limit) {
    const std::string name = file.filename().string();
    const auto end = std::chrono::steady_clock::now() + limit;
    alignas(inotify_event) char buffer[4096];
    while (std::chrono::steady_clock::now() < end) {
      pollfd p{fd_, POLLIN, 0};
      if (::poll(&p, 1, 100) <= 0) continue;
      const ssize_t n = ::read(fd_, buffer, sizeof buffer);
      for (ssize_t at = 0; at < n;) {
        const auto* e = reinterpret_cast<const inotify_event*>(buffer + at);
        if (e->len > 0 && name == e->name) return true;
        at += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
      }
    }
    return false;
  }

 private:
  int fd_ = -1;
};

// A virtual X server of the test's own: Xvfb picks a free display number itself
// and reports it, so that tests running side by side never share one. It must not
// reset when its last client leaves: a game started just after the killed one
// would meet a server in the middle of its reset and be refused.
class VirtualDisplay {
 public:
  VirtualDisplay() {
    int fds[2];
    if (::pipe(fds) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      ::close(fds[0]);
      const std::string fd = std::to_string(fds[1]);
      ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24",
               "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::close(fds[1]);
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    char c = 0;
    while (::poll(&p, 1, 20000) > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    ::close(fds[0]);
    if (!number.empty()) name_ = ":" + number;
  }
  ~VirtualDisplay() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
  }
  VirtualDisplay(const VirtualDisplay&) = delete;
  VirtualDisplay& operator=(const VirtualDisplay&) = delete;

  // ":N", or empty when the server did not start.
  const std::string& name() const { return name_; }

 private:
  pid_t pid_ = -1;
  std::string name_;
};

struct Saved {
  std::string bytes;
  std::unique_ptr<kelpmark::savetest::Loaded> game;
};

Saved readSaved(const fs::path& file) {
  Saved s;
  s.bytes = readAll(file);
  s.game = kelpmark::savetest::load(s.bytes);
  return s;
}

// The lines of a saved game with its clock put to another's: what the clock does
// not change.
std::vector<std::string> withClockOf(const Saved& s, const Saved& clock) {
  kelpmark::EngineValues values = s.game->world.values;
  values.clock = clock.game->world.values.clock;
  return kelpmark::SaveLines(s.game->company, values, s.game->world.tickerLine);
}

bool isMidnight(double date) { return date == std::floor(date); }

class RecoveryKill : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(gDataHome);
    fs::create_directories(gSaveDir);
  }
};

// A game played at top speed and killed comes back, on the player's Yes, as it
// was at the last midnight; exiting the ordinary way removes the recovery file.
TEST_F(RecoveryKill, KilledGameContinuesFromTheLastMidnight) {
  DirectoryWatch watch;
  Saved kept;
  {
    RealGame game;
    ASSERT_TRUE(pressKeys("Kelpmark", "F2 alt+5"));
    // The first tick of a game runs a daily step, the next midnight 17 ticks later.
    ASSERT_TRUE(watch.waitFor(recoveryFile(), 30s));
    ASSERT_TRUE(watch.waitFor(recoveryFile(), 30s));
    std::this_thread::sleep_for(1500ms);  // into the new day
    game.kill();
    kept = readSaved(recoveryFile());
  }
  ASSERT_TRUE(kept.game->ok);
  const double midnight = kept.game->world.values.clock.GameDate;
  EXPECT_TRUE(isMidnight(midnight)) << std::to_string(midnight);
  EXPECT_GT(midnight, 36892.25);
  ASSERT_FALSE(fs::exists(saveFile()));

  RealGame game;
  // No saved game: the only question is the recovery's.
  ASSERT_TRUE(pressKeys("Подтверждение", "Return"));
  // The main window's close box, and Yes to the save question.
  ASSERT_TRUE(clickCloseBox(findWindow("Kelpmark")));
  ASSERT_TRUE(pressKeys("Подтверждение", "Return"));
  ASSERT_EQ(game.waitForExit(30s), 0);
  EXPECT_FALSE(fs::exists(recoveryFile())) << "removed by the ordinary exit";

  const Saved saved = readSaved(saveFile());
  ASSERT_TRUE(saved.game->ok);
  // The game went on at the speed of a resume for a few game minutes at most.
  const double date = saved.game->world.values.clock.GameDate;
  EXPECT_GE(date, midnight);
  EXPECT_LT(date, midnight + 0.25);
  EXPECT_EQ(withClockOf(saved, kept), withClockOf(kept, kept));
}

// Kills that land while the recovery file is written (the moment its temporary file
// appears) leave the previous file whole; the next start removes the remnant and
// continues that game. The office's description is made long, so that every write
// takes a while.
TEST_F(RecoveryKill, KillDuringTheWriteLeavesTheOldFile) {
  {
    kmtest::TestProgram maker(7);
    maker.newGame();
    maker.corp().Office->Description = std::string(8u << 20, 'x');
    ASSERT_TRUE(kelpmark::SaveGame(saveFile().string(),
                                   kelpmark::SaveLines(maker.corp(), maker.game().values,
                                                       maker.game().ticker.firstLine())));
  }
  std::string before;
  int landed = 0;
  constexpr int kKills = 3;
  for (int i = 0; i < kKills; ++i) {
    DirectoryWatch watch;
    RealGame game;
    // The first start answers the resume question, the later ones the recovery's.
    ASSERT_TRUE(pressKeys("Подтверждение", "Return"));
    if (i > 0) {
      EXPECT_FALSE(fs::exists(recoveryTemporary())) << "removed at start-up";
    }
    ASSERT_TRUE(pressKeys("Kelpmark", "alt+5"));
    if (i == 0) {
      // The resumed game's first tick runs a daily step: the first recovery file.
      ASSERT_TRUE(watch.waitFor(recoveryFile(), 30s));
      before = readAll(recoveryFile());
    }
    ASSERT_TRUE(watch.waitFor(recoveryTemporary(), 30s));
    game.kill();
    const bool killedInWrite = fs::exists(recoveryTemporary());
    if (killedInWrite) ++landed;

    const Saved now = readSaved(recoveryFile());
    ASSERT_TRUE(now.game->ok) << "kill " << i;
    EXPECT_EQ(now.game->company.Office->Description.size(), 8u << 20);
    if (killedInWrite) {
      EXPECT_TRUE(now.bytes == before) << "kill " << i;
    }
    before = now.bytes;
  }
  std::printf("%d of %d kills landed while the recovery file was written\n", landed, kKills);
  EXPECT_GT(landed, 0);
}

// Two hundred starts of the game killed at once or at top speed, with damaged
// recovery files, empty locks and FIFOs mixed in: no start waits for ever or is
// refused, a damaged recovery file leads to the resume question, and every
// game.dat stays whole, also when the kill lands while the exit save writes it.
TEST_F(RecoveryKill, KillLoopLeavesEverySaveWhole) {
  constexpr size_t kDescription = 4u << 20;  // every save takes a while to write
  std::string cutRecovery;
  {
    kmtest::TestProgram maker(9);
    maker.newGame();
    maker.corp().Office->Description = std::string(kDescription, 'x');
    const auto lines =
        kelpmark::SaveLines(maker.corp(), maker.game().values, maker.game().ticker.firstLine());
    ASSERT_TRUE(kelpmark::SaveGame(saveFile().string(), lines));
    const std::string bytes = kelpmark::SaveFileBytes(lines);
    cutRecovery = bytes.substr(0, bytes.size() - 300);
  }
  const fs::path lock = gSaveDir / "game.dat.lock";
  const fs::path fifo = gDataHome / "record.fifo";
  const auto plantFifo = [](const fs::path& at) {
    fs::remove_all(at);
    return ::mkfifo(at.c_str(), 0600) == 0;
  };
  std::minstd_rand pick(2001);
  int kills = 0;
  int inSave = 0;
  const auto start = std::chrono::steady_clock::now();
  for (; kills < 200; ++kills) {
    SCOPED_TRACE("kill " + std::to_string(kills));
    const auto kind = pick() % 10;
    std::vector<std::string> args;
    if (kind == 5) {
      fs::remove_all(lock);
      std::ofstream empty(lock);  // what a power cut just after a start leaves
    }
    if (kind == 6) {
      ASSERT_TRUE(plantFifo(fifo));
      args = {"--record", fifo.string()};
      ASSERT_TRUE(plantFifo(pick() % 2 == 0 ? lock : recoveryFile()));
    }
    if (kind == 7 || kind == 8) {
      fs::remove_all(recoveryFile());
      const auto damage = pick() % 3;
      if (damage == 0) std::ofstream(recoveryFile(), std::ios::binary) << cutRecovery;
      if (damage == 1) fs::create_directories(recoveryFile() / "x");
      if (damage == 2) {
        ASSERT_TRUE(plantFifo(recoveryFile()));
      }
    }
    if (kind == 9) fs::remove_all(recoveryFile());
    RealGame game(args);
    // What is on the screen and in the save's folder, when a step fails.
    const auto windows = [&] {
      return "kind " + std::to_string(kind) + ", running " + std::to_string(game.running()) +
             ", windows:\n" +
             output("xdotool search --onlyvisible --class kelpmark getwindowname %@ 2>&1") +
             output("ls -la " + gSaveDir.string());
    };
    if (kind < 5) {
      std::this_thread::sleep_for(std::chrono::milliseconds(pick() % 100));
    } else if (kind < 7) {
      // The start neither waits for a reader nor stops at the lock.
      ASSERT_FALSE(findWindow("Подтверждение", game.pid()).empty()) << windows();
      ASSERT_TRUE(game.running());
    } else if (kind < 9) {
      ASSERT_TRUE(pressKeys("Подтверждение", "Return", game.pid())) << windows();
      ASSERT_TRUE(pressKeys("Vorlent Kelpmark", "Return", game.pid())) << windows();  // the load error
      ASSERT_FALSE(findWindow("Подтверждение", game.pid()).empty()) << windows();
      EXPECT_FALSE(fs::exists(fs::symlink_status(recoveryFile())));
    } else {
      ASSERT_TRUE(pressKeys("Подтверждение", "Return", game.pid())) << windows();
      ASSERT_TRUE(pressKeys("Kelpmark", "alt+5", game.pid())) << windows();
      std::this_thread::sleep_for(std::chrono::milliseconds(pick() % 300));
      ASSERT_TRUE(clickCloseBox(findWindow("Kelpmark", game.pid())));
      // Yes to the save question; the kill comes as the save's temporary file appears.
      DirectoryWatch watch;
      ASSERT_TRUE(pressKeys("Подтверждение", "Return", game.pid())) << windows();
      watch.waitFor(gSaveDir / "game.dat.tmp", 5s);
    }
    game.kill();
    if (fs::exists(gSaveDir / "game.dat.tmp")) ++inSave;
    const Saved saved = readSaved(saveFile());
    ASSERT_TRUE(saved.game->ok);
    ASSERT_EQ(saved.game->company.Office->Description.size(), kDescription);
    ASSERT_FALSE(fs::exists(gSaveDir / "game.dat.bad")) << "the save was refused";
  }
  const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
  std::printf("%d kills in %.1f s, %d of them while the save was written\n", kills,
              seconds.count(), inSave);
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s KELPMARK_BINARY\n", argv[0]);
    return 2;
  }
  // Without Xvfb or xdotool there is no player: the test is skipped.
  if (shell("command -v Xvfb >/dev/null && command -v xdotool >/dev/null") != 0) {
    std::printf("no Xvfb or no xdotool: skipped\n");
    return 77;
  }
  VirtualDisplay display;
  if (display.name().empty()) {
    std::fprintf(stderr, "Xvfb did not start\n");
    return 1;
  }
  ::setenv("DISPLAY", display.name().c_str(), 1);
  gGame = fs::absolute(argv[1]).string();
  gDataHome = fs::temp_directory_path() / ("kelpmark-recovery-" + std::to_string(::getpid()));
  gSaveDir = gDataHome / "Vorlent" / "kelpmark";
  const int status = RUN_ALL_TESTS();
  fs::remove_all(gDataHome);
  return status;
}
