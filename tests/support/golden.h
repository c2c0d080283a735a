// Golden files: a whole output compared with the reviewed copy kept beside the tests.
#pragma once

#include <filesystem>
#include <string>

// Expects `actual` to be byte for byte the content of `golden`; on a difference, prints the
// unified diff. With AGGIR_UPDATE_GOLDEN=1 in the environment, writes `actual` there instead
// (scripts/golden.sh), so that the change is reviewed as a diff in the commit.
void ExpectGolden(const std::filesystem::path& golden, const std::string& actual);
