// SPDX-License-Identifier: EUPL-1.2
#include "test_support/recording_host.h"

#include "platform/files.h"

namespace platform {

MessageAnswer RecordingHost::ShowMessage(const std::string& text, const std::string& title,
                                         MessageIcon icon, MessageButtons buttons) {
  messages.push_back({text, title, icon, buttons});
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  if (answers.empty()) return MessageAnswer::Yes;
  MessageAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

int RecordingHost::TextWidthTwips(const std::string& text, float, bool) const {
  int characters = 0;
  for (char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return characters * kTwipsPerCharacter;
}

bool RecordingHost::CanWriteIn(const std::filesystem::path& folder) const {
  for (const auto& read_only : read_only_folders) {
    if (read_only == folder) return false;
  }
  return CanCreateFilesIn(folder);
}

int RecordingHost::TextHeightTwips(float points, bool) const {
  return static_cast<int>(points * kTwipsPerPoint);
}

void RecordingHost::StartProgram(const std::string& command_line, WindowStyle) {
  started.push_back(command_line);
}

bool RecordingHost::CloseReaderWindow(const std::string& window_title) {
  closed_windows.push_back(window_title);
  return false;
}

std::optional<std::filesystem::path> RecordingHost::ChooseFile(
    const std::string& title, const std::string& filter, const std::filesystem::path& folder) {
  file_requests.push_back({title, filter, folder});
  return chosen_file;
}

std::tm RecordingHost::FixedTime() {
  std::tm t{};
  t.tm_year = 2026 - 1900;
  t.tm_mon = 11;
  t.tm_mday = 6;
  t.tm_hour = 9;
  t.tm_min = 5;
  t.tm_sec = 7;
  return t;
}

}  // namespace platform
