// SPDX-License-Identifier: EUPL-1.2
#include "batch/headless_host.h"

#include <cstdlib>
#include <ctime>
#include <utility>

#include "platform/files.h"

namespace batch {

platform::MessageAnswer HeadlessHost::ShowMessage(const std::string& text, const std::string& title,
                                                  platform::MessageIcon,
                                                  platform::MessageButtons buttons) {
  std::string ligne = title + " : ";
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "\r\n") == 0) ++i;
    ligne += text[i] == '\r' || text[i] == '\n' ? ' ' : text[i];
  }
  messages_.push_back(ligne);
  return buttons != platform::MessageButtons::Ok ? platform::MessageAnswer::Yes
                                                 : platform::MessageAnswer::Ok;
}

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
