// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/SaveFile.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using project::SaveFileAtomically;

const std::string kOld = "{\"schema\": 1, \"header\": \"เดิม\"}\n";
const std::string kNew(100000, 'x');

std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Write(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A fresh folder per test, removed after it.
class SaveFileTest : public testing::Test {
protected:
  void SetUp() override {
    folder_ =
        fs::temp_directory_path() / ("pipecolumn-save-" + std::to_string(::getpid()) + "-" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(folder_);
  }

  // Everything in the folder, so that a temporary file left behind shows.
  std::vector<std::string> Listing() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path folder_;
};

TEST_F(SaveFileTest, ReplacesTheFileKeepingItsPermissionsAndLinks) {
  const fs::path target = folder_ / "อาคาร B.pipecolumn";
  Write(target, kOld);
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink(target.filename(), folder_ / "link.pipecolumn");

  SaveFileAtomically(folder_ / "link.pipecolumn", kNew);

  EXPECT_EQ(Contents(target), kNew);
  EXPECT_TRUE(fs::is_symlink(folder_ / "link.pipecolumn"));
  EXPECT_EQ(fs::status(target).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Listing(), (std::vector<std::string>{"link.pipecolumn", "อาคาร B.pipecolumn"}));
}

TEST_F(SaveFileTest, AFailedSaveKeepsTheOldFileAndLeavesNothingBehind) {
  struct Case {
    const char* name;
    std::function<fs::path()> prepare; // gives the path to save to
    std::string failedStep;
  };
  const fs::path old = folder_ / "C1.pipecolumn";
  const std::vector<Case> table = {
      {"FolderIsAFile", [&] { return old / "C2.pipecolumn"; }, "สร้างไฟล์ชั่วคราวในโฟลเดอร์"},
      {"FolderMissing", [&] { return folder_ / "ไม่มี" / "C2.pipecolumn"; },
       "สร้างไฟล์ชั่วคราวในโฟลเดอร์"},
      {"TargetIsAFolder",
       [&] {
         fs::create_directory(folder_ / "C3.pipecolumn");
         Write(folder_ / "C3.pipecolumn" / "inside", kOld);
         return folder_ / "C3.pipecolumn";
       },
       "แทนที่ไฟล์เดิมด้วยไฟล์ชั่วคราวไม่ได้"},
      // The file size limit makes the write itself fail, as a full disk would.
      {"WriteFails",
       [&] {
         const rlimit limit{4096, RLIM_INFINITY};
         setrlimit(RLIMIT_FSIZE, &limit);
         return old;
       },
       "เขียนไฟล์ชั่วคราว"},
  };
  rlimit unlimited{};
  getrlimit(RLIMIT_FSIZE, &unlimited);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  for (const Case& each : table) {
    SCOPED_TRACE(each.name);
    Write(old, kOld);
    const fs::path target = each.prepare();
    const std::vector<std::string> before = Listing();
    try {
      SaveFileAtomically(target, kNew);
      ADD_FAILURE() << "saved";
    } catch (const project::SaveError& error) {
      EXPECT_NE(std::string(error.what()).find(each.failedStep), std::string::npos) << error.what();
    }
    setrlimit(RLIMIT_FSIZE, &unlimited);
    EXPECT_EQ(Contents(old), kOld);
    EXPECT_EQ(Listing(), before);
  }
  std::signal(SIGXFSZ, previousHandler);
}

TEST_F(SaveFileTest, AReadOnlyFileIsRefusedAndSaidToBeKeptOnlyWhenThereWasOne) {
  const fs::path old = folder_ / "C1.pipecolumn";
  Write(old, kOld);
  fs::permissions(old, fs::perms::owner_read | fs::perms::group_read);
  for (const fs::path& target : {old, folder_ / "ไม่มี" / "C2.pipecolumn"}) {
    try {
      project::CheckCanSave(target);
      SaveFileAtomically(target, kNew);
      ADD_FAILURE() << "saved " << target;
    } catch (const project::SaveError& error) {
      EXPECT_EQ(std::string(error.what()).ends_with(project::kOldFileKept), target == old)
          << error.what();
    }
  }
  EXPECT_THROW(SaveFileAtomically(old, kNew), project::SaveError);
  EXPECT_EQ(Contents(old), kOld);
  EXPECT_EQ(fs::status(old).permissions(), fs::perms::owner_read | fs::perms::group_read);
  EXPECT_EQ(Listing(), std::vector<std::string>{"C1.pipecolumn"});
}

TEST_F(SaveFileTest, AReadOnlyFolderKeepsTheOldFile) {
  if (::geteuid() == 0) {
    GTEST_SKIP() << "permissions do not bind the superuser";
  }
  const fs::path old = folder_ / "C1.pipecolumn";
  Write(old, kOld);
  fs::permissions(folder_, fs::perms::owner_write, fs::perm_options::remove);
  EXPECT_THROW(SaveFileAtomically(old, kNew), project::SaveError);
  EXPECT_EQ(Contents(old), kOld);
}

} // namespace
