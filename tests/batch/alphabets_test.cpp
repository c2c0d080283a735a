// SPDX-License-Identifier: EUPL-1.2
// Identities in every alphabet printed through the window and through the batch
// (data/alphabets.txt), each sheet read back by the installed PDF tools.
#include <gtest/gtest.h>

#include <sstream>

#include "batch_run.h"
#include "calculator/saisie_aggir2.h"
#include "pdf/unicode_text.h"
#include "test_support/files.h"
#include "test_support/golden.h"
#include "test_support/recording_host.h"

namespace {

namespace fs = std::filesystem;

struct Identite {
  std::string nom, prenom, adresse;
};

Identite Lit(const std::string& ligne) {
  std::vector<std::string> champs;
  for (std::size_t debut = 0;;) {
    const std::size_t fin = ligne.find(" | ", debut);
    champs.push_back(ligne.substr(debut, fin - debut));
    if (fin == std::string::npos) break;
    debut = fin + 3;
  }
  champs.resize(3);
  return {champs[0], champs[1], champs[2]};
}

// " sans police U+1F600 U+2603": the characters a message names as printed without their font.
std::string SansPolice(const std::string& message) {
  std::string codes;
  for (auto at = message.find("(U+"); at != std::string::npos; at = message.find("(U+", at + 1)) {
    codes += " " + message.substr(at + 1, message.find(')', at) - at - 1);
  }
  return codes.empty() ? "" : " sans police" + codes;
}

// Every font a standard one, or a subset embedded with its Unicode map.
bool PolicesSures(const std::string& pdffonts) {
  std::istringstream lignes(pdffonts);
  std::string ligne;
  for (int entete = 0; entete < 2; ++entete) std::getline(lignes, ligne);
  while (std::getline(lignes, ligne)) {
    std::istringstream mots(ligne);
    std::vector<std::string> m{std::istream_iterator<std::string>(mots), {}};
    if (m.size() < 6) return false;
    const std::string& emb = m[m.size() - 5];
    const std::string& sub = m[m.size() - 4];
    const std::string& uni = m[m.size() - 3];
    const bool standard = emb == "no" && m[0].find('+') == std::string::npos;
    const bool sous_ensemble =
        emb == "yes" && sub == "yes" && uni == "yes" && m[0].size() > 7 && m[0][6] == '+';
    if (!standard && !sous_ensemble) return false;
  }
  return true;
}

// The text without the marks pdftotext puts around a right-to-left run (U+200E, U+200F,
// U+202A to U+202E, U+2066 to U+2069), NFC.
std::string TexteLu(const std::string& sortie) {
  std::string texte;
  for (const pdf::CodePoint& c : pdf::CodePoints(sortie)) {
    const char32_t v = c.value;
    if (v == 0x200E || v == 0x200F || (v >= 0x202A && v <= 0x202E) ||
        (v >= 0x2066 && v <= 0x2069)) {
      continue;
    }
    const std::size_t fin = c.begin + (v < 0x80 ? 1 : v < 0x800 ? 2 : v < 0x10000 ? 3 : 4);
    texte += sortie.substr(c.begin, fin - c.begin);
  }
  return pdf::Nfc(texte);
}

fs::path ImprimeDansLaFenetre(const Identite& identite, const fs::path& dossier,
                              platform::RecordingHost& host);

// Chinese, Japanese and Korean need many more outlines than an alphabet.
std::uintmax_t PoidsPermis(const Identite& identite) {
  for (const pdf::CodePoint& c :
       pdf::CodePoints(identite.nom + identite.prenom + identite.adresse)) {
    if (c.value >= 0x1100) return 40000;
  }
  return 25000;
}

// The sheet of an identity that Windows-1252 holds.
std::uintmax_t PoidsLatin() {
  static const std::uintmax_t poids = [] {
    pdftest::ScratchDir dir;
    platform::RecordingHost host;
    return fs::file_size(ImprimeDansLaFenetre({"Lefèvre", "Jeanne", "Quimper"}, dir.path(), host));
  }();
  return poids;
}

// A text quoted for the shell.
std::string Cite(const std::string& texte) {
  std::string cite = "'";
  for (const char c : texte) cite += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return cite + "'";
}

// The sheet's lines of the name and of the address, in points: left, top, right, bottom.
constexpr const char* kBoiteNom = "25,98,420,126";
constexpr const char* kBoiteAdresse = "25,127,420,160";

struct Ligne {
  const char* boite;
  std::string imprime, dessine;
};

// What drawing_oracle.py says of each line `imprime` of the sheet beside pango's drawing of
// `dessine`, in 10 points as the sheet prints its identity: "même dessin", "autre dessin
// (...)" or "standard" (a text in Windows-1252, drawn by the reader's own fonts).
std::vector<std::string> Oracle(const fs::path& fiche, const std::vector<Ligne>& lignes) {
  std::string commande = std::string(AGGIR_DEBIAN_PYTHON) +
                         " " AGGIR_SOURCE_DIR "/tests/batch/drawing_oracle.py " +
                         Cite(fiche.string()) + " 10";
  for (const Ligne& ligne : lignes) {
    commande += std::string(" ") + ligne.boite + " " + Cite(pdf::Nfc(ligne.imprime)) + " " +
                Cite(pdf::Nfc(ligne.dessine));
  }
  const auto oracle = pdftest::RunTool(commande);
  std::vector<std::string> verdicts;
  std::istringstream sortie(oracle.output);
  for (std::string verdict; std::getline(sortie, verdict);) {
    verdicts.push_back(oracle.status == 0 ? verdict.substr(0, verdict.find(" (")) : verdict);
  }
  verdicts.resize(lignes.size(), "oracle en échec");
  return verdicts;
}

// The lines that the writer drew in its own fonts, where pango draws them otherwise.
std::string Dessins(const fs::path& fiche, const Identite& identite) {
  const std::string nom = identite.nom + " " + identite.prenom;
  const auto verdicts =
      Oracle(fiche, {{kBoiteNom, nom, nom}, {kBoiteAdresse, identite.adresse, identite.adresse}});
  std::string verdict;
  for (std::size_t i = 0; i < verdicts.size(); ++i) {
    if (verdicts[i] != "même dessin" && verdicts[i] != "standard") {
      verdict += i == 0 ? " dessin nom" : " dessin adresse";
    }
  }
  return verdict;
}

std::string Verdict(const fs::path& fiche, const Identite& identite) {
  if (!fs::exists(fiche)) return "pas de fiche";
  const std::string chemin = "'" + fiche.string() + "'";
  std::string verdict;
  const auto controle = pdftest::RunTool("qpdf --check " + chemin);
  if (controle.status != 0 || controle.output.find("WARNING") != std::string::npos) {
    verdict += " invalide";
  }
  if (!PolicesSures(pdftest::RunTool("pdffonts " + chemin).output)) verdict += " polices";
  const std::string texte = TexteLu(pdftest::RunTool("pdftotext " + chemin + " -").output);
  if (texte.find(pdf::Nfc(identite.nom + " " + identite.prenom)) == std::string::npos) {
    verdict += " nom";
  }
  if (texte.find(pdf::Nfc(identite.adresse)) == std::string::npos) verdict += " adresse";
  const std::string info = TexteLu(pdftest::RunTool("pdfinfo -enc UTF-8 " + chemin).output);
  if (info.find(pdf::Nfc(identite.nom + " " + identite.prenom)) == std::string::npos) {
    verdict += " titre";
  }
  if (fs::file_size(fiche) > PoidsLatin() + PoidsPermis(identite)) verdict += " lourde";
  verdict += Dessins(fiche, identite);
  return verdict.empty() ? "lue" : "fausse :" + verdict;
}

fs::path ImprimeDansLaFenetre(const Identite& identite, const fs::path& dossier,
                              platform::RecordingHost& host) {
  host.program_folder = AGGIR_PROGRAM_DIR;
  host.read_only_folders = {AGGIR_PROGRAM_DIR};
  host.documents_folder = dossier;
  SaisieAggir2 form{host};
  form.Form_Load();
  form.Form_Activate();
  form.TxtNom.Text = identite.nom;
  form.TxtPrenom.Text = identite.prenom;
  form.TxtDossier_Accepte("1");
  form.TxtAdresse.Text = identite.adresse;
  form.SSCommand7_Click();
  form.SSCommand1_Click();
  return dossier / "1.pdf";
}

fs::path ImprimeEnLot(const Identite& identite, const fs::path& dossier, std::string& erreurs) {
  const fs::path csv = dossier / "lot.csv";
  pdftest::WriteFile(csv, batchtest::Entete() + "\n2;" + identite.nom + ";" + identite.prenom +
                              ";" + identite.adresse + std::string(24, ';') + "\n");
  const auto lancement = batchtest::Lance({csv, "--out", dossier / "fiches"});
  EXPECT_EQ(lancement.statut, 0) << lancement.erreurs;
  erreurs = lancement.erreurs;
  return dossier / "fiches" / "2.pdf";
}

TEST(AlphabetsTest, EveryIdentityPrintsAsTyped) {
  ExpectTable(AGGIR_SOURCE_DIR "/tests/batch/data/alphabets.txt", [](const std::string& ligne) {
    const Identite identite = Lit(ligne);
    pdftest::ScratchDir dir;
    platform::RecordingHost host;
    const fs::path fenetre = ImprimeDansLaFenetre(identite, dir.path(), host);
    std::string messages;
    for (const auto& message : host.messages) messages += message.text;
    std::string erreurs;
    const fs::path lot = ImprimeEnLot(identite, dir.path(), erreurs);
    return "fenêtre " + Verdict(fenetre, identite) + SansPolice(messages) + ", lot " +
           Verdict(lot, identite) + SansPolice(erreurs);
  });
}

// The oracle itself tells a drawing that is not the text: data/drawings.txt.
TEST(AlphabetsTest, TheDrawingOracleTellsAnotherText) {
  ExpectTable(AGGIR_SOURCE_DIR "/tests/batch/data/drawings.txt", [](const std::string& ligne) {
    const std::size_t fleche = ligne.rfind(" | ");
    const Identite identite = Lit(ligne.substr(0, fleche));
    pdftest::ScratchDir dir;
    std::string erreurs;
    const fs::path fiche = ImprimeEnLot(identite, dir.path(), erreurs);
    const std::string nom = identite.nom + " " + identite.prenom;
    return Oracle(fiche, {{kBoiteNom, nom, ligne.substr(fleche + 3)}})[0];
  });
}

}  // namespace
