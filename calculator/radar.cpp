// "Profil": the autonomy profile as two radar charts, one axis per row of the grid, and the
// coding of the axis under the mouse.
#include <cmath>
#include <string>

#include "calculator/codes.h"
#include "calculator/saisie_aggir2.h"
#include "calculator/window/profile_layout.h"

namespace {

constexpr int kLignesCorporelles = 17;  // chart 1: rows 1..17; chart 2: rows 18..24

// Radius of a row in percent of the full radius.
constexpr std::int16_t kRayonA = 5, kRayonAdverbe = 25, kRayonC = 100;

// The chart's geometry, in pixels.
constexpr double kPi = 3.1416;
constexpr double kTour = 6.2832;
constexpr int kAnneaux = 100 / kRayonAdverbe;
constexpr int kEcartAnneaux = 108 / kAnneaux;  // 27 pixels between rings
constexpr double kEchelle = 108.0 / 100.0;     // pixels per percent
constexpr int kFinAxe = 113;                   // 5 pixels beyond the outer ring
constexpr int kCentreNumero = 128;             // 20 pixels beyond it
constexpr int kDecalage = 5;                   // ring values and ticks, from the vertical axis
constexpr window::Font kFontNumeros{10.0f, true};
constexpr window::Font kFontAnneaux{6.0f, false};

struct Graphique {
  int premiere;  // first row
  int axes;
};

Graphique GraphiqueNumero(int c) {
  if (c == 1) return {1, kLignesCorporelles};
  return {kLignesCorporelles + 1, 24 - kLignesCorporelles};
}

// Axis j (0 at the top) carries the chart's first row, then its rows from the last one down,
// so that they follow one another clockwise.
int LigneDeAxe(const Graphique& g, int j) { return j == 0 ? g.premiere : g.premiere + g.axes - j; }

// Counter-clockwise from the positive x axis; axis 0 points straight up.
double Angle(const Graphique& g, int j) { return j * (kTour / g.axes) + kPi / 2; }

int PartieEntiere(double v) { return static_cast<int>(std::floor(v)); }

// A point at some distance from the centre along an angle; y grows downwards on the screen.
window::Point SurAxe(window::Point centre, double distance, double angle) {
  return {PartieEntiere(centre.x + distance * std::cos(angle)),
          PartieEntiere(centre.y - distance * std::sin(angle))};
}

}  // namespace

void SaisieAggir2::ConstruitProfil() {
  const layout::Rect p = layout::kProfilePanel;
  Place(PanelProfil, "PanelProfil", -1, nullptr, p.left, p.top, p.width, p.height);
  PanelProfil.BackColor = window::kWhite;
  for (int c = 1; c <= 2; ++c) ConstruitRadar(c);
  ConstruitLegendes();
  ConstruitEchelle();
}

void SaisieAggir2::ConstruitRadar(int chart) {
  const layout::Rect r = layout::kRadars[static_cast<std::size_t>(chart - 1)];
  window::PictureBox& box = Radar(chart);
  Place(box, "Radar", chart, &PanelProfil, r.left, r.top, r.width, r.height);
  const Graphique g = GraphiqueNumero(chart);
  for (int k = g.premiere; k < g.premiere + g.axes; ++k) {
    const layout::Spot s = layout::kHotSpots[static_cast<std::size_t>(k - 1)];
    // Left transparent, so that the number drawn beneath stays readable.
    Place(Label3(k), "Label3", k, &box, s.left, s.top, layout::kHotSpotWidth,
          layout::kHotSpotHeight);
    Label3(k).BackColor = window::kWhite;
  }
  window::Label& coding = chart == 1 ? Label4 : Label5;
  const layout::Rect d = layout::kRadarCoding;
  Place(coding, chart == 1 ? "Label4" : "Label5", -1, &box, d.left, d.top, d.width, d.height);
  coding.Alignment = window::Align::Center;
  coding.ForeColor = window::kDarkRed;
}

