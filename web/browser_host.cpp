// SPDX-License-Identifier: EUPL-1.2
#include "web/browser_host.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <ctime>

#include "platform/files.h"
#include "web/embedded_files.h"
#include "web/page_calls.h"
#include "web/svg.h"

namespace {

namespace fs = std::filesystem;

// The installed program: bin/ and system/Fonts beside it, as the package lays them out.
const fs::path kInstalled = "/aggir";
// Where sheets go: the program's folder is read-only, as an installed copy's.
const fs::path kDocuments = "/Téléchargements";
// The files the user gives the page (chosen, dropped) are copied here, the working folder,
// so that messages name them as the user knows them.
const fs::path kGiven = "/Ouvertes";

constexpr const char* kHelpViewer = "winhlp32.exe";
constexpr const char* kHelpTitle = "Aide de la calculette AGGIR";
constexpr const char* kClose = "Fermer";
constexpr const char* kOk = "OK";
constexpr const char* kYes = "Oui";
constexpr const char* kNo = "Non";

std::string ReadAll(const fs::path& file) {
  std::string bytes;
  if (std::FILE* in = std::fopen(file.c_str(), "rb")) {
    char block[65536];
    for (std::size_t read; (read = std::fread(block, 1, sizeof block, in)) > 0;) {
      bytes.append(block, read);
    }
    std::fclose(in);
  }
  return bytes;
}

bool SameIgnoringAsciiCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if ((a[i] | 0x20) != (b[i] | 0x20)) return false;
  }
  return true;
}

// "Fiches d'évaluation (*.pdf)" lets the chooser show ".pdf" files.
std::string Accepted(const std::string& filter) {
  const std::size_t star = filter.find("(*");
  const std::size_t end = filter.find(')', star);
  if (star == std::string::npos || end == std::string::npos) return "";
  return filter.substr(star + 2, end - star - 2);
}

}  // namespace

void BrowserHost::LayOutProgramFolder() {
  for (const embedded::File& file : embedded::Files()) {
    const fs::path path = kInstalled / file.path;
    fs::create_directories(path.parent_path());
    // One write each: a stream's buffered pieces would grow the in-memory file again and
    // again (the faces are some hundred kilobytes), a cost paid at every start.
    if (std::FILE* out = std::fopen(path.c_str(), "wb")) {
      std::fwrite(file.bytes, 1, file.size, out);
      std::fclose(out);
    }
  }
  ::chmod((kInstalled / "bin").c_str(), 0555);
  fs::create_directories(kDocuments);
  fs::create_directories(kGiven);
  fs::current_path(kGiven);
}

platform::MessageAnswer BrowserHost::ShowMessage(const std::string& text, const std::string& title,
                                                 platform::MessageIcon icon,
                                                 platform::MessageButtons buttons) {
  const bool question = buttons != platform::MessageButtons::Ok;
  const int focused = buttons == platform::MessageButtons::YesNoDefaultNo ? 1 : 0;
  const std::optional<int> pressed = page::Ask(
      text, title, static_cast<int>(icon),
      question ? std::vector<std::string>{kYes, kNo} : std::vector<std::string>{kOk}, focused);
  if (!question) return platform::MessageAnswer::Ok;
  // Closed without an answer is No, as the desktop's Escape.
  return pressed == 0 ? platform::MessageAnswer::Yes : platform::MessageAnswer::No;
}

void BrowserHost::Beep() { page::Beep(); }

platform::ScreenSize BrowserHost::ScreenTwips() const {
  return {static_cast<float>(page::ScreenWidth() * 15),
          static_cast<float>(page::ScreenHeight() * 15)};
}

int BrowserHost::TextWidthTwips(const std::string& text, float points, bool bold) const {
  return static_cast<int>(std::lround(page::TextWidth(text, points, bold) * 15));
}

int BrowserHost::TextHeightTwips(float points, bool bold) const {
  return static_cast<int>(std::lround(page::LineHeight(points, bold) * 15));
}

fs::path BrowserHost::ProgramFolder() const { return kInstalled / "bin"; }

fs::path BrowserHost::DocumentsFolder() const { return kDocuments; }

bool BrowserHost::CanWriteIn(const fs::path& folder) const {
  return platform::CanCreateFilesIn(folder);
}

// The path after the viewer's name is taken whole, as on the desktop.
void BrowserHost::StartProgram(const std::string& command_line, platform::WindowStyle) {
  const std::size_t blank = command_line.find(' ');
  if (!SameIgnoringAsciiCase(command_line.substr(0, blank), kHelpViewer)) return;
  ShowHelp(blank == std::string::npos ? std::string() : command_line.substr(blank + 1));
}

void BrowserHost::ShowHelp(const fs::path& file) {
  const auto found = platform::FindIgnoringCase(file.parent_path(), file.filename().string());
  if (found) {
    page::Help(kHelpTitle, ReadAll(*found), kClose);
    return;
  }
  page::Help(kHelpTitle,
             "<p>" +
                 EscapedMarkup("Le fichier d'aide « " + file.filename().string() +
                               " » est introuvable dans le dossier « " +
                               file.parent_path().string() + " ».") +
                 "</p>",
             kClose);
}

void BrowserHost::OpenPdf(const fs::path& file) {
  page::Offer(file.filename().string(), ReadAll(file));
}

// Nothing holds the files of a page's file system.
bool BrowserHost::CloseReaderWindow(const std::string&) { return false; }

std::tm BrowserHost::LocalTime() const {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

std::optional<fs::path> BrowserHost::ChooseFile(const std::string&, const std::string& filter,
                                                const fs::path&) {
  const std::optional<std::string> name = page::ChooseFile(Accepted(filter));
  if (!name) return std::nullopt;
  return fs::path(*name);
}
