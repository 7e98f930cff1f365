// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/script_file.h"

#include <algorithm>
#include <cerrno>
#include <csignal>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kelpmark::ui {

namespace {

#if defined(_WIN32)

int openScript(const std::string& path, bool& pipe) {
  pipe = false;
  int fd = -1;
  _sopen_s(&fd, path.c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY, _SH_DENYNO,
           _S_IREAD | _S_IWRITE);
  return fd;
}
int reopenPipe(const std::string&) {
  errno = EPIPE;
  return -1;
}
long long writeAt(int fd, const char* data, size_t size, size_t at) {
  if (_lseeki64(fd, static_cast<long long>(at), SEEK_SET) < 0) return -1;
  return _write(fd, data, static_cast<unsigned>(std::min<size_t>(size, 1u << 30)));
}
long long writeOn(int fd, const char* data, size_t size) {
  return _write(fd, data, static_cast<unsigned>(std::min<size_t>(size, 1u << 30)));
}
void truncateTo(int fd, size_t size) { (void)_chsize_s(fd, static_cast<long long>(size)); }
void closeScript(int fd) { _close(fd); }

#else

// A reader that goes away must not end the game (SIGPIPE), nor a file over the size
// limit (SIGXFSZ): the write fails instead, and that is handled.
void ignoreWriteSignals() {
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  ::sigaction(SIGPIPE, &ignore, nullptr);
  ::sigaction(SIGXFSZ, &ignore, nullptr);
}

int reopenPipe(const std::string& path) {
  // Without a reader the open fails at once (ENXIO) instead of waiting for one.
  return ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
}

int openScript(const std::string& path, bool& pipe) {
  struct stat st;
  pipe = ::lstat(path.c_str(), &st) == 0 && S_ISFIFO(st.st_mode);
  if (pipe) {
    const int fd = reopenPipe(path);
    if (fd < 0 && errno == ENXIO) errno = 0;  // no reader yet: the lines wait for one
    return fd;
  }
  const int fd =
      ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
  // Anything but a regular file (a device) is written to the end only.
  if (fd >= 0 && ::fstat(fd, &st) == 0 && !S_ISREG(st.st_mode)) pipe = true;
  return fd;
}
long long writeAt(int fd, const char* data, size_t size, size_t at) {
  return ::pwrite(fd, data, size, static_cast<off_t>(at));
}
long long writeOn(int fd, const char* data, size_t size) { return ::write(fd, data, size); }
void truncateTo(int fd, size_t size) { (void)::ftruncate(fd, static_cast<off_t>(size)); }
void closeScript(int fd) { ::close(fd); }

#endif

}  // namespace

ScriptFile::~ScriptFile() {
  writeOut();
  if (fd_ >= 0) closeScript(fd_);
}

bool ScriptFile::open(const std::string& path, int& error) {
#if !defined(_WIN32)
  ignoreWriteSignals();
#endif
  path_ = path;
  errno = 0;
  fd_ = openScript(path, pipe_);
  error = errno;
  return fd_ >= 0 || (pipe_ && error == 0);
}

std::streamsize ScriptFile::xsputn(const char* s, std::streamsize n) {
  const auto size = static_cast<size_t>(n);
  if (at_ < written_) changedFrom_ = std::min(changedFrom_, at_);
  if (at_ + size > text_.size()) text_.resize(at_ + size);
  text_.replace(at_, size, s, size);
  at_ += size;
  return n;
}

ScriptFile::int_type ScriptFile::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  const char ch = traits_type::to_char_type(c);
  xsputn(&ch, 1);
  return c;
}

ScriptFile::pos_type ScriptFile::seekoff(off_type off, std::ios_base::seekdir dir,
                                         std::ios_base::openmode) {
  const pos_type invalid(off_type(-1));
  if (pipe_) return invalid;
  const off_type base = dir == std::ios_base::beg   ? 0
                        : dir == std::ios_base::cur ? static_cast<off_type>(at_)
                                                    : static_cast<off_type>(text_.size());
  const off_type to = base + off;
  if (to < 0 || to > static_cast<off_type>(text_.size())) return invalid;
  at_ = static_cast<size_t>(to);
  return pos_type(to);
}

ScriptFile::pos_type ScriptFile::seekpos(pos_type pos, std::ios_base::openmode which) {
  return seekoff(off_type(pos), std::ios_base::beg, which);
}

int ScriptFile::sync() {
  writeOut();
  return 0;  // the stream never fails: what is not written yet waits in memory
}

void ScriptFile::writeOut() {
  // Only whole lines go out.
  const size_t lastEnd = text_.rfind('\n');
  if (lastEnd == std::string::npos) return;
  if (pipe_)
    writeToPipe(lastEnd + 1);
  else if (fd_ >= 0)
    writeToFile(lastEnd + 1);
}

void ScriptFile::writeToFile(size_t end) {
  size_t done = std::min(changedFrom_, written_);
  while (done < end) {
    const long long n = writeAt(fd_, text_.data() + done, end - done, done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const int error = n == 0 ? ENOSPC : errno;
      // The file ends after its last whole line; the rest waits in memory.
      const size_t lineEnd = done == 0 ? std::string::npos : text_.rfind('\n', done - 1);
      written_ = lineEnd == std::string::npos ? 0 : lineEnd + 1;
      changedFrom_ = std::string::npos;
      truncateTo(fd_, written_);
      failed(error);
      return;
    }
    done += static_cast<size_t>(n);
  }
  written_ = std::max(written_, end);
  changedFrom_ = std::string::npos;
}

void ScriptFile::writeToPipe(size_t end) {
  if (fd_ < 0) {
    fd_ = reopenPipe(path_);
    if (fd_ < 0) {
      if (errno != ENXIO) failed(errno);  // without a reader the lines simply wait
      return;
    }
  }
  size_t done = 0;
  while (done < end) {
    // A line at a time: one no longer than a pipe's buffer goes in whole or not at all.
    const size_t lineEnd = text_.find('\n', done) + 1;
    const long long n = writeOn(fd_, text_.data() + done, lineEnd - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;  // a slow reader
    if (n <= 0) {
      const int error = n == 0 ? EIO : errno;
      // The reader went away: the next one gets what is left.
      closeScript(fd_);
      fd_ = -1;
      failed(error);
      break;
    }
    done += static_cast<size_t>(n);
  }
  text_.erase(0, done);
  at_ = text_.size();
}

void ScriptFile::failed(int error) {
  if (told_) return;
  told_ = true;
  if (onFailure_) onFailure_(error);
}

}  // namespace kelpmark::ui