void SaisieAggir2::ConstruitLegendes() {
  for (int c = 1; c <= 2; ++c) {
    const auto chart = static_cast<std::size_t>(c - 1);
    PlaceTexte(TitreProfil(c), "TitreProfil", c, &PanelProfil, layout::kProfileTitles[chart]);
    const Graphique g = GraphiqueNumero(c);
    for (int k = g.premiere; k < g.premiere + g.axes; ++k) {
      const int top = layout::kLegendTops[chart] + layout::kLegendStep * (k - g.premiere);
      PlaceTexte(LegendeProfil(k), "LegendeProfil", k, &PanelProfil,
                 {layout::kProfileLegend[static_cast<std::size_t>(k - 1)],
                  {layout::kLegendLeft, top, layout::kLegendWidth, layout::kLegendHeight}});
    }
  }
  for (int i = 1; i <= 2; ++i) {
    PlaceTexte(AideProfil(i), "AideProfil", i, &PanelProfil,
               layout::kProfileHints[static_cast<std::size_t>(i - 1)]);
  }
}

void SaisieAggir2::ConstruitEchelle() {
  const layout::Rect f = layout::kScaleFrame;
  Place(CadreEchelle, "CadreEchelle", -1, &PanelProfil, f.left, f.top, f.width, f.height);
  PlaceTexte(Echelle, "Echelle", -1, &PanelProfil, layout::kScaleHeading);
  for (int r = 1; r <= 5; ++r) {
    const auto row = static_cast<std::size_t>(r - 1);
    const int top = layout::kScaleTops[row];
    const layout::ScaleRow& s = layout::kScaleRows[row];
    PlaceTexte(
        Padv(2 * r - 1), "Padv", 2 * r - 1, &PanelProfil,
        {s.value,
         {layout::kScaleValueLeft, top, layout::kScaleValueWidth, layout::kScaleLineHeight}});
    PlaceTexte(
        Padv(2 * r), "Padv", 2 * r, &PanelProfil,
        {s.meaning,
         {layout::kScaleMeaningLeft, top, layout::kScaleMeaningWidth, layout::kScaleLineHeight}});
  }
  PlaceTexte(LesAdverbes, "LesAdverbes", -1, &PanelProfil, layout::kAdverbsHeading);
  for (int j = 1; j <= layout::kAdverbs; ++j) {
    const auto row = static_cast<std::size_t>(j - 1);
    const layout::Rect h = layout::kAdverbsHeading.rect;
    PlaceTexte(AdverbeProfil(j), "AdverbeProfil", j, &PanelProfil,
               {layout::kProfileAdverbs[row],
                {h.left, layout::kProfileAdverbTops[row], h.width, layout::kScaleLineHeight}});
  }
}

// The button toggles the profile; each showing reads the coding afresh and draws both charts.
void SaisieAggir2::SSCommand6_Click() {
  PanelQuestions.Visible = false;
  PanelCoherence.Visible = false;
  if (PanelProfil.Visible) {
    PanelProfil.Visible = false;
    return;
  }
  Label4.SetCaption("");
  Label5.SetCaption("");
  CalculeProfil();
  PanelProfil.Left = layout::kProfileLeft;
  PanelProfil.Visible = true;
  for (int c = 1; c <= 2; ++c) {
    Radar(c).Cls();
    RadarCourant = static_cast<std::uint8_t>(c);
    TraceRadar();
  }
  Focus = &Radar(1);  // so that Enter closes the panel
}

// A: 5 %; B: 25 % per adverb ticked; C: 100 %. A row with any other code keeps what it had.
void SaisieAggir2::CalculeProfil() {
  for (int k = 1; k <= layout::kRows; ++k) {
    const std::string code = k <= kLignesCorporelles
                                 ? Caracteres(TxtVD1.Text, k)
                                 : Caracteres(TxtVI.Text, k - kLignesCorporelles);
    const std::string adverbes = Caracteres(TxtADV.Text, layout::AdverbBox(k, 1), layout::kAdverbs);
    std::int16_t& rayon = RayonProfil[static_cast<std::size_t>(k - 1)];
    std::string& codage = CodageProfil[static_cast<std::size_t>(k - 1)];
    if (code == "A" || code == "C") {
      rayon = code == "A" ? kRayonA : kRayonC;
      codage = code;
    } else if (code == "B") {
      codage = "B ";
      int cochees = 0;
      for (int j = 1; j <= static_cast<int>(adverbes.size()); ++j) {
        if (adverbes[static_cast<std::size_t>(j - 1)] != '1') continue;
        ++cochees;
        codage += std::to_string(j);
      }
      rayon = static_cast<std::int16_t>(kRayonAdverbe * cochees);
    }
  }
}

