// SPDX-License-Identifier: EUPL-1.2
#include "pdf/missing_fonts.h"

#include <cstdio>
#include <vector>

#include "platform/encoding.h"

namespace pdf {
namespace {

struct Range {
  char32_t first, last;
  const char* package;
};

// Where Debian's outline fonts for a character are; fonts-noto-core for the rest.
constexpr Range kPackages[] = {
    {0x1100, 0x11FF, "fonts-noto-cjk"}, {0x2E80, 0x9FFF, "fonts-noto-cjk"},
    {0xAC00, 0xD7AF, "fonts-noto-cjk"}, {0xF900, 0xFAFF, "fonts-noto-cjk"},
    {0xFF00, 0xFFEF, "fonts-noto-cjk"}, {0x20000, 0x3FFFF, "fonts-noto-cjk"},
    {0x2600, 0x27BF, "fonts-symbola"},  {0x1F000, 0x1FAFF, "fonts-symbola"},
};

const char* PackageFor(char32_t c) {
  for (const Range& range : kPackages) {
    if (c >= range.first && c <= range.last) return range.package;
  }
  return "fonts-noto-core";
}

// « ŋ » (U+014B), « 😀 » (U+1F600)
std::string CharacterList(const std::u32string& missing) {
  std::string list;
  for (char32_t c : missing) {
    if (!list.empty()) list += ", ";
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    list += "« ";
    platform::AppendUtf8(list, c);
    list += " » (" + std::string(code) + ")";
  }
  return list;
}

std::string PackageList(const std::u32string& missing) {
  std::vector<std::string> packages;
  for (char32_t c : missing) {
    std::string package = PackageFor(c);
    bool known = false;
    for (const auto& p : packages) known |= p == package;
    if (!known) packages.push_back(package);
  }
  std::string list;
  for (std::size_t i = 0; i < packages.size(); ++i) {
    list += (i == 0 ? "" : i + 1 == packages.size() ? " et " : ", ") + packages[i];
  }
  return list;
}

}  // namespace

std::string MissingFontsMessage(const std::u32string& missing, FaceSource source) {
  if (source == FaceSource::kNone) {
    return "Cette version du programme n'imprime que les caractères de l'alphabet latin "
           "d'Europe de l'Ouest : ces caractères sont imprimés « ? » : " +
           CharacterList(missing) +
           ".\r\nImprimez la fiche avec le programme installé sur "
           "l'ordinateur pour qu'elle les montre.";
  }
  if (source == FaceSource::kLostModule) {
    return "Le module qui imprime les caractères hors de l'alphabet latin d'Europe de l'Ouest "
           "(lib/aggir_unicode_fonts.so, à côté du dossier du programme) manque ou ne se "
           "charge pas : ces caractères sont imprimés « ? » : " +
           CharacterList(missing) +
           ".\r\nRéinstallez le programme, puis imprimez la fiche de nouveau.";
  }
  if (source == FaceSource::kPageFolder) {
    return "Aucune police du dossier « fonts » placé à côté de la page ne contient ces "
           "caractères : " +
           CharacterList(missing) +
           ".\r\nLa fiche est imprimée avec une case vide à leur place. Placez le dossier "
           "« fonts » livré avec la page à côté d'elle, puis imprimez la fiche de nouveau.";
  }
  const std::string packages = PackageList(missing);
  const bool several = packages.find(' ') != std::string::npos;
  return "Aucune police installée ne contient ces caractères : " + CharacterList(missing) +
         ".\r\nLa fiche est imprimée avec une case vide à leur place. " +
         (several ? "Les paquets Debian " : "Le paquet Debian ") + packages +
         (several ? " apportent" : " apporte") +
         " leur police : " + (several ? "installez-les" : "installez-le") +
         ", puis imprimez la fiche de nouveau.";
}

}  // namespace pdf
