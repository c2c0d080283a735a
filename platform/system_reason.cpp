// SPDX-License-Identifier: EUPL-1.2
#include "platform/system_reason.h"

#include <cerrno>
#include <utility>

namespace platform {
namespace {

// The errors a run can meet with its files and folders.
constexpr std::pair<int, const char*> kRaisons[] = {
    {ENOSPC, "plus de place sur le disque"},
    {EDQUOT, "quota du disque dépassé"},
    {EACCES, "permission refusée"},
    {EPERM, "opération non permise"},
    {EROFS, "système de fichiers en lecture seule"},
    {ENAMETOOLONG, "nom de fichier trop long"},
    {ENOENT, "fichier ou dossier introuvable"},
    {ENOTDIR, "un élément du chemin n'est pas un dossier"},
    {EISDIR, "c'est un dossier"},
    {EEXIST, "le fichier existe déjà"},
    {EIO, "erreur d'entrée-sortie du disque"},
    {EMFILE, "trop de fichiers ouverts"},
    {ENFILE, "trop de fichiers ouverts sur le système"},
    {ENOMEM, "mémoire insuffisante"},
    {EAGAIN, "ressource temporairement indisponible"},
    {EFBIG, "fichier trop gros"},
    {EBUSY, "ressource occupée"},
    {ELOOP, "trop de liens symboliques"},
    {ETXTBSY, "fichier occupé"},
    {EXDEV, "les deux fichiers ne sont pas sur le même disque"},
};

}  // namespace

std::string SystemReason(int numero) {
  for (const auto& [code, texte] : kRaisons) {
    if (code == numero) return texte;
  }
  return "erreur du système n° " + std::to_string(numero);
}

std::string SystemReason(const std::error_code& code) {
  if (code.category() == std::generic_category() || code.category() == std::system_category())
    return SystemReason(code.value());
  return code.message();
}

}  // namespace platform
