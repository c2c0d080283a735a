// SPDX-License-Identifier: EUPL-1.2
#include "desktop/qt_host.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "desktop/twips.h"
#include "desktop/widgets.h"
#include "platform/files.h"

namespace {

constexpr const char* kHelpViewer = "winhlp32.exe";

}  // namespace

QtHost::QtHost(std::filesystem::path program_folder) : program_folder_(std::move(program_folder)) {}

platform::MessageAnswer QtHost::ShowMessage(const std::string& text, const std::string& title,
                                            platform::MessageIcon icon,
                                            platform::MessageButtons buttons) {
  QMessageBox box(parent_);
  box.setWindowTitle(QString::fromStdString(title));
  // Messages end their lines with CR LF; Qt wants LF alone.
  box.setText(QString::fromStdString(text).replace("\r\n", "\n"));
  switch (icon) {
    case platform::MessageIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case platform::MessageIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case platform::MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
  }
  if (buttons != platform::MessageButtons::Ok) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(buttons == platform::MessageButtons::YesNo ? QMessageBox::Yes
                                                                    : QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? platform::MessageAnswer::Yes
                                          : platform::MessageAnswer::No;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return platform::MessageAnswer::Ok;
}

void QtHost::Beep() { QApplication::beep(); }

platform::ScreenSize QtHost::ScreenTwips() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const QRect free = screen->availableGeometry();
  return {static_cast<float>(PixelsToTwips(free.width())),
          static_cast<float>(PixelsToTwips(free.height())),
          static_cast<float>(PixelsToTwips(free.x())), static_cast<float>(PixelsToTwips(free.y()))};
}

int QtHost::TextWidthTwips(const std::string& text, float points, bool bold) const {
  const QFontMetricsF metrics(ToQFont(window::Font{points, bold}));
  const double pixels = metrics.horizontalAdvance(QString::fromStdString(text));
  return static_cast<int>(std::lround(pixels * kTwipsPerPixel));
}

int QtHost::TextHeightTwips(float points, bool bold) const {
  const QFontMetricsF metrics(ToQFont(window::Font{points, bold}));
  return static_cast<int>(std::lround(metrics.height() * kTwipsPerPixel));
}

std::filesystem::path QtHost::ProgramFolder() const {
  if (!program_folder_.empty()) return program_folder_;
  return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}

// A new account may have no documents folder yet; the sheet must not fail for that.
std::filesystem::path QtHost::DocumentsFolder() const {
  const std::filesystem::path folder =
      QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
  std::error_code ignored;  // a folder that cannot be made is told when the sheet is written
  std::filesystem::create_directories(folder, ignored);
  return folder;
}

bool QtHost::CanWriteIn(const std::filesystem::path& folder) const {
  return platform::CanCreateFilesIn(folder);
}

// The path after the viewer's name is taken whole: it is not quoted and may hold blanks.
void QtHost::StartProgram(const std::string& command_line, platform::WindowStyle) {
  const std::size_t blank = command_line.find(' ');
  if (QString::fromStdString(command_line.substr(0, blank))
          .compare(kHelpViewer, Qt::CaseInsensitive) == 0) {
    ShowHelp(blank == std::string::npos ? std::string() : command_line.substr(blank + 1));
    return;
  }
  QStringList words = QProcess::splitCommand(QString::fromStdString(command_line));
  if (words.isEmpty()) return;
  const QString program = words.takeFirst();
  QProcess::startDetached(program, words);
}

void QtHost::ShowHelp(const std::filesystem::path& file) {
  if (!help_) help_ = new HelpViewer(parent_);
  help_->Open(file);
}

void QtHost::OpenPdf(const std::filesystem::path& file) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string())));
}

// Desktop viewers here do not lock the files they show.
bool QtHost::CloseReaderWindow(const std::string&) { return false; }

std::tm QtHost::LocalTime() const {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

std::optional<std::filesystem::path> QtHost::ChooseFile(const std::string& title,
                                                        const std::string& filter,
                                                        const std::filesystem::path& folder) {
  const QString chosen = QFileDialog::getOpenFileName(parent_, QString::fromStdString(title),
                                                      QString::fromStdString(folder.string()),
                                                      QString::fromStdString(filter));
  if (chosen.isEmpty()) return std::nullopt;
  return std::filesystem::path(chosen.toStdString());
}
