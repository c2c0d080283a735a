#include <iterator>
#include <map>
#include <set>
#include <vector>

#include "calculator/window/layout.h"
#include "tests/calculator/window_fixture.h"

namespace {

using LayoutTest = WindowTest;

// A handful of positions taken from the window's tables, each relative to its container.
TEST_F(LayoutTest, PositionsAndCaptions) {
  ExpectPlacements({
      {&form.Panel3D11, nullptr, 60, 0, 9900, 465},
      {&form.SSCommand1, &form.Panel3D11, 4950, 60, 1650, 375},
      {&form.SSCommand4, &form.Panel3D11, 8250, 60, 1650, 375},
      {&form.Frame1, nullptr, 60, 510, 9975, 1095},
      {&form.TxtDossier, &form.Frame1, 8880, 240, 780, 330},
      {&form.TxtAdresse, &form.Frame1, 1260, 660, 8415, 330},
      {&form.Panel2, nullptr, 60, 1710, 9975, 8325},
      {&form.ADV(53), &form.Panel2, 4020, 660, 315, 285},  // Transferts S, screen position 1
      {&form.ADV(8), &form.Panel2, 5010, 7530, 315, 285},  // comportement H, position 24
      {&form.ADV4(114), &form.Panel2, 3270, 675, 315, 285},
      {&form.CmdVD(14), &form.Panel2, 5520, 705, 345, 240},
      {&form.CFIN(7), &form.Panel2, 5970, 705, 345, 240},
      {&form.CFIN(4), &form.Panel2, 5970, 2745 + 45, 345, 240},  // middle of three rows
      {&form.Shape1(3), &form.Panel2, 5490, 2460 + 30, 855, 795},
      {&form.Shape1(0), &form.Panel2, 5490, 7245 + 30, 855, 555},
      {&form.Shape1(6), &form.Panel2, 5490, 660 + 30, 855, 270},
      {&form.PanelCalculGIR, &form.Panel2, 6660, 5520, 2985, 1590},
      {&form.SSCommand7, &form.Panel2, 6690, 7260, 2955, 555},
      {&form.LabelExplication, &form.Panel2, 6870, 660, 2445, 2115},
  });
  EXPECT_EQ(form.Caption, "Modèle SORVANE");
  EXPECT_EQ(form.Panel2.Caption, " AGGIR");
  EXPECT_EQ(form.SSCommand7.Caption, "Calcul du GIR");
  EXPECT_EQ(form.LabelGroupe.Caption(), "Groupe iso-ressources");
  EXPECT_EQ(form.LabelAdverbes.Caption(), " S   T   C   H");
  EXPECT_EQ(form.LabelNeFaitPas.Caption(), "      NE FAIT PAS");
  EXPECT_EQ(form.CFIN(1).ForeColor, window::RGB(128, 0, 0));
  EXPECT_EQ(form.LabelDossier.Caption(), "N° dossier");
}

TEST_F(LayoutTest, CommandBarInItsOrder) {
  const window::Panel* buttons[] = {&form.CmdFermer,  &form.BtnSupprimer, &form.SSCommand2,
                                    &form.SSCommand1, &form.SSCommand6,   &form.SSCommand4};
  const char* captions[] = {"Quitter", "Saisir", "Vérifier", "Imprimer", "Profil", "Aide = F1"};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(buttons[i]->Caption, captions[i]);
    EXPECT_EQ(buttons[i]->Left, 1650 * i);
  }
}

// Reading the captions top to bottom gives the screen order of the rows.
TEST_F(LayoutTest, RowsStandInScreenOrder) {
  const int screen_order[] = {14, 15, 5,  6,  12, 13, 7,  8,  9, 19, 10, 11,
                              23, 20, 17, 16, 21, 24, 22, 18, 3, 4,  1,  2};
  std::map<int, int> row_at_top;
  for (int k = 1; k <= 24; ++k) {
    const window::Label& caption = form.LabelVD(layout::RowOf(k).label_index);
    EXPECT_EQ(caption.Top, form.ADV(layout::AdverbBox(k, 1)).Top) << k;
    EXPECT_EQ(form.CmdVD(k).Top, caption.Top + 45) << k;
    row_at_top[caption.Top] = k;
  }
  ASSERT_EQ(row_at_top.size(), 24u);
  int position = 0;
  for (auto [top, k] : row_at_top) EXPECT_EQ(k, screen_order[position++]) << top;
  EXPECT_EQ(form.LabelVD(12).Caption(), "1- Transferts");
  EXPECT_EQ(form.LabelVD(1).Caption(), "17- Cohérence communication");
  EXPECT_NE(form.LabelVD(4).Caption().find("bas"), std::string::npos);
}

