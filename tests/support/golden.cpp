// SPDX-License-Identifier: EUPL-1.2
#include "test_support/golden.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::string Read(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void Write(const std::filesystem::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
}

std::string Diff(const std::filesystem::path& golden, const std::string& actual) {
  const auto written = std::filesystem::temp_directory_path() /
                       (golden.stem().string() + ".actual" + golden.extension().string());
  Write(written, actual);
  const std::string command = "diff -u '" + golden.string() + "' '" + written.string() + "'";
  std::string output;
  if (std::FILE* pipe = popen(command.c_str(), "r")) {
    std::array<char, 4096> buffer;
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) {
      output.append(buffer.data(), n);
    }
    pclose(pipe);
  }
  return output + "(written to " + written.string() + "; scripts/golden.sh regenerates)";
}

std::string Unescaped(const std::string& line) {
  std::string text;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] != '\\' || i + 1 == line.size()) {
      text += line[i];
      continue;
    }
    switch (const char escape = line[++i]) {
      case 'r': text += '\r'; break;
      case 'n': text += '\n'; break;
      case 't': text += '\t'; break;
      case 'x':
        text += static_cast<char>(std::stoi(line.substr(i + 1, 2), nullptr, 16));
        i += 2;
        break;
      default: text += escape;
    }
  }
  return text;
}

// Whether `text` is well-formed UTF-8 (overlong forms aside): then its letters stay readable.
bool IsUtf8(const std::string& text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    const int more = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : -1;
    if (more < 0 || lead > 0xF4 || i + static_cast<std::size_t>(more) > text.size()) return false;
    for (int k = 0; k < more; ++k) {
      if ((static_cast<unsigned char>(text[i++]) & 0xC0) != 0x80) return false;
    }
  }
  return true;
}

std::string Escaped(const std::string& text) {
  const bool utf8 = IsUtf8(text);
  std::string escaped;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\') {
      escaped += "\\\\";
    } else if (byte < 0x20 || byte == 0x7F || (byte >= 0x80 && !utf8)) {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      escaped += hex;
    } else {
      escaped += c;
    }
  }
  return escaped;
}

}  // namespace

std::vector<NamedCase> ReadCases(const std::filesystem::path& file) {
  std::vector<NamedCase> cases;
  std::istringstream lines(Read(file));
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("== ")) {
      cases.push_back({line.substr(3), {}});
    } else if (!line.empty() && !line.starts_with("#") && !cases.empty()) {
      cases.back().steps.push_back(Unescaped(line));
    }
  }
  EXPECT_FALSE(cases.empty()) << file << " holds no case";
  return cases;
}

void ExpectGolden(const std::filesystem::path& golden, const std::string& actual) {
  const char* update = std::getenv("AGGIR_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    std::filesystem::create_directories(golden.parent_path());
    Write(golden, actual);
    return;
  }
  ASSERT_TRUE(std::filesystem::exists(golden)) << golden << " is missing: run scripts/golden.sh";
  if (Read(golden) != actual) ADD_FAILURE() << Diff(golden, actual);
}

void ExpectTable(const std::filesystem::path& file,
                 const std::function<std::string(const std::string& input)>& compute) {
  std::istringstream lines(Read(file));
  std::string table;
  for (std::string line; std::getline(lines, line);) {
    const std::size_t arrow = line.find(" => ");
    if (arrow != std::string::npos && !line.starts_with("#")) {
      line.replace(arrow + 4, std::string::npos,
                   Escaped(compute(Unescaped(line.substr(0, arrow)))));
    }
    table += line + "\n";
  }
  ExpectGolden(file, table);
}
