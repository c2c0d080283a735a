// SPDX-License-Identifier: EUPL-1.2
// The host services of a Qt desktop.
#pragma once

#include <QPointer>
#include <QWidget>

#include "desktop/help_viewer.h"
#include "platform/host.h"

class QtHost : public platform::Host {
 public:
  // An empty program folder means the folder of the running executable.
  explicit QtHost(std::filesystem::path program_folder = {});

  void SetParentWindow(QWidget* parent) { parent_ = parent; }
  // The help window, once the help has been asked for.
  HelpViewer* Help() const { return help_; }

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
  // The help viewer's command line opens the help window; any other program is started.
  void StartProgram(const std::string& command_line, platform::WindowStyle style) override;
  void OpenPdf(const std::filesystem::path& file) override;
  bool CloseReaderWindow(const std::string& window_title) override;
  std::tm LocalTime() const override;
  std::optional<std::filesystem::path> ChooseFile(const std::string& title,
                                                  const std::string& filter,
                                                  const std::filesystem::path& folder) override;

 private:
  void ShowHelp(const std::filesystem::path& file);

  std::filesystem::path program_folder_;
  QWidget* parent_ = nullptr;
  QPointer<HelpViewer> help_;
};
