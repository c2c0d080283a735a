// SPDX-License-Identifier: EUPL-1.2
#include "platform/output_file.h"

#include <cerrno>
#include <random>
#include <string>

#include "platform/files.h"

namespace platform {
namespace {

// Short and of one length, whatever the target's name. The source is made once per thread:
// making one costs far more than drawing from it.
std::string TemporaryName() {
  thread_local std::random_device random;
  return ".vaROR." + std::to_string(random()) + ".tmp";
}

}  // namespace

bool OutputFile::Create(const std::filesystem::path& target) {
  Discard();
  creation_error_.clear();
  // The temporary name does not tell whether the system takes the target's name (a name too
  // long, a file where a folder should be): asked now, not at the final rename.
  std::error_code refused;
  static_cast<void>(std::filesystem::status(target, refused));
  if (refused && refused != std::errc::no_such_file_or_directory) {
    creation_error_ = refused;
    return false;
  }
  for (int attempt = 0; attempt < 8; ++attempt) {
    auto candidate = target.parent_path() / TemporaryName();
    // "x": never reuse a file that already exists.
    if ((file_ = std::fopen(candidate.string().c_str(), "wbx")) != nullptr) {
      target_ = target;
      temporary_ = candidate;
      write_error_.clear();
      return true;
    }
    if (errno != EEXIST) break;
  }
  creation_error_ = std::error_code(errno, std::generic_category());
  return false;
}

void OutputFile::Write(std::string_view bytes) {
  if (file_ == nullptr) return;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) NoteWriteError();
}

void OutputFile::NoteWriteError() {
  if (!write_error_) write_error_ = std::error_code(errno, std::generic_category());
}

std::error_code OutputFile::Close() {
  if (file_ == nullptr)
    return write_error_ ? write_error_ : std::make_error_code(std::errc::bad_file_descriptor);
  if (std::fflush(file_) == 0)
    platform::StartWriting(file_);
  else
    NoteWriteError();
  if (std::fclose(file_) != 0) NoteWriteError();
  file_ = nullptr;
  return write_error_;
}

std::error_code OutputFile::Publish() {
  const std::error_code error = platform::ReplaceFile(temporary_, target_);
  if (!error) temporary_.clear();
  return error;
}

void OutputFile::Discard() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
  if (!temporary_.empty()) {
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
    temporary_.clear();
  }
}

}  // namespace platform
