// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file a recorded game's script goes to, as a stream buffer whose every write
// is checked. It never fails the stream: what cannot be written now stays in memory
// and is written once writing works again, and the file always ends after a whole
// line, so that a script cut short by a failure still plays to its last line.
//
// A regular file is written in place (the recorder rewrites its open tick line as it
// grows). A FIFO is opened without waiting for a reader: until one comes, and after
// a reader went away, the lines wait for the next one; a full pipe never blocks the
// game.
#include <functional>
#include <streambuf>
#include <string>

namespace kelpmark::ui {

class ScriptFile : public std::streambuf {
 public:
  ScriptFile() = default;
  ~ScriptFile() override;
  ScriptFile(const ScriptFile&) = delete;
  ScriptFile& operator=(const ScriptFile&) = delete;

  // Opens `path` for a new script: a regular file is created or emptied (a link
  // is never followed). False, with the reason in `error`, when it cannot be.
  bool open(const std::string& path, int& error);
  // Told the reason (an errno value) of the first write that fails; later failures
  // are silent.
  void setFailureHandler(std::function<void(int)> handler) { onFailure_ = std::move(handler); }

 protected:
  std::streamsize xsputn(const char* s, std::streamsize n) override;
  int_type overflow(int_type c) override;
  pos_type seekoff(off_type off, std::ios_base::seekdir dir, std::ios_base::openmode) override;
  pos_type seekpos(pos_type pos, std::ios_base::openmode) override;
  int sync() override;

 private:
  void writeOut();
  void writeToFile(size_t end);
  void writeToPipe(size_t end);
  void failed(int error);

  std::string path_;
  int fd_ = -1;
  bool pipe_ = false;
  bool told_ = false;
  std::function<void(int)> onFailure_;
  // The script as written so far (for a pipe, only what has not gone out yet), the
  // position of the next byte in it, the bytes at its start that are on disk as
  // they stand, and the first byte changed below that (npos: none).
  std::string text_;
  size_t at_ = 0;
  size_t written_ = 0;
  size_t changedFrom_ = std::string::npos;
};

}  // namespace kelpmark::ui
