// SPDX-License-Identifier: EUPL-1.2
// Opening the input for reading. A FIFO that no program writes to yet would block its open
// without a word: it is opened at once, and the wait for a writer is told and can be ended by
// Ctrl+C.
#pragma once

#include <cstdio>
#include <filesystem>

namespace batch {

// The open stream, or nothing with `erreur` set to the errno (EINTR: the wait was stopped).
std::FILE* OuvreEnLecture(const std::filesystem::path& fichier, int& erreur);

}  // namespace batch
