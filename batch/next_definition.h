// SPDX-License-Identifier: EUPL-1.2
// The library's own definition of a function that the program also defines, so that the
// library's callers reach the program's first: the next one in the process's symbol lookup.
#pragma once

#include <dlfcn.h>

namespace batch {

template <typename Fonction>
Fonction DefinitionSuivante(const char* nom) {
  return reinterpret_cast<Fonction>(dlsym(RTLD_NEXT, nom));
}

}  // namespace batch
