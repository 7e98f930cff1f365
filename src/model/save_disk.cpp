// SPDX-License-Identifier: GPL-3.0-or-later
// The saved game on disk: POSIX calls on Linux, a plain fallback elsewhere.
#include "model/save_disk.h"

#include <cerrno>
#include <filesystem>
#include <vector>

#if defined(_WIN32)
#include <fstream>
#include <iterator>
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kelpmark {

namespace fs = std::filesystem;

namespace {

// Earlier versions named their temporary files "<name>.tmp" and up to six digits.
bool isNumberedTemporaryOf(const std::string& name, const std::string& file) {
  const std::string prefix = file + ".tmp";
  if (name.size() <= prefix.size() || name.size() > prefix.size() + 6) return false;
  if (name.compare(0, prefix.size(), prefix) != 0) return false;
  for (size_t i = prefix.size(); i < name.size(); ++i)
    if (name[i] < '0' || name[i] > '9') return false;
  return true;
}

constexpr int kMaxNumberedKeptNames = 99;

// The names a refused file is kept under, in the order they are tried: "<path>.bad",
// then the first "<path>.bad.N" that nothing holds.
std::vector<std::string> keptNames(const std::string& path) {
  const std::string bad = path + ".bad";
  std::vector<std::string> names{bad};
  for (int n = 1; n <= kMaxNumberedKeptNames; ++n) {
    const std::string numbered = bad + "." + std::to_string(n);
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(numbered, ec))) {
      names.push_back(numbered);
      break;
    }
  }
  return names;
}

}  // namespace

#if defined(_WIN32)

bool readRegularFile(const std::string& path, size_t limit, std::string& bytes) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return false;
  const auto size = fs::file_size(path, ec);
  if (ec || size > limit) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad() && bytes.size() <= limit;
}

std::string saveTemporaryPath(const std::string& path) { return path + ".tmp"; }

bool replaceFile(const std::string& path, const std::string& bytes, bool failBeforeRename,
                 int* error) {
  const std::string tmp = saveTemporaryPath(path);
  std::error_code ec;
  fs::remove(tmp, ec);
  bool ok;
  int why = 0;
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    ok = static_cast<bool>(out) && !failBeforeRename;
    if (!ok) why = failBeforeRename ? ENOSPC : (errno != 0 ? errno : EIO);
  }
  if (ok) {
    fs::rename(tmp, path, ec);
    ok = !ec;
    if (!ok) why = ec.value();
  }
  if (!ok) fs::remove(tmp, ec);
  if (error != nullptr) *error = why;
  return ok;
}

void removeStaleSaveTemporary(const std::string& path) {
  std::error_code ec;
  if (!fs::is_directory(saveTemporaryPath(path), ec)) fs::remove(saveTemporaryPath(path), ec);
}

bool moveAside(const std::string& path) {
  std::error_code ec;
  if (!fs::exists(fs::symlink_status(path, ec))) return true;
  for (const std::string& name : keptNames(path)) {
    fs::rename(path, name, ec);
    if (!ec) return true;
  }
  return false;
}

bool keepRefusedSave(const std::string& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return false;
  for (const std::string& name : keptNames(path)) {
    const std::string tmp = name + ".tmp";
    if (fs::copy_file(path, tmp, fs::copy_options::overwrite_existing, ec) && !ec) {
      fs::rename(tmp, name, ec);
      if (!ec) return true;
    }
    fs::remove(tmp, ec);
  }
  return moveAside(path);
}

#else

namespace {

constexpr int kMaxLinks = 40;

// The file a save to `path` replaces: `path` itself, or the final target of the
// links it names (which need not exist yet). False for a loop of links.
bool resolveLinks(const std::string& path, std::string& target) {
  fs::path p = path;
  for (int i = 0; i <= kMaxLinks; ++i) {
    struct stat st;
    if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
      target = p.string();
      return true;
    }
    std::error_code ec;
    const fs::path next = fs::read_symlink(p, ec);
    if (ec) return false;
    p = next.is_absolute() ? next : p.parent_path() / next;
  }
  return false;
}

// While a file is written, a file-size limit makes the write fail with an error
// instead of ending the program with SIGXFSZ.
class FileSizeSignalIgnored {
 public:
  FileSizeSignalIgnored() {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    active_ = ::sigaction(SIGXFSZ, &ignore, &old_) == 0;
  }
  ~FileSizeSignalIgnored() {
    if (active_) ::sigaction(SIGXFSZ, &old_, nullptr);
  }
  FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
  FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;

 private:
  struct sigaction old_ {};
  bool active_ = false;
};

// Opens a regular file for reading without blocking, whatever sits under the name
// (a FIFO, a device); -1 for anything but a regular file.
int openRegularForReading(const std::string& path, struct stat& st) {
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return -1;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return -1;
  // The name may have changed hands between the two looks.
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return -1;
  }
  return fd;
}

// Creates a new file under `path` after removing a stale one of that name (a link is
// removed itself, never followed); fails rather than open anything that exists.
int createAfresh(const std::string& path, mode_t mode) {
  ::unlink(path.c_str());
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
  if (fd < 0 && errno == EEXIST) {
    // What stays in the way is a directory: the reason worth telling.
    struct stat st;
    if (::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) errno = EISDIR;
  }
  return fd;
}

