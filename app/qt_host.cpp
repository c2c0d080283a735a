#include "app/qt_host.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QUrl>
#include <ctime>

#include "app/twips.h"

platform::MessageAnswer QtHost::ShowMessage(const std::string& text, const std::string& title,
                                            platform::MessageIcon icon,
                                            platform::MessageButtons buttons) {
  QMessageBox box(parent_);
  box.setWindowTitle(QString::fromStdString(title));
  // Messages end their lines with CR LF; Qt wants LF alone.
  box.setText(QString::fromStdString(text).replace("\r\n", "\n"));
  box.setIcon(icon == platform::MessageIcon::Critical ? QMessageBox::Critical
                                                      : QMessageBox::NoIcon);
  if (buttons == platform::MessageButtons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
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
  const QSize size = screen->size();
  return {static_cast<float>(PixelsToTwips(size.width())),
          static_cast<float>(PixelsToTwips(size.height()))};
}

std::filesystem::path QtHost::ProgramFolder() const {
  return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}

void QtHost::StartProgram(const std::string& command_line, platform::WindowStyle) {
  QStringList words = QProcess::splitCommand(QString::fromStdString(command_line));
  if (words.isEmpty()) return;
  const QString program = words.takeFirst();
  QProcess::startDetached(program, words);
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
