// SPDX-License-Identifier: EUPL-1.2
// A Host that records every request and answers message boxes as told: the fake the
// tests hand to the window and to the writer.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/host.h"

namespace platform {

struct FileRequest {
  std::string title;
  std::string filter;
  std::filesystem::path folder;
};

struct RecordedMessage {
  std::string text;
  std::string title;
  MessageIcon icon;
  MessageButtons buttons;
};

class RecordingHost : public Host {
 public:
  MessageAnswer ShowMessage(const std::string& text, const std::string& title, MessageIcon icon,
                            MessageButtons buttons) override;
  void Beep() override { ++beeps; }
  ScreenSize ScreenTwips() const override { return screen; }
  // A fixed width per character, so that tests can predict positions.
  int TextWidthTwips(const std::string& text, float points, bool bold) const override;
  // A line as high as its font size: 20 twips a point.
  int TextHeightTwips(float points, bool bold) const override;
  std::filesystem::path ProgramFolder() const override { return program_folder; }
  std::filesystem::path DocumentsFolder() const override { return documents_folder; }
  // The folders listed read-only are; any other is tried for real.
  bool CanWriteIn(const std::filesystem::path& folder) const override;
  void StartProgram(const std::string& command_line, WindowStyle style) override;
  void OpenPdf(const std::filesystem::path& file) override { opened_pdfs.push_back(file); }
  bool CloseReaderWindow(const std::string& window_title) override;
  std::tm LocalTime() const override { return now; }
  std::optional<std::filesystem::path> ChooseFile(const std::string& title,
                                                  const std::string& filter,
                                                  const std::filesystem::path& folder) override;

  // Answers for Yes/No questions, taken in order; Yes when none is left.
  std::deque<MessageAnswer> answers;
  std::vector<RecordedMessage> messages;
  int beeps = 0;
  static constexpr int kTwipsPerCharacter = 100;
  static constexpr int kTwipsPerPoint = 20;
  ScreenSize screen{19200, 14400};
  std::filesystem::path program_folder = ".";
  std::filesystem::path documents_folder = ".";
  std::vector<std::filesystem::path> read_only_folders;
  std::vector<std::string> started;
  std::vector<std::filesystem::path> opened_pdfs;
  std::vector<std::string> closed_windows;
  std::tm now = FixedTime();
  std::vector<FileRequest> file_requests;
  std::optional<std::filesystem::path> chosen_file;  // the chooser's answer; none: given up

 private:
  static std::tm FixedTime();
};

}  // namespace platform