// Gives the file at least read and write permission for its owner (and the bits of
// `mode` when set, for a file that replaces one of that mode): the creation mode
// passed through the umask.
void giveOwnerReadWrite(int fd, mode_t mode) {
  struct stat st;
  if (mode == 0 && ::fstat(fd, &st) == 0) mode = st.st_mode & 07777;
  (void)::fchmod(fd, mode | S_IRUSR | S_IWUSR);
}

bool writeAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) errno = ENOSPC;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

void syncDirectoryOf(const std::string& path) {
  fs::path dir = fs::path(path).parent_path();
  if (dir.empty()) dir = ".";
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Removes "<file>.tmp" and the numbered names of earlier versions beside `file`;
// directories are left alone.
void removeTemporariesOf(const fs::path& file) {
  const auto removeIfNotDirectory = [](const fs::path& p) {
    struct stat st;
    if (::lstat(p.c_str(), &st) == 0 && !S_ISDIR(st.st_mode)) ::unlink(p.c_str());
  };
  removeIfNotDirectory(file.string() + ".tmp");
  removeIfNotDirectory(file.string() + ".bad.tmp");
  fs::path dir = file.parent_path();
  if (dir.empty()) dir = ".";
  const std::string name = file.filename().string();
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
    if (isNumberedTemporaryOf(it->path().filename().string(), name))
      removeIfNotDirectory(it->path());
}

}  // namespace

bool readRegularFile(const std::string& path, size_t limit, std::string& bytes) {
  struct stat st;
  const int fd = openRegularForReading(path, st);
  if (fd < 0) return false;
  std::string out;
  if (st.st_size > 0 && static_cast<uint64_t>(st.st_size) <= limit)
    out.reserve(static_cast<size_t>(st.st_size));
  bool ok = true;
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    if (out.size() + static_cast<size_t>(n) > limit) {
      ok = false;
      break;
    }
    out.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  if (ok) bytes = std::move(out);
  return ok;
}

std::string saveTemporaryPath(const std::string& path) {
  std::string target;
  if (!resolveLinks(path, target)) target = path;
  return target + ".tmp";
}

bool replaceFile(const std::string& path, const std::string& bytes, bool failBeforeRename,
                 int* error) {
  int ignored = 0;
  int& why = error != nullptr ? *error : ignored;
  why = 0;
  std::string target;
  if (!resolveLinks(path, target)) {
    why = ELOOP;
    return false;
  }
  const std::string tmp = target + ".tmp";
  FileSizeSignalIgnored quiet;
  struct stat st;
  const bool hadFile = ::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode);
  const mode_t mode = hadFile ? (st.st_mode & 0777) : 0666;
  const int fd = createAfresh(tmp, mode);
  if (fd < 0) {
    why = errno;
    return false;
  }
  // The old file's mode is kept as it was, with the owner's reading and writing.
  giveOwnerReadWrite(fd, hadFile ? mode : 0);
  bool ok = writeAll(fd, bytes.data(), bytes.size());
  if (!ok) why = errno;
  if (ok && failBeforeRename) {
    ok = false;
    why = ENOSPC;
  }
  if (ok && ::fsync(fd) != 0) {
    ok = false;
    why = errno;
  }
  if (::close(fd) != 0 && ok) {
    ok = false;
    why = errno;
  }
  if (ok && ::rename(tmp.c_str(), target.c_str()) != 0) {
    ok = false;
    why = errno;
  }
  if (!ok) {
    ::unlink(tmp.c_str());
    return false;
  }
  syncDirectoryOf(target);
  return true;
}

void removeStaleSaveTemporary(const std::string& path) {
  removeTemporariesOf(path);
  std::string target;
  if (resolveLinks(path, target) && target != path) removeTemporariesOf(target);
}

namespace {

// Copies the open file `in` from its start to a temporary file and renames that
// over `to` once it is complete, so that an older file there stays until then.
bool copyOver(int in, const std::string& to, mode_t mode) {
  if (::lseek(in, 0, SEEK_SET) != 0) return false;
  const std::string tmp = to + ".tmp";
  const int out = createAfresh(tmp, mode);
  if (out < 0) return false;
  giveOwnerReadWrite(out, mode);
  bool ok = true;
  char buffer[1 << 16];
  while (ok) {
    const ssize_t n = ::read(in, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    ok = writeAll(out, buffer, static_cast<size_t>(n));
  }
  ok = ok && ::fsync(out) == 0;
  if (::close(out) != 0) ok = false;
  if (ok && ::rename(tmp.c_str(), to.c_str()) != 0) ok = false;
  if (!ok) ::unlink(tmp.c_str());
  return ok;
}

}  // namespace

bool moveAside(const std::string& path) {
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT;
  // A rename needs neither read permission nor room on the disk.
  for (const std::string& name : keptNames(path))
    if (::rename(path.c_str(), name.c_str()) == 0) {
      syncDirectoryOf(path);
      return true;
    }
  return false;
}

bool keepRefusedSave(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  FileSizeSignalIgnored quiet;
  const int in = openRegularForReading(path, st);
  if (in >= 0) {
    bool copied = false;
    for (const std::string& name : keptNames(path))
      if ((copied = copyOver(in, name, st.st_mode & 0777))) break;
    ::close(in);
    if (copied) {
      syncDirectoryOf(path);
      return true;
    }
  }
  return moveAside(path);
}

#endif

}  // namespace kelpmark
