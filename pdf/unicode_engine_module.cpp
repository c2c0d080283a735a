// SPDX-License-Identifier: EUPL-1.2
// The desktop's font libraries live in a module beside the program, loaded at the first text
// outside Windows-1252: a process that prints none never loads or relocates them.
#include <dlfcn.h>

#include <filesystem>

#include "pdf/unicode_engine.h"

namespace pdf {
namespace {

namespace fs = std::filesystem;

using NewEngine = UnicodeEngine* (*)();

// Where the package and the build tree both put it: the programs are in a folder beside "lib".
fs::path ModulePath() {
  std::error_code error;
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return program.parent_path().parent_path() / "lib" / kUnicodeModuleName;
}

// Loaded once for the process, never unloaded: the engines and faces it made live on.
NewEngine ModuleEntry() {
  static const NewEngine entry = []() -> NewEngine {
    const fs::path module = ModulePath();
    if (module.empty()) return nullptr;
    void* handle = dlopen(module.c_str(), RTLD_LAZY | RTLD_LOCAL);
    if (handle == nullptr) return nullptr;
    return reinterpret_cast<NewEngine>(dlsym(handle, kUnicodeEngineEntry));
  }();
  return entry;
}

}  // namespace

std::unique_ptr<UnicodeEngine> LoadUnicodeEngine() {
  if (NewEngine entry = ModuleEntry()) return std::unique_ptr<UnicodeEngine>(entry());
  return NewNoFontEngine();
}

}  // namespace pdf
