// SPDX-License-Identifier: EUPL-1.2
// "Profil": the autonomy profile as two radar charts, one axis per row of the grid, and the
// coding of the axis under the mouse.
#include <cmath>
#include <string>

#include "calculator/saisie_aggir2.h"
#include "calculator/window/profile_layout.h"
#include "grid/codes.h"
#include "grid/profile.h"

namespace {

using grid::kLignesCorporelles;

// The chart's geometry, in pixels.
constexpr int kAnneaux = 4;                    // rings at 25, 50, 75 and 100 %
constexpr int kEcartAnneaux = 108 / kAnneaux;  // 27 pixels between rings
constexpr int kPourcentAnneau = 100 / kAnneaux;
constexpr int kFinAxe = 113;        // 5 pixels beyond the outer ring
constexpr int kCentreNumero = 128;  // 20 pixels beyond it
constexpr int kDecalage = 5;        // ring values and ticks, from the vertical axis
constexpr window::Font kFontNumeros{10.0f, true};
constexpr window::Font kFontAnneaux{6.0f, false};

window::Point VersEcran(grid::Pixel p) { return {p.x, p.y}; }

window::Point SurAxe(window::Point centre, double distance, double angle) {
  return VersEcran(grid::SurAxe({centre.x, centre.y}, distance, angle));
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
  const grid::Graphique g = grid::GraphiqueNumero(chart);
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
    const grid::Graphique g = grid::GraphiqueNumero(c);
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

// Each row from its code and its adverbs as the code strings hold them; a row with an odd
// code keeps what it had.
void SaisieAggir2::CalculeProfil() {
  for (int k = 1; k <= layout::kRows; ++k) {
    const std::string code = k <= kLignesCorporelles
                                 ? grid::Caracteres(TxtVD1.Text, k)
                                 : grid::Caracteres(TxtVI.Text, k - kLignesCorporelles);
    const std::string adverbes =
        grid::Caracteres(TxtADV.Text, layout::AdverbBox(k, 1), layout::kAdverbs);
    grid::PlaceLigne(code, adverbes, ProfilCourant[static_cast<std::size_t>(k - 1)]);
  }
}

// Draws chart RadarCourant: the red profile first, then the axes with their numbers, then
// the dotted rings, so that axes and rings stay visible over the profile.
void SaisieAggir2::TraceRadar() {
  const int c = RadarCourant;
  window::PictureBox& box = Radar(c);
  const grid::Graphique g = grid::GraphiqueNumero(c);
  const window::Point centre{box.ScaleWidth() / 2, box.ScaleHeight() / 2};

  window::Polygon profil{{}, window::kRed, window::kRed};
  for (const grid::Pixel p : grid::PolygoneDuProfil(ProfilCourant, c, {centre.x, centre.y})) {
    profil.points.push_back(VersEcran(p));
  }
  box.Draw(profil);

  const int hauteur = host_.TextHeightTwips(kFontNumeros.size, kFontNumeros.bold);
  for (int j = 0; j < g.axes; ++j) {
    box.Draw(window::Segment{centre, SurAxe(centre, kFinAxe, grid::AngleDeAxe(g, j)), {}});
    const std::string numero = std::to_string(grid::LigneDeAxe(g, j) - g.premiere + 1);
    const int largeur = host_.TextWidthTwips(numero, kFontNumeros.size, kFontNumeros.bold);
    const window::Point milieu = SurAxe(centre, kCentreNumero, grid::AngleDeAxe(g, j));
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
                            " " + std::to_string(kPourcentAnneau * k),
                            kFontAnneaux,
                            window::kBlack});
    box.Draw(window::Segment{{centre.x - kDecalage, y}, {centre.x + kDecalage, y}, {}});
  }
}

void SaisieAggir2::Radar_Click(int) { PanelProfil.Visible = false; }

// Enter on the first chart closes the panel; it holds the focus once the panel opens. The
// arrows show the codings one by one (Escape closes the panel from anywhere).
void SaisieAggir2::Radar_KeyDown(int Index, int KeyCode) {
  if (Index == 1 && KeyCode == window::kEnterKey) PanelProfil.Visible = false;
  if (KeyCode == window::kRightKey || KeyCode == window::kDownKey) ParcourtProfil(Index, 1);
  if (KeyCode == window::kLeftKey || KeyCode == window::kUpKey) ParcourtProfil(Index, -1);
}

// The coding of a row shows under its chart while the mouse is on the row's number; it goes
// when the mouse moves over the rest of the chart. True when the control belongs to the profile.
bool SaisieAggir2::SurvolProfil(const window::Control& control) {
  if (control.Name == "Label3") {
    const bool second = control.Index > kLignesCorporelles;
    (second ? Label4 : Label5).SetCaption("");
    (second ? Label5 : Label4)
        .SetCaption(ProfilCourant[static_cast<std::size_t>(control.Index - 1)].codage);
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
