// The host services of a Qt desktop.
#pragma once

#include <QWidget>

#include "platform/host.h"

class QtHost : public platform::Host {
 public:
  void SetParentWindow(QWidget* parent) { parent_ = parent; }

  platform::MessageAnswer ShowMessage(const std::string& text, const std::string& title,
                                      platform::MessageIcon icon,
                                      platform::MessageButtons buttons) override;
  void Beep() override;
  platform::ScreenSize ScreenTwips() const override;
  std::filesystem::path ProgramFolder() const override;
  void StartProgram(const std::string& command_line, platform::WindowStyle style) override;
  void OpenPdf(const std::filesystem::path& file) override;
  bool CloseReaderWindow(const std::string& window_title) override;
  std::tm LocalTime() const override;

 private:
  QWidget* parent_ = nullptr;
};
