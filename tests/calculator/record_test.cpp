#include <string>

#include "tests/calculator/window_fixture.h"

namespace {

using RecordTest = WindowTest;

TEST_F(RecordTest, InitialiseAjoutClearsIdentityAndCoding) {
  form.TxtNom.Text = "Dupont";
  form.TxtDossier.Text = "42";
  form.TxtAdresse.Text = "1 rue de la Paix";
  form.ADV(53).Value = 1;
  form.CmdVD(14).SetCaption("C");
  form.ADV4(114).Value = 1;
  form.TxtGroupe.Text = "2";
  form.TxtRang.Text = "4";
  form.InitialiseAjout();
  EXPECT_EQ(form.TxtNom.Text, "");
  EXPECT_EQ(form.TxtDossier.Text, "");
  EXPECT_EQ(form.TxtAdresse.Text, "");
  EXPECT_EQ(form.ADV(53).Value, 0);
  EXPECT_EQ(form.ADV4(114).Value, 0);
  EXPECT_EQ(form.CmdVD(14).Caption(), "A");
  EXPECT_EQ(form.CFIN(7).Caption(), "A");
  EXPECT_EQ(form.TxtVD2.Text, std::string(10, 'A'));
  EXPECT_EQ(form.TxtGroupe.Text, "6");
  EXPECT_EQ(form.TxtRang.Text, "15");
  EXPECT_TRUE(host.messages.empty());
}

// Typed keys: digits and Backspace pass, anything else beeps and is cancelled.
TEST_F(RecordTest, FileNumberKeyFilter) {
  struct Case {
    int key;
    bool accepted;
  };
  const Case cases[] = {{'0', true},  {'5', true},   {'9', true},    {8, true},   {'a', false},
                        {'Z', false}, {'-', false},  {' ', false},   {13, false}, {'/', false},
                        {':', false}, {0xE9, false}, {0x0661, false}};
  for (const Case& c : cases) {
    const int beeps = host.beeps;
    int key = c.key;
    form.TxtDossier_KeyPress(key);
    EXPECT_EQ(key, c.accepted ? c.key : 0) << c.key;
    EXPECT_EQ(host.beeps - beeps, c.accepted ? 0 : 1) << c.key;
  }
}

// Pasted or dropped text enters the file number only when it is all digits.
TEST_F(RecordTest, FileNumberTakesOnlyDigitsFromAnySource) {
  struct Case {
    const char* text;
    bool accepted;
  };
  const Case cases[] = {{"0123456789", true}, {"", true},          {"12a", false},
                        {" 12", false},       {"12\n", false},     {"../12", false},
                        {"12.5", false},      {"\xd9\xa1", false}, {"-3", false}};
  for (const Case& c : cases) {
    form.TxtDossier.Text = "77";
    const int beeps = host.beeps;
    EXPECT_EQ(form.TxtDossier_Accepte(c.text), c.accepted) << c.text;
    EXPECT_EQ(form.TxtDossier.Text, c.accepted ? std::string(c.text) : "77");
    EXPECT_EQ(host.beeps - beeps, c.accepted ? 0 : 1);
  }
}

// The window is centred in single precision; larger than the screen means negative.
TEST_F(RecordTest, CentreFormulaire) {
  struct Case {
    float width, height;
    int left, top;
  };
  const Case cases[] = {
      {19200, 14400, 19200 / 2 - 10260 / 2, 14400 / 2 - 10500 / 2},
      {10260, 10500, 0, 0},
      {9600, 7200, -330, -1650},
      {0, 0, -5130, -5250},
  };
  ASSERT_EQ(form.Width, 10260);
  ASSERT_EQ(form.Height, 10500);
  for (const Case& c : cases) {
    host.screen = {c.width, c.height};
    CentreFormulaire(form, host);
    EXPECT_EQ(form.Left, c.left) << c.width;
    EXPECT_EQ(form.Top, c.top) << c.height;
  }
}

TEST_F(RecordTest, ChangeAutonomie2SetsRowCodesAndDerivedFieldsButNoBox) {
  form.TxtVD1.Text = "CC" + std::string(15, 'A');
  form.ChangeAutonomie2();
  EXPECT_EQ(form.CmdVD(1).Caption(), "C");
  EXPECT_EQ(form.CmdVD(2).Caption(), "C");
  EXPECT_EQ(form.CFIN(1).Caption(), "C");
  EXPECT_EQ(form.TxtVD2.Text, "CAAAAAAAAA");
  EXPECT_EQ(form.TxtVD1.Text, "CC" + std::string(15, 'A'));
  for (const auto& box : form.ADV) EXPECT_EQ(box.Value, 0);
  for (const auto& box : form.ADV4) EXPECT_EQ(box.Value, 0);
  EXPECT_EQ(form.TxtADV.Text, std::string(96, '0'));
}

TEST_F(RecordTest, ChangeIllustratives2LeavesTheDiscriminantCodes) {
  form.TxtVI.Text = "CABAAAB";
  form.ChangeIllustratives2();
  EXPECT_EQ(form.CmdVD(18).Caption(), "C");
  EXPECT_EQ(form.CmdVD(20).Caption(), "B");
  EXPECT_EQ(form.CFIN(11).Caption(), "C");
  EXPECT_EQ(form.CFIN(17).Caption(), "B");
  EXPECT_EQ(form.TxtVI.Text, "CABAAAB");
  EXPECT_EQ(form.TxtVD2.Text, std::string(10, 'A'));
}

// A short code string leaves the rows past its end without a code, and the strings shrink;
// every combination rule reads a row without a code as "A".
TEST_F(RecordTest, ShortCodeStringEmptiesTheRowsPastItsEnd) {
  const struct {
    const char* codes;
    const char* combined;  // CFIN(1..6)
  } cases[] = {{"B", "BAAAAA"},
               {"CAC", "CCAAAA"},
               {"AACBBA", "ACBAAA"},
               {"AAAAAAAAAC", "AAAABA"},  // se servir C, manger without a code: B
               {"", "AAAAAA"}};
  for (const auto& c : cases) {
    form.TxtVD1.Text = c.codes;
    form.ChangeAutonomie2();
    std::string combined;
    for (int v = 1; v <= 6; ++v) combined += form.CFIN(v).Caption();
    EXPECT_EQ(combined, c.combined) << c.codes;
    EXPECT_EQ(form.TxtVD1.Text, c.codes);
    EXPECT_EQ(form.CFIN(7).Caption(), "");
  }
  EXPECT_EQ(form.CmdVD(2).Caption(), "");
}

}  // namespace