// A sub-variable's name starts where the first one of its variable starts, as measured by the
// host (100 twips a character in tests), and keeps its right edge.
TEST_F(LayoutTest, SubVariableNamesStandUnderTheFirstOne) {
  const struct {
    int label_index;
    const char* caption;
    const char* prefix;  // the variable's number and name on its first row
  } cases[] = {{23, "comportement", "17- Cohérence "},
               {0, "dans l'espace", "16- Orientation "},
               {4, "bas", "3- Toilette "},
               {6, "moyen", "5- Habillage "},
               {7, "bas", "5- Habillage "},
               {9, "manger", "7- Alimentation "},
               {11, "fécale", "4- Elimination "}};
  for (const auto& c : cases) {
    const window::Label& label = form.LabelVD(c.label_index);
    const int indent = host.TextWidthTwips(c.prefix, 8.25f, true);
    EXPECT_EQ(label.Caption(), c.caption);
    EXPECT_EQ(label.Left, 300 + indent) << c.caption;
    EXPECT_EQ(label.Left + label.Width, 300 + 2790) << c.caption;
  }
  EXPECT_EQ(form.LabelVD(3).Caption(), "3- Toilette haut");
  EXPECT_EQ(form.LabelVD(3).Left, 300);
  EXPECT_EQ(form.LabelVD(12).Caption(), "1- Transferts");
}

// Tab walks identity, then the grid top to bottom (NE FAIT PAS, S, T, C, H), then the commands.
TEST_F(LayoutTest, TabOrderFollowsTheScreen) {
  const std::vector<const window::Control*> order = form.OrdreTabulation();
  ASSERT_EQ(order.size(), 4u + 24 * 5 + 1 + 6);
  const window::Control* start[] = {&form.TxtNom,     &form.TxtPrenom, &form.TxtDossier,
                                    &form.TxtAdresse, &form.ADV4(114), &form.ADV(53),
                                    &form.ADV(54),    &form.ADV(55),   &form.ADV(56),
                                    &form.ADV4(115),  &form.ADV(57)};
  for (std::size_t i = 0; i < std::size(start); ++i) EXPECT_EQ(order[i], start[i]) << i;
  EXPECT_EQ(order[4 + 23 * 5], &form.ADV4(102));  // comportement, the last row
  EXPECT_EQ(order[4 + 24 * 5], &form.SSCommand7);
  EXPECT_EQ(order.back(), &form.SSCommand4);
  int last_top = -1;
  for (std::size_t i = 4; i < 4 + 24 * 5; i += 5) {
    EXPECT_GT(order[i]->Top, last_top) << order[i]->Index;
    last_top = order[i]->Top;
  }
}

// Every control is listed once, after its container, and inside the window's client area.
TEST_F(LayoutTest, ControlsAreListedOnceAfterTheirContainer) {
  std::set<const window::Control*> seen;
  for (const window::Control* c : form.Controls()) {
    EXPECT_TRUE(seen.insert(c).second) << c->Name << c->Index;
    if (c->Parent) {
      EXPECT_TRUE(seen.count(c->Parent)) << c->Name << c->Index;
    } else {
      EXPECT_LE(c->Left + c->Width, 10140) << c->Name;
    }
  }
  // Arrays (ADV, ADV4, CmdVD, LabelVD, CFIN, Shape1), then the bar (8), identity (9),
  // grid texts (7), result (4), hidden fields (5), the three overlay panels and their
  // contents: coherence (42), questions (9), profile (73).
  EXPECT_EQ(seen.size(), 96u + 24 + 24 + 24 + 17 + 17 + 8 + 9 + 7 + 4 + 5 + 3 + 42 + 9 + 73);
}

}  // namespace