// Draws chart RadarCourant: the red profile first, then the axes with their numbers, then
// the dotted rings, so that axes and rings stay visible over the profile.
void SaisieAggir2::TraceRadar() {
  const int c = RadarCourant;
  window::PictureBox& box = Radar(c);
  const Graphique g = GraphiqueNumero(c);
  const window::Point centre{box.ScaleWidth() / 2, box.ScaleHeight() / 2};

  window::Polygon profil{{}, window::kRed, window::kRed};
  for (int j = 0; j < g.axes; ++j) {
    const double valeur = RayonProfil[static_cast<std::size_t>(LigneDeAxe(g, j) - 1)];
    profil.points.push_back(SurAxe(centre, kEchelle * valeur, Angle(g, j)));
  }
  box.Draw(profil);

  const int hauteur = host_.TextHeightTwips(kFontNumeros.size, kFontNumeros.bold);
  for (int j = 0; j < g.axes; ++j) {
    box.Draw(window::Segment{centre, SurAxe(centre, kFinAxe, Angle(g, j)), {}});
    const std::string numero = std::to_string(LigneDeAxe(g, j) - g.premiere + 1);
    const int largeur = host_.TextWidthTwips(numero, kFontNumeros.size, kFontNumeros.bold);
    const window::Point milieu = SurAxe(centre, kCentreNumero, Angle(g, j));
    const double demi = 2.0 * window::kTwipsPerPixel;  // half a size, from twips to pixels
    box.Draw(window::TextAt{{static_cast<int>(std::lround(milieu.x - largeur / demi)),
                             static_cast<int>(std::lround(milieu.y - hauteur / demi))},
                            numero,
                            kFontNumeros,
                            window::kBlack});
  }

  for (int k = 1; k <= kAnneaux; ++k) {
    const int y = centre.y - kEcartAnneaux * k;
    box.Draw(
        window::Circle{centre, kEcartAnneaux * k, {window::kBlack, 1, window::LineStyle::Dot}});
    box.Draw(window::TextAt{{centre.x + kDecalage, y - kDecalage},
                            " " + std::to_string(kRayonAdverbe * k),
                            kFontAnneaux,
                            window::kBlack});
    box.Draw(window::Segment{{centre.x - kDecalage, y}, {centre.x + kDecalage, y}, {}});
  }
}

void SaisieAggir2::Radar_Click(int) { PanelProfil.Visible = false; }

// Only Enter on the first chart closes the panel; it holds the focus once the panel opens.
void SaisieAggir2::Radar_KeyDown(int Index, int KeyCode) {
  if (Index == 1 && KeyCode == window::kEnterKey) PanelProfil.Visible = false;
}

// The coding of a row shows under its chart while the mouse is on the row's number; it goes
// when the mouse moves over the rest of the chart. True when the control belongs to the profile.
bool SaisieAggir2::SurvolProfil(const window::Control& control) {
  if (control.Name == "Label3") {
    const bool second = control.Index > kLignesCorporelles;
    (second ? Label4 : Label5).SetCaption("");
    (second ? Label5 : Label4)
        .SetCaption(CodageProfil[static_cast<std::size_t>(control.Index - 1)]);
    return true;
  }
  if (&control == &Radar(1) || &control == &PanelProfil) {
    Label4.SetCaption("");
    return true;
  }
  if (&control == &Radar(2)) {
    Label5.SetCaption("");
    return true;
  }
  return false;
}
