// SPDX-License-Identifier: EUPL-1.2
// A system error in French, whatever the session's language: the C library's own words are
// English in a session without French translations, and the batch's messages are French.
#pragma once

#include <string>
#include <system_error>

namespace platform {

// "plus de place sur le disque", "permission refusée", ...; the number for a rare one.
std::string SystemReason(int numero);
std::string SystemReason(const std::error_code& code);

}  // namespace platform
