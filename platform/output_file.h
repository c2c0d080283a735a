// SPDX-License-Identifier: EUPL-1.2
// The output file of one document: bytes go to a temporary file beside the target, under a
// short hidden name of its own, which replaces the target only when the document is
// complete. A failed or abandoned document leaves the earlier file of that name untouched
// and no partial file behind.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace platform {

class OutputFile {
 public:
  OutputFile() = default;
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  ~OutputFile() { Discard(); }

  // Creates the temporary file in the target's folder; false when that is impossible.
  bool Create(const std::filesystem::path& target);
  bool IsOpen() const { return file_ != nullptr; }
  // Why the last Create failed; empty after a success.
  std::error_code CreationError() const { return creation_error_; }
  // Appends bytes; the first failure is remembered and reported by Close.
  void Write(std::string_view bytes);
  // Flushes and closes the temporary file; why a write failed (disk full, ...), empty when
  // none did.
  std::error_code Close();
  // Where the bytes go until Publish, for a library that writes a file by its name.
  const std::filesystem::path& TemporaryPath() const { return temporary_; }
  // Moves the closed temporary file over the target.
  std::error_code Publish();
  // Closes and removes the temporary file, if any.
  void Discard();

 private:
  void NoteWriteError();

  std::FILE* file_ = nullptr;
  std::error_code write_error_;
  std::error_code creation_error_;
  std::filesystem::path target_;
  std::filesystem::path temporary_;
};

}  // namespace platform
