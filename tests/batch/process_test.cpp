// SPDX-License-Identifier: EUPL-1.2
// The batch command as a process: its input from a pipe, a FIFO, standard input or an endless
// device, read once with memory bounded; locked folders, a full disk and a thread limit told
// in French; stopped by a signal in the middle of a run, it leaves complete sheets only, and
// the next run makes the folder a clean run's.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include <unistd.h>

#include "batch_run.h"
#include "test_support/files.h"
#include "test_support/golden.h"

namespace {

namespace fs = std::filesystem;

const std::string kBatch = AGGIR_TESTS_DIR "/batch_process";
// Memory bounded to 1 GB, but under AddressSanitizer, which reserves far more address space.
// One process allowed: LeakSanitizer then cannot start the thread it checks leaks from.
#ifdef __SANITIZE_ADDRESS__
const std::string kLimite = "true";
const std::string kUnSeul = "env ASAN_OPTIONS=detect_leaks=0 prlimit --nproc=1";
#else
const std::string kLimite = "ulimit -v 1000000";
const std::string kUnSeul = "prlimit --nproc=1";
#endif

// Folders and files locked by their modes: root would go through them, so root's tests run
// the command as nobody.
const std::string kAutre =
    ::getuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups" : "";

std::string Remplace(std::string texte, const std::string& avant, const std::string& apres) {
  for (std::size_t at; (at = texte.find(avant)) != std::string::npos;)
    texte.replace(at, avant.size(), apres);
  return texte;
}

// A good line: file number, identity, then cells that vary with the number.
std::string Ligne(int dossier) {
  static const char* const kCellules[] = {"", "S", "ST", "NFP", "hc", "C"};
  std::string ligne = std::to_string(dossier) + ";Nom;Prénom;Adresse";
  for (int k = 0; k < 24; ++k) ligne += std::string(";") + kCellules[(dossier * 7 + k * 3) % 6];
  return ligne;
}

std::string DernierOuPremier(const std::string& texte, bool dernier) {
  std::string t = texte.ends_with('\n') ? texte.substr(0, texte.size() - 1) : texte;
  return dernier ? t.substr(t.rfind('\n') + 1) : t.substr(0, t.find('\n'));
}

TEST(ProcessTest, StreamsAndEndlessInputsTable) {
  ExpectTable(AGGIR_SOURCE_DIR "/tests/batch/data/processes.txt", [](const std::string& ligne) {
    pdftest::ScratchDir dir;
    const std::string d = dir.path().string();
    pdftest::WriteFile(dir.path() / "in.csv", batchtest::Entete() + "\n" + Ligne(1) + "\n");
    std::string commande = Remplace(Remplace(ligne, "BATCH", kBatch), "DIR", d);
    commande = Remplace(Remplace(commande, "LIMIT", kLimite), "AS_OTHER", kAutre);
    commande = Remplace(commande, "ONE_PROCESS", kUnSeul);
    const auto statut =
        pdftest::RunTool("(" + commande + ") >'" + d + "/sortie' 2>'" + d + "/erreurs'; echo $?");
    const bool ok = statut.output == "0\n";
    const std::string texte =
        ok ? DernierOuPremier(pdftest::ReadFile(dir.path() / "sortie"), true)
           : DernierOuPremier(pdftest::ReadFile(dir.path() / "erreurs"), false);
    return DernierOuPremier(statut.output, true) + " " + Remplace(texte, d, "DIR");
  });
}

// The sheets and summaries of a folder, by name, and the summary's bytes.
std::string Contenu(const fs::path& dossier) {
  std::string contenu;
  std::set<std::string> noms;
  for (const auto& element : fs::directory_iterator(dossier))
    noms.insert(element.path().filename());
  for (const std::string& nom : noms) contenu += nom + "\n";
  return contenu + pdftest::ReadFile(dossier / "synthese.csv");
}

class SignalTest : public testing::TestWithParam<int> {
 protected:
  // A folder of 10,000 sheets is 330 MB: only one is kept at a time.
  static constexpr int kLignes = 10000;
  static void SetUpTestSuite() {
    dir_ = std::make_unique<pdftest::ScratchDir>();
    std::string csv = batchtest::Entete() + "\n";
    for (int i = 0; i < kLignes; ++i) csv += Ligne(100000 + i) + "\n";
    pdftest::WriteFile(Grand(), csv);
    const fs::path propre = dir_->path() / "propre";
    pdftest::RunTool(kBatch + " '" + Grand().string() + "' --out '" + propre.string() +
                     "' --jobs 2");
    propre_ = Contenu(propre);
    fs::remove_all(propre);
  }
  static void TearDownTestSuite() { dir_.reset(); }
  static fs::path Grand() { return dir_->path() / "grand.csv"; }
  static inline std::unique_ptr<pdftest::ScratchDir> dir_;
  static inline std::string propre_;  // a clean run's folder, as Contenu tells it
};

// Stopped in the middle of the run, once half the sheets are written: an exit status that
// tells the signal, no summary, every sheet complete, and no temporary file but after SIGKILL,
// which the next run removes (aged as a dead run's would be).
TEST_P(SignalTest, CompleteSheetsOnlyThenTheNextRunMakesTheFolderClean) {
  const fs::path sortie = dir_->path() / ("s" + std::to_string(GetParam()));
  const std::string o = "'" + sortie.string() + "'";
  const auto arret =
      pdftest::RunTool(kBatch + " '" + Grand().string() + "' --out " + o +
                       " --jobs 2 2>/dev/null >/dev/null & p=$!; "
                       "until [ \"$(ls " +
                       o + " 2>/dev/null | grep -c pdf)\" -ge " + std::to_string(kLignes / 2) +
                       " ] || ! kill -0 $p 2>/dev/null; do sleep 0.01; done; "
                       "kill -" +
                       std::to_string(GetParam()) + " $p; wait $p; echo $?");
  EXPECT_EQ(arret.output, std::to_string(128 + GetParam()) + "\n");
  EXPECT_FALSE(fs::exists(sortie / "synthese.csv") || fs::exists(sortie / "synthese.xlsx"));
  int temporaires = 0;
  for (const auto& element : fs::directory_iterator(sortie)) {
    const std::string nom = element.path().filename();
    if (nom.starts_with(".vaROR.")) {
      ++temporaires;
      continue;
    }
    EXPECT_TRUE(pdftest::ReadFile(element.path()).ends_with("%%EOF\r\n")) << nom;
  }
  if (GetParam() != SIGKILL) {
    EXPECT_EQ(temporaires, 0);
  }
  pdftest::RunTool("find " + o + " -name '.vaROR.*' -exec touch -d '2 minutes ago' {} +");
  const auto reprise = pdftest::RunTool(kBatch + " '" + Grand().string() + "' --out " + o +
                                        " --jobs 2 >/dev/null; echo $?");
  EXPECT_EQ(reprise.output, "0\n");
  EXPECT_TRUE(Contenu(sortie) == propre_);
  fs::remove_all(sortie);
}

INSTANTIATE_TEST_SUITE_P(Signaux, SignalTest, testing::Values(SIGINT, SIGTERM, SIGKILL),
                         [](const auto& signal) {
                           return std::string(sigabbrev_np(signal.param));
                         });

}  // namespace
