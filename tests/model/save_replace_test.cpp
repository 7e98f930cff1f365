// SPDX-License-Identifier: GPL-3.0-or-later
// Saving over an existing game: a save that fails at any point leaves the previous
// file as it was and no temporary file behind; names planted beside the file (links,
// a stale temporary file) are never written through; a file-size limit is a failed
// save, and a save killed at any moment leaves a file that loads.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "model/corporation.h"
#include "model/random.h"
#include "model/save_file.h"
#include "support/save_files.h"
#include "support/scratch_dir.h"

#if !defined(_WIN32)
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <chrono>
#include <random>

#include "model/save_disk.h"

namespace kelpmark {
namespace {

namespace fs = std::filesystem;
using savetest::FailAfterLines;
using savetest::readAll;
using savetest::writeAll;

std::vector<std::string> namesIn(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class SaveReplaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = dir_ / "game.dat";

    TCorporation company;
    company.BuildStore();
    company.HireLoader(random_);
    lines_ = SaveLines(company, EngineValues{}, "новая игра");
    oldBytes_ = "0\r\n0\r\n0\r\nthe previous save\r\n";
    writeAll(path_, oldBytes_);
  }
  void TearDown() override {
    setSaveFailureAfterLinesForTesting(-1);
    std::error_code ec;
    fs::permissions(dir_, fs::perms::owner_all, ec);  // so that the directory can go
  }

  Random random_;
  kmtest::ScratchDir scratch_;
  const fs::path& dir_ = scratch_.path();
  fs::path path_;
  std::vector<std::string> lines_;
  std::string oldBytes_;
};

TEST_F(SaveReplaceTest, SuccessfulSaveReplacesTheFileAndLeavesNothingElse) {
  ASSERT_TRUE(SaveGame(path_.string(), lines_));
  EXPECT_EQ(readAll(path_), SaveFileBytes(lines_));
  EXPECT_EQ(namesIn(dir_), std::vector<std::string>{"game.dat"});
}

TEST_F(SaveReplaceTest, SaveCreatesAMissingFile) {
  fs::remove(path_);
  ASSERT_TRUE(SaveGame(path_.string(), lines_));
  EXPECT_EQ(readAll(path_), SaveFileBytes(lines_));
  EXPECT_EQ(namesIn(dir_), std::vector<std::string>{"game.dat"});
}

TEST_F(SaveReplaceTest, WriterFailingAfterSomeLinesKeepsTheOldFile) {
  const int total = static_cast<int>(lines_.size());
  for (int n : {0, 1, 2, 20, total / 2, total - 1}) {
    FailAfterLines failing(n);
    EXPECT_FALSE(SaveGame(path_.string(), lines_)) << "failing after " << n << " lines";
    EXPECT_EQ(readAll(path_), oldBytes_) << "failing after " << n << " lines";
    EXPECT_EQ(namesIn(dir_), std::vector<std::string>{"game.dat"}) << "failing after " << n;
  }
}

TEST_F(SaveReplaceTest, WriterFailingWithoutAnOldFileLeavesNoFile) {
  fs::remove(path_);
  FailAfterLines failing(5);
  EXPECT_FALSE(SaveGame(path_.string(), lines_));
  EXPECT_TRUE(namesIn(dir_).empty());
}

TEST_F(SaveReplaceTest, FailurePointAtTheLastLineIsNoFailure) {
  FailAfterLines failing(static_cast<int>(lines_.size()));
  EXPECT_TRUE(SaveGame(path_.string(), lines_));
  EXPECT_EQ(readAll(path_), SaveFileBytes(lines_));
}

TEST_F(SaveReplaceTest, SaveWorksAgainAfterAFailedOne) {
  {
    FailAfterLines failing(3);
    ASSERT_FALSE(SaveGame(path_.string(), lines_));
  }
  EXPECT_TRUE(SaveGame(path_.string(), lines_));
  EXPECT_EQ(readAll(path_), SaveFileBytes(lines_));
  EXPECT_EQ(namesIn(dir_), std::vector<std::string>{"game.dat"});
}

TEST_F(SaveReplaceTest, MissingDirectoryFails) {
  const fs::path missing = dir_ / "missing" / "game.dat";
  EXPECT_FALSE(SaveGame(missing.string(), lines_));
  EXPECT_FALSE(fs::exists(dir_ / "missing"));
  EXPECT_EQ(namesIn(dir_), std::vector<std::string>{"game.dat"});
}

TEST_F(SaveReplaceTest, FileInPlaceOfTheDirectoryFails) {
  const fs::path underFile = path_ / "game.dat";
  EXPECT_FALSE(SaveGame(underFile.string(), lines_));
  EXPECT_EQ(readAll(path_), oldBytes_);
  EXPECT_EQ(namesIn(dir_), std::vector<std::string>{"game.dat"});
}

TEST_F(SaveReplaceTest, DirectoryInPlaceOfTheFileFailsAndTheTemporaryIsRemoved) {
  // The temporary file is written in full; only the rename over a directory fails.
  fs::remove(path_);
  fs::create_directory(path_);
  writeAll(path_ / "inside", "kept");
  EXPECT_FALSE(SaveGame(path_.string(), lines_));
  EXPECT_TRUE(fs::is_directory(path_));
  EXPECT_EQ(readAll(path_ / "inside"), "kept");
  EXPECT_EQ(namesIn(dir_), std::vector<std::string>{"game.dat"});
}

TEST_F(SaveReplaceTest, ReadOnlyDirectoryFailsAndKeepsTheOldFile) {
  fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec |
                            fs::perms::group_read | fs::perms::group_exec |
                            fs::perms::others_read | fs::perms::others_exec);
  {
    // The superuser writes anyway; then this case cannot be tested here.
    const fs::path probe = dir_ / "probe";
    std::ofstream out(probe);
    if (out) {
      out.close();
      fs::remove(probe);
      GTEST_SKIP() << "the directory stays writable for this user";
    }
  }
  EXPECT_FALSE(SaveGame(path_.string(), lines_));
  EXPECT_EQ(readAll(path_), oldBytes_);
  EXPECT_EQ(namesIn(dir_), std::vector<std::string>{"game.dat"});
}


