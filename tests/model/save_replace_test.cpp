// Saving over an existing game: a save that fails at any point leaves the previous
// file as it was and no temporary file behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "save_test_support.h"
#include "model/codepage.h"
#include "model/corporation.h"
#include "model/random.h"
#include "model/save_file.h"

#if !defined(_WIN32)
#include <unistd.h>
#endif

namespace kelpmark {
namespace {

namespace fs = std::filesystem;
using savetest::readAll;
using savetest::writeAll;
using savetest::fileBytes;

std::vector<std::string> namesIn(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class FailAfterLines {
 public:
  explicit FailAfterLines(int n) { setSaveFailureAfterLinesForTesting(n); }
  ~FailAfterLines() { setSaveFailureAfterLinesForTesting(-1); }
};

class SaveReplaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           (std::string("kelpmark-save-replace-") +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
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
    fs::permissions(dir_, fs::perms::owner_all, ec);
    fs::remove_all(dir_, ec);
  }

  Random random_;
  fs::path dir_;
  fs::path path_;
  std::vector<std::string> lines_;
  std::string oldBytes_;
};

TEST_F(SaveReplaceTest, SuccessfulSaveReplacesTheFileAndLeavesNothingElse) {
  ASSERT_TRUE(SaveGame(path_.string(), lines_));
  EXPECT_EQ(readAll(path_), fileBytes(lines_));
  EXPECT_EQ(namesIn(dir_), std::vector<std::string>{"game.dat"});
}

TEST_F(SaveReplaceTest, SaveCreatesAMissingFile) {
  fs::remove(path_);
  ASSERT_TRUE(SaveGame(path_.string(), lines_));
  EXPECT_EQ(readAll(path_), fileBytes(lines_));
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
  EXPECT_EQ(readAll(path_), fileBytes(lines_));
}

TEST_F(SaveReplaceTest, SaveWorksAgainAfterAFailedOne) {
  {
    FailAfterLines failing(3);
    ASSERT_FALSE(SaveGame(path_.string(), lines_));
  }
  EXPECT_TRUE(SaveGame(path_.string(), lines_));
  EXPECT_EQ(readAll(path_), fileBytes(lines_));
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

}  // namespace
}  // namespace kelpmark
