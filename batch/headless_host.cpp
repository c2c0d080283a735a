// SPDX-License-Identifier: EUPL-1.2
#include "batch/headless_host.h"

#include <cstdlib>
#include <ctime>
#include <utility>

#include "platform/files.h"

namespace batch {

platform::MessageAnswer HeadlessHost::ShowMessage(const std::string& text, const std::string&,
                                                  platform::MessageIcon,
                                                  platform::MessageButtons buttons) {
  if (!avis_.empty()) avis_ += ' ';
  for (char c : text) {
    if (c == '\n') continue;
    avis_ += c == '\r' ? ' ' : c;
  }
  return buttons == platform::MessageButtons::YesNo ? platform::MessageAnswer::Yes
                                                    : platform::MessageAnswer::Ok;
}

std::string HeadlessHost::PrendAvis() { return std::exchange(avis_, {}); }

// The running executable's folder, as the desktop's host gives it.
HeadlessHost::HeadlessHost() {
  std::error_code error;
  const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
  program_folder_ = error ? std::filesystem::current_path() : executable.parent_path();
}

std::filesystem::path HeadlessHost::ProgramFolder() const { return program_folder_; }

std::filesystem::path HeadlessHost::DocumentsFolder() const {
  const char* home = std::getenv("HOME");
  return home ? std::filesystem::path(home) : std::filesystem::current_path();
}

bool HeadlessHost::CanWriteIn(const std::filesystem::path& folder) const {
  return platform::CanCreateFilesIn(folder);
}

std::tm HeadlessHost::LocalTime() const {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

}  // namespace batch
