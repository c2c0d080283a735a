// SPDX-License-Identifier: EUPL-1.2
// Golden files: a whole output compared with the reviewed copy kept beside the tests.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// Expects `actual` to be byte for byte the content of `golden`; on a difference, prints the
// unified diff. With AGGIR_UPDATE_GOLDEN=1 in the environment, writes `actual` there instead
// (scripts/golden.sh), so that the change is reviewed as a diff in the commit.
void ExpectGolden(const std::filesystem::path& golden, const std::string& actual);

// A file of named cases: "== name" opens a case and each later line is one of its steps, with
// \r, \n, \t, \\ and \xHH read as the characters they stand for; lines starting with "#"
// are comments.
struct NamedCase {
  std::string name;
  std::vector<std::string> steps;
};
std::vector<NamedCase> ReadCases(const std::filesystem::path& file);

// A table file: one case a line, "input => output", each output what `compute` makes of its
// input (escapes as in ReadCases, both ways), so that a wrong row shows in the diff; comments
// and blank lines are kept. With AGGIR_UPDATE_GOLDEN=1 the outputs are written anew.
void ExpectTable(const std::filesystem::path& file,
                 const std::function<std::string(const std::string& input)>& compute);
