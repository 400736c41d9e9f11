// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/SaveFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string>
#include <system_error>

namespace project {

namespace {

namespace fs = std::filesystem;

constexpr int kNameAttempts = 100;

// Says the old file is intact only where there is one.
[[noreturn]] void Fail(const fs::path& target, const std::string& step, int error) {
  struct stat status {};
  const bool oldFileKept = ::stat(target.c_str(), &status) == 0 && S_ISREG(status.st_mode);
  throw SaveError("บันทึกไฟล์ " + target.string() + " ไม่ได้: " + step + " (" +
                  std::generic_category().message(error) + ")" +
                  (oldFileKept ? "\n" + std::string(kOldFileKept) : std::string()));
}

// A file descriptor of the temporary file, removed with it unless the save went through.
class TemporaryFile {
public:
  explicit TemporaryFile(const fs::path& target) : target_(target) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::random_device random;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
      path_ = folder / ("." + target.filename().string() + "." + std::to_string(random()) + ".tmp");
      // 0666 less the umask, as for any new file.
      descriptor_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (descriptor_ >= 0 || errno != EEXIST) {
        break;
      }
    }
    if (descriptor_ < 0) {
      Fail(target_, "สร้างไฟล์ชั่วคราวในโฟลเดอร์ " + folder.string() + " ไม่ได้", errno);
    }
  }

  ~TemporaryFile() {
    if (descriptor_ >= 0) {
      ::close(descriptor_);
    }
    if (!renamed_) {
      ::unlink(path_.c_str());
    }
  }

  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  void keepPermissionsOf(const fs::path& original) {
    struct stat status {};
    if (::stat(original.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
        ::fchmod(descriptor_, status.st_mode & 07777) != 0) {
      Fail(target_, "ตั้งสิทธิ์ของไฟล์ชั่วคราวให้เหมือนไฟล์เดิมไม่ได้", errno);
    }
  }

  void write(std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
      if (written < 0) {
        if (errno == EINTR) {
          continue;
        }
        Fail(target_, "เขียนไฟล์ชั่วคราว " + path_.string() + " ไม่ได้", errno);
      }
      bytes.remove_prefix(static_cast<std::size_t>(written));
    }
  }

  void flushAndClose() {
    if (::fsync(descriptor_) != 0) {
      Fail(target_, "บันทึกข้อมูลลงดิสก์ (fsync) ไม่ได้", errno);
    }
    const int descriptor = descriptor_;
    descriptor_ = -1;
    if (::close(descriptor) != 0) {
      Fail(target_, "ปิดไฟล์ชั่วคราวไม่ได้", errno);
    }
  }

  void renameOverTarget() {
    if (::rename(path_.c_str(), target_.c_str()) != 0) {
      Fail(target_, "แทนที่ไฟล์เดิมด้วยไฟล์ชั่วคราวไม่ได้", errno);
    }
    renamed_ = true;
  }

private:
  fs::path target_;
  fs::path path_;
  int descriptor_ = -1;
  bool renamed_ = false;
};

// A file the user may not write is kept, though its folder would let a rename replace it. A file
// with no write permission for anyone is kept even for the superuser, whom access() lets through.
void RefuseReadOnlyFile(const fs::path& target) {
  struct stat status {};
  if (::stat(target.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
    return;
  }
  if (::access(target.c_str(), W_OK) != 0 || (status.st_mode & 0222) == 0) {
    Fail(target, "ไฟล์เดิมเป็นแบบอ่านอย่างเดียว ไม่มีสิทธิ์เขียนทับ", EACCES);
  }
}

fs::path FollowedLink(const fs::path& path) {
  std::error_code error;
  if (!fs::is_symlink(path, error)) {
    return path;
  }
  fs::path target = fs::weakly_canonical(path, error);
  if (error) {
    Fail(path, "หาไฟล์ที่ลิงก์ชี้ไปไม่ได้", error.value());
  }
  return target;
}

// The rename reaches the disk with its folder; a failure here leaves the new file in place,
// readable, so it is not reported as a failed save.
void FlushFolderOf(const fs::path& target) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor >= 0) {
    ::fsync(descriptor);
    ::close(descriptor);
  }
}

} // namespace

void CheckCanSave(const fs::path& path) {
  const fs::path target = FollowedLink(path);
  RefuseReadOnlyFile(target);
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  if (::access(folder.c_str(), W_OK | X_OK) != 0) {
    Fail(target, "สร้างไฟล์ชั่วคราวในโฟลเดอร์ " + folder.string() + " ไม่ได้", errno);
  }
}

void SaveFileAtomically(const fs::path& path, std::string_view bytes) {
  const fs::path target = FollowedLink(path);
  RefuseReadOnlyFile(target);
  TemporaryFile temporary(target);
  temporary.keepPermissionsOf(target);
  temporary.write(bytes);
  temporary.flushAndClose();
  temporary.renameOverTarget();
  FlushFolderOf(target);
}

} // namespace project
