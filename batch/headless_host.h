// SPDX-License-Identifier: EUPL-1.2
// The writer's host in the batch command: no display, no one to answer. Sheets are never
// opened and questions are taken as answered Yes, as the evaluations come already decided;
// what the writer tells is kept for the batch's report. One host per thread.
#pragma once

#include "platform/host.h"

namespace batch {

class HeadlessHost : public platform::Host {
 public:
  HeadlessHost();
  platform::MessageAnswer ShowMessage(const std::string& text, const std::string& title,
                                      platform::MessageIcon icon,
                                      platform::MessageButtons buttons) override;
  void Beep() override {}
  platform::ScreenSize ScreenTwips() const override { return {}; }
  // Nothing is drawn on a screen.
  int TextWidthTwips(const std::string&, float, bool) const override { return 0; }
  int TextHeightTwips(float, bool) const override { return 0; }
  std::filesystem::path ProgramFolder() const override;
  std::filesystem::path DocumentsFolder() const override;
  bool CanWriteIn(const std::filesystem::path& folder) const override;
  void StartProgram(const std::string&, platform::WindowStyle) override {}
  void OpenPdf(const std::filesystem::path&) override {}
  bool CloseReaderWindow(const std::string&) override { return false; }
  std::tm LocalTime() const override;
  // The messages shown since the last call, on one line, "" when none.
  std::string PrendAvis();
  std::optional<std::filesystem::path> ChooseFile(const std::string&, const std::string&,
                                                  const std::filesystem::path&) override {
    return std::nullopt;
  }

 private:
  std::filesystem::path program_folder_;  // asked for at every sheet: found once
  std::string avis_;
};

}  // namespace batch
