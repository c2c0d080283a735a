// SPDX-License-Identifier: EUPL-1.2
// The host services of a web page. Messages and questions are the page's own French
// dialogs; the program's folder and the documents folder are folders of the in-memory file
// system (ProgramFolder lays the program's out); a written sheet is downloaded and shown.
#pragma once

#include "platform/host.h"

class BrowserHost : public platform::Host {
 public:
  // The program as installed: its folder with the help file, the metric folder beside it.
  static void LayOutProgramFolder();

  platform::MessageAnswer ShowMessage(const std::string& text, const std::string& title,
                                      platform::MessageIcon icon,
                                      platform::MessageButtons buttons) override;
  void Beep() override;
  platform::ScreenSize ScreenTwips() const override;
  int TextWidthTwips(const std::string& text, float points, bool bold) const override;
  int TextHeightTwips(float points, bool bold) const override;
  std::filesystem::path ProgramFolder() const override;
  std::filesystem::path DocumentsFolder() const override;
  bool CanWriteIn(const std::filesystem::path& folder) const override;
  // The help viewer's command line opens the help in the page; nothing else can be started.
  void StartProgram(const std::string& command_line, platform::WindowStyle style) override;
  void OpenPdf(const std::filesystem::path& file) override;
  bool CloseReaderWindow(const std::string& window_title) override;
  std::tm LocalTime() const override;
  std::optional<std::filesystem::path> ChooseFile(const std::string& title,
                                                  const std::string& filter,
                                                  const std::filesystem::path& folder) override;

 private:
  void ShowHelp(const std::filesystem::path& file);
};