#if !defined(_WIN32)

TEST_F(SaveReplaceTest, NamesPlantedAtTheTemporaryNameAreNeverWrittenThrough) {
  const fs::path outside = dir_ / "outside";
  fs::create_directory(outside);
  const fs::path tmp = dir_ / "game.dat.tmp";
  const struct {
    const char* what;
    fs::path target;  // a link at the temporary name points here
    bool existing;
  } cases[] = {{"link to a file", outside / "victim", true},
               {"dangling link", outside / "created", false},
               {"stale file", {}, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    writeAll(path_, oldBytes_);
    if (c.existing) writeAll(c.target, "victim");
    if (c.target.empty())
      writeAll(tmp, "left by a killed save");
    else
      fs::create_symlink(c.target, tmp);
    ASSERT_TRUE(SaveGame(path_.string(), lines_));
    EXPECT_EQ(readAll(path_), SaveFileBytes(lines_));
    EXPECT_FALSE(fs::is_symlink(path_));
    EXPECT_EQ(namesIn(dir_), (std::vector<std::string>{"game.dat", "outside"}));
    if (c.existing) {
      EXPECT_EQ(readAll(c.target), "victim");
    } else if (!c.target.empty()) {
      EXPECT_FALSE(fs::exists(c.target));
    }
  }
  // A name that cannot be removed (a directory) fails the save and touches nothing.
  writeAll(path_, oldBytes_);
  fs::create_directory(tmp);
  EXPECT_FALSE(SaveGame(path_.string(), lines_));
  EXPECT_EQ(readAll(path_), oldBytes_);
  EXPECT_TRUE(fs::is_directory(tmp));
}

TEST_F(SaveReplaceTest, SaveThroughALinkReplacesItsTargetAndKeepsTheLink) {
  const fs::path elsewhere = dir_ / "elsewhere";
  fs::create_directory(elsewhere);
  fs::remove(path_);
  // game.dat -> chain -> elsewhere/real.dat, both links relative to their directory.
  fs::create_symlink("chain", path_);
  fs::create_symlink("elsewhere/real.dat", dir_ / "chain");
  for (const char* state : {"target missing", "target present"}) {
    SCOPED_TRACE(state);
    ASSERT_TRUE(SaveGame(path_.string(), lines_));
    EXPECT_TRUE(fs::is_symlink(path_));
    EXPECT_EQ(readAll(elsewhere / "real.dat"), SaveFileBytes(lines_));
    EXPECT_EQ(namesIn(elsewhere), std::vector<std::string>{"real.dat"});
    EXPECT_EQ(namesIn(dir_), (std::vector<std::string>{"chain", "elsewhere", "game.dat"}));
  }
  auto loaded = savetest::load(readAll(path_));
  EXPECT_TRUE(loaded->ok);
  // A loop of links is no file to save to.
  fs::remove(dir_ / "chain");
  fs::create_symlink("game.dat", dir_ / "chain");
  EXPECT_FALSE(SaveGame(path_.string(), lines_));
}

// The owner can always read and write what the game saves: a file it could not
// read would be refused at every start.
TEST_F(SaveReplaceTest, TheOldFilesModeIsKeptWithTheOwnersReadAndWrite) {
  const fs::perms rw = fs::perms::owner_read | fs::perms::owner_write;
  for (const fs::perms mode : {rw, rw | fs::perms::group_read | fs::perms::others_read,
                               fs::perms::owner_read, fs::perms::none}) {
    fs::permissions(path_, mode);
    ASSERT_TRUE(SaveGame(path_.string(), lines_));
    EXPECT_EQ(fs::status(path_).permissions(), mode | rw);
  }
}

TEST_F(SaveReplaceTest, StartUpRemovesStaleTemporaryFilesOfOurNamesOnly) {
  for (const char* name : {"game.dat.tmp", "game.dat.tmp7", "game.dat.tmp123456"})
    writeAll(dir_ / name, "stale");
  for (const char* name : {"game.dat.tmpx", "game.dat.tmp1234567", "other.dat.tmp1"})
    writeAll(dir_ / name, "kept");
  fs::create_directory(dir_ / "game.dat.tmp12");
  removeStaleSaveTemporary(path_.string());
  EXPECT_EQ(namesIn(dir_), (std::vector<std::string>{"game.dat", "game.dat.tmp12",
                                                      "game.dat.tmp1234567", "game.dat.tmpx",
                                                      "other.dat.tmp1"}));
  // Beside the target of a link too, where a save through the link writes.
  fs::create_directory(dir_ / "real");
  fs::rename(path_, dir_ / "real" / "game.dat");
  fs::create_symlink("real/game.dat", path_);
  writeAll(dir_ / "real" / "game.dat.tmp", "stale");
  removeStaleSaveTemporary(path_.string());
  EXPECT_EQ(namesIn(dir_ / "real"), std::vector<std::string>{"game.dat"});
}

// Runs `body` in a child process; its exit status.
template <class Body>
int inChild(Body body) {
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(body());
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

TEST_F(SaveReplaceTest, FileSizeLimitFailsTheSaveInsteadOfEndingTheProgram) {
  ASSERT_GT(SaveFileBytes(lines_).size(), 1000u);
  const int status = inChild([&] {
    const rlimit limit{1000, 1000};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 3;
    return SaveGame(path_.string(), lines_) ? 1 : 0;
  });
  EXPECT_EQ(status, 0) << "1: the save reported success; 128 + n: ended by signal n";
  EXPECT_EQ(readAll(path_), oldBytes_);
  EXPECT_EQ(namesIn(dir_), std::vector<std::string>{"game.dat"});
}

// A refused save is never left where the next save replaces it, whatever stands in
// the way of its copy: no read permission (renamed instead), a directory of the
// ".bad" name (the next free name), a full disk (renamed over the older copy, which
// stays whole until then).
TEST_F(SaveReplaceTest, RefusedSaveIsKeptAsideWhateverStandsInTheWay) {
  const std::string bad = path_.string() + ".bad";
  // Without read permission; root reads anything, so the test drops to "nobody".
  fs::permissions(path_, fs::perms::none);
  EXPECT_EQ(inChild([&] {
              if (::geteuid() == 0 && (::chown(dir_.c_str(), 65534, 65534) != 0 ||
                                       ::chown(path_.c_str(), 65534, 65534) != 0 ||
                                       ::setgid(65534) != 0 || ::setuid(65534) != 0))
                return 3;
              return keepRefusedSave(path_.string()) ? 0 : 1;
            }),
            0);
  EXPECT_FALSE(fs::exists(path_));
  fs::permissions(bad, fs::perms::owner_read);
  EXPECT_EQ(readAll(bad), oldBytes_);

  fs::remove(bad);
  writeAll(path_, oldBytes_);
  fs::create_directory(bad);
  ASSERT_TRUE(keepRefusedSave(path_.string()));
  EXPECT_EQ(readAll(path_), oldBytes_);
  EXPECT_EQ(readAll(bad + ".1"), oldBytes_);

  fs::remove_all(bad);
  writeAll(bad, "older");
  const std::string big(5000, 'x');
  writeAll(path_, big);
  EXPECT_EQ(inChild([&] {
              const rlimit limit{1000, 1000};
              if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 3;
              return keepRefusedSave(path_.string()) ? 0 : 1;
            }),
            0);
  EXPECT_EQ(readAll(bad), big);
  EXPECT_FALSE(fs::exists(path_));
  EXPECT_EQ(namesIn(dir_), (std::vector<std::string>{"game.dat.bad", "game.dat.bad.1"}));
}

TEST_F(SaveReplaceTest, KilledAtAnyMomentTheSaveLeavesAFileThatLoads) {
  // A large company saved again and again by a child process, killed after a random
  // moment: the file is always a whole old or a whole new save, and only the one
  // temporary name may be left, which start-up removes.
  Random random;
  TCorporation company;
  for (int i = 0; i < 40; ++i) {
    company.BuildShop();
    company.BuildStore();
  }
  company.Office->StaffPlaces = 2000;
  for (int i = 0; i < 300; ++i) company.HireLoader(random);
  EngineValues values;
  const std::vector<std::string> first = SaveLines(company, values, "первая");
  const std::vector<std::string> second = SaveLines(company, values, "вторая");
  ASSERT_GT(SaveFileBytes(first).size(), 30000u);
  ASSERT_TRUE(SaveGame(path_.string(), first));

  std::mt19937 pick(2001);
  std::uniform_int_distribution<int> microseconds(0, 4000);
  const auto start = std::chrono::steady_clock::now();
  int kills = 0;
  for (; kills < 300; ++kills) {
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      for (int n = 0;; ++n) SaveGame(path_.string(), n % 2 ? first : second);
    }
    ::usleep(static_cast<useconds_t>(microseconds(pick)));
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    const std::vector<std::string> names = namesIn(dir_);
    ASSERT_TRUE(names == std::vector<std::string>{"game.dat"} ||
                names == (std::vector<std::string>{"game.dat", "game.dat.tmp"}))
        << "after kill " << kills << ": " << names.size() << " names";
    const std::string bytes = readAll(path_);
    ASSERT_TRUE(bytes == SaveFileBytes(first) || bytes == SaveFileBytes(second)) << "after kill " << kills;
    ASSERT_TRUE(savetest::load(bytes)->ok);
    if (std::chrono::steady_clock::now() - start > std::chrono::seconds(10)) break;
  }
  removeStaleSaveTemporary(path_.string());
  EXPECT_EQ(namesIn(dir_), std::vector<std::string>{"game.dat"});
  EXPECT_GE(kills, 50) << "too few kills in the time";
  RecordProperty("kills", kills);
}

#endif

}  // namespace
}  // namespace kelpmark
