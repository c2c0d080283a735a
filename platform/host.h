// SPDX-License-Identifier: EUPL-1.2
// Services the calculator and the PDF writer ask of their host. The Qt front end
// implements them for real; tests use RecordingHost.
#pragma once

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>

namespace platform {

enum class MessageIcon { None, Critical, Exclamation };
// YesNoDefaultNo: a question whose safe answer is No, the button Enter presses.
enum class MessageButtons { Ok, YesNo, YesNoDefaultNo };
enum class MessageAnswer { Ok, Yes, No };
enum class WindowStyle { Minimized };

// The part of the screen a window may take (the screen less its panels and docks).
struct ScreenSize {
  float width = 0;   // twips
  float height = 0;  // twips
  float left = 0;    // twips from the screen's left edge
  float top = 0;     // twips from the screen's top edge
};

class Host {
 public:
  virtual ~Host() = default;

  // Modal message box; returns the button pressed.
  virtual MessageAnswer ShowMessage(const std::string& text, const std::string& title,
                                    MessageIcon icon, MessageButtons buttons) = 0;
  virtual void Beep() = 0;
  virtual ScreenSize ScreenTwips() const = 0;
  // Width of a text in the window's font at this size and weight, in twips.
  virtual int TextWidthTwips(const std::string& text, float points, bool bold) const = 0;
  // Height of a line of text in that font, in twips.
  virtual int TextHeightTwips(float points, bool bold) const = 0;
  // Folder of the running executable.
  virtual std::filesystem::path ProgramFolder() const = 0;
  // The user's documents folder, where files go when the program's folder is read-only.
  virtual std::filesystem::path DocumentsFolder() const = 0;
  // Whether the user can create files in a folder.
  virtual bool CanWriteIn(const std::filesystem::path& folder) const = 0;
  // Starts a program by its command line without waiting for it.
  virtual void StartProgram(const std::string& command_line, WindowStyle style) = 0;
  // Opens a finished PDF file in the desktop's viewer, detached. Not finding one is no error.
  virtual void OpenPdf(const std::filesystem::path& file) = 0;
  // Asks a reader window that holds a file to close; true when one was found.
  virtual bool CloseReaderWindow(const std::string& window_title) = 0;
  virtual std::tm LocalTime() const = 0;
  // Asks the user for a file to open, starting in `folder`; `filter` says which files are
  // shown, as "Description (*.pdf)". Nothing when the user gives up.
  virtual std::optional<std::filesystem::path> ChooseFile(const std::string& title,
                                                          const std::string& filter,
                                                          const std::filesystem::path& folder) = 0;
};

}  // namespace platform
