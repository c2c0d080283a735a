// The profile: radii and codings from the evaluation, the two charts as drawing lists, the
// codings shown on hover, and what opens and closes the panel.
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <variant>
#include <vector>

#include "tests/calculator/window_fixture.h"

namespace {

using window::Point;

constexpr Point kCentre{134, 134};  // 4020 twips: 268 pixels inside

class RadarTest : public WindowTest {
 protected:
  template <typename Figure>
  std::vector<Figure> Figures(int chart) const {
    std::vector<Figure> figures;
    for (const window::Primitive& p : form.Radar(chart).Picture()) {
      if (const auto* f = std::get_if<Figure>(&p)) figures.push_back(*f);
    }
    return figures;
  }
  std::vector<Point> Vertices(int chart) const {
    const auto polygons = Figures<window::Polygon>(chart);
    return polygons.empty() ? std::vector<Point>{} : polygons.front().points;
  }
  // The axis numbers, by their text: the centre of each as the host measures it, in pixels.
  std::map<std::string, std::pair<double, double>> Numbers(int chart) const {
    std::map<std::string, std::pair<double, double>> numbers;
    for (const window::TextAt& t : Figures<window::TextAt>(chart)) {
      if (!t.font.bold) continue;
      const double w = host.TextWidthTwips(t.text, t.font.size, true) / 15.0;
      const double h = host.TextHeightTwips(t.font.size, true) / 15.0;
      numbers[t.text] = {t.top_left.x + w / 2, t.top_left.y + h / 2};
    }
    return numbers;
  }
  void Tick(int box) {
    form.ADV(box).Value = 1;
    form.ADV_Click(box);
  }
  void NeFaitPas(int k) {
    form.ADV4(100 + k).Value = 1;
    form.ADV4_Click(100 + k);
  }
  void Profil() {
    form.PanelProfil.Visible = false;
    form.SSCommand6_Click();
  }
};

// A blank evaluation: every axis at 5 %, 5.4 pixels, each point truncated towards the upper
// left; axis 0 points up, so its x falls just short of the centre.
TEST_F(RadarTest, BlankEvaluationDrawsASmallProfile) {
  Profil();
  EXPECT_TRUE(form.PanelProfil.Visible);
  EXPECT_EQ(form.PanelProfil.Left, 60);
  EXPECT_EQ(form.Focus, &form.Radar(1));
  for (int k = 1; k <= 24; ++k) {
    EXPECT_EQ(form.RayonProfil[static_cast<std::size_t>(k - 1)], 5) << k;
    EXPECT_EQ(form.CodageProfil[static_cast<std::size_t>(k - 1)], "A") << k;
  }
  const std::vector<Point> chart1 = {{133, 128}, {132, 128}, {130, 130}, {129, 131}, {128, 133},
                                     {128, 135}, {129, 137}, {131, 138}, {133, 139}, {134, 139},
                                     {136, 138}, {138, 137}, {139, 135}, {139, 133}, {138, 131},
                                     {137, 130}, {135, 128}};
  const std::vector<Point> chart2 = {{133, 128}, {129, 130}, {128, 135}, {131, 138},
                                     {136, 138}, {139, 135}, {138, 130}};
  EXPECT_EQ(Vertices(1), chart1);
  EXPECT_EQ(Vertices(2), chart2);
  const auto polygon = Figures<window::Polygon>(1).front();
  EXPECT_EQ(polygon.fill, window::RGB(255, 0, 0));
  EXPECT_EQ(polygon.pen, window::RGB(255, 0, 0));
}

// How one row's coding becomes its radius, its hover text and its vertex.
TEST_F(RadarTest, RowCodings) {
  const struct {
    const char* what;
    std::function<void()> code;
    int k, radius;
    const char* coding;
    int chart;
    std::size_t axis;
    Point vertex;
  } cases[] = {
      {"B with S and C",
       [this] {
         Tick(53);
         Tick(55);
       },
       14,
       50,
       "B 13",
       1,
       4,
       {80, 129}},
      {"C", [this] { NeFaitPas(14); }, 14, 100, "C", 1, 4, {26, 124}},
      {"B with no adverb ticked", [this] { form.TxtVD1.Text[13] = 'B'; }, 14, 0, "B ", 1, 4,
       kCentre},
      {"B with the adverbs missing",
       [this] {
         form.TxtVD1.Text[13] = 'B';
         form.TxtADV.Text = "";
       },
       14, 0, "B ", 1, 4, kCentre},
      {"B with H on chart 2", [this] { Tick(72); }, 18, 25, "B 4", 2, 0, {133, 107}},
      {"B with S, T on row 24",
       [this] {
         Tick(93);
         Tick(94);
       },
       24,
       50,
       "B 12",
       2,
       1,
       {91, 100}},
      {"B with T, C, H on row 1",
       [this] {
         Tick(2);
         Tick(3);
         Tick(4);
       },
       1,
       75,
       "B 234",
       1,
       0,
       {133, 53}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    form.InitialiseAjout();
    c.code();
    Profil();
    EXPECT_EQ(form.RayonProfil[static_cast<std::size_t>(c.k - 1)], c.radius);
    EXPECT_EQ(form.CodageProfil[static_cast<std::size_t>(c.k - 1)], c.coding);
    EXPECT_EQ(Vertices(c.chart).at(c.axis), c.vertex);
  }
}

// A code other than A, B or C leaves its row as the last showing left it.
TEST_F(RadarTest, AnOddCodeKeepsTheLastValues) {
  NeFaitPas(14);
  NeFaitPas(15);
  Profil();
  for (const char* odd : {"x", ""}) {
    form.TxtVD1.Text = std::string("AAAAAAAAAAAAA") + odd;
    Profil();
    EXPECT_EQ(form.RayonProfil[13], 100) << odd;
    EXPECT_EQ(form.CodageProfil[13], "C") << odd;
    EXPECT_EQ(form.RayonProfil[14], 100) << "a missing code";
  }
}

// Every row C: every vertex on the outer ring, 108 pixels from the centre.
TEST_F(RadarTest, AllCOnTheOuterRing) {
  for (int k = 1; k <= 24; ++k) NeFaitPas(k);
  Profil();
  for (int chart = 1; chart <= 2; ++chart) {
    const std::vector<Point> vertices = Vertices(chart);
    ASSERT_EQ(vertices.size(), chart == 1 ? 17u : 7u);
    for (const Point& p : vertices) {
      EXPECT_NEAR(std::hypot(p.x - kCentre.x, p.y - kCentre.y), 108.0, 1.5) << p.x << "," << p.y;
    }
  }
  EXPECT_EQ(Vertices(1).front(), (Point{133, 26}));
  EXPECT_EQ(Vertices(2)[3], (Point{87, 231}));
}

// Reading clockwise from the top, the numbers run 1, 2, ... N: 2 first after 1, N last.
TEST_F(RadarTest, NumbersRunClockwiseFromTheTop) {
  Profil();
  for (int chart = 1; chart <= 2; ++chart) {
    std::vector<std::pair<double, std::string>> by_angle;
    for (const auto& [text, centre] : Numbers(chart)) {
      double clockwise = std::atan2(centre.first - kCentre.x, kCentre.y - centre.second);
      if (clockwise < -0.01) clockwise += 2 * M_PI;
      by_angle.emplace_back(clockwise, text);
    }
    std::sort(by_angle.begin(), by_angle.end());
    const int n = chart == 1 ? 17 : 7;
    ASSERT_EQ(static_cast<int>(by_angle.size()), n);
    for (std::size_t i = 0; i < by_angle.size(); ++i) {
      EXPECT_EQ(by_angle[i].second, std::to_string(i + 1));
    }
    const auto numbers = Numbers(chart);
    EXPECT_NEAR(numbers.at("1").first, kCentre.x, 1.0);
    EXPECT_NEAR(numbers.at("1").second, kCentre.y - 128, 1.0);
  }
}

// Each hot spot covers the centre of its row's number, so hovering the number reports it.
TEST_F(RadarTest, HotSpotsLieOverTheirNumbers) {
  Profil();
  for (int k = 1; k <= 24; ++k) {
    const int chart = k <= 17 ? 1 : 2;
    const window::Label& spot = form.Label3(k);
    EXPECT_EQ(spot.Parent, &form.Radar(chart)) << k;
    const auto centre = Numbers(chart).at(std::to_string(chart == 1 ? k : k - 17));
    EXPECT_GE(centre.first, spot.Left / 15.0) << k;
    EXPECT_LE(centre.first, (spot.Left + spot.Width) / 15.0) << k;
    EXPECT_GE(centre.second, spot.Top / 15.0) << k;
    EXPECT_LE(centre.second, (spot.Top + spot.Height) / 15.0) << k;
  }
}

// The profile first, then each axis with its number, then the rings with their values, so
// that axes and rings stay visible over the red.
TEST_F(RadarTest, DrawingOrderAxesAndRings) {
  Profil();
  const window::Drawing& drawing = form.Radar(2).Picture();
  ASSERT_EQ(drawing.size(), 1u + 7 * 2 + 4 * 3);
  EXPECT_TRUE(std::holds_alternative<window::Polygon>(drawing[0]));
  for (std::size_t j = 0; j < 7; ++j) {
    const auto& axis = std::get<window::Segment>(drawing[1 + 2 * j]);
    EXPECT_EQ(axis.from, kCentre);
    EXPECT_TRUE(std::holds_alternative<window::TextAt>(drawing[2 + 2 * j]));
  }
  EXPECT_EQ(std::get<window::Segment>(drawing[1]).to, (Point{133, 21}));
  EXPECT_EQ(std::get<window::Segment>(drawing[3]).to, (Point{45, 63}));
  for (int k = 1; k <= 4; ++k) {
    const std::size_t at = 15 + 3 * static_cast<std::size_t>(k - 1);
    const auto& ring = std::get<window::Circle>(drawing[at]);
    EXPECT_EQ(ring.radius, 27 * k);
    EXPECT_EQ(ring.pen.style, window::LineStyle::Dot);
    const auto& value = std::get<window::TextAt>(drawing[at + 1]);
    EXPECT_EQ(value.text, " " + std::to_string(25 * k));
    EXPECT_EQ(value.top_left, (Point{139, 134 - 27 * k - 5}));
    EXPECT_EQ(value.font, (window::Font{6.0f, false}));
    const auto& tick = std::get<window::Segment>(drawing[at + 2]);
    EXPECT_EQ(tick.from, (Point{129, 134 - 27 * k}));
    EXPECT_EQ(tick.to, (Point{139, 134 - 27 * k}));
    EXPECT_EQ(tick.pen.style, window::LineStyle::Solid);
  }
}

// The button toggles: a second click hides the panel without drawing again.
TEST_F(RadarTest, SecondClickHidesWithoutDrawing) {
  form.SSCommand6_Click();
  const auto revisions = std::pair{form.Radar(1).Revision(), form.Radar(2).Revision()};
  form.SSCommand6_Click();
  EXPECT_FALSE(form.PanelProfil.Visible);
  EXPECT_EQ(std::pair(form.Radar(1).Revision(), form.Radar(2).Revision()), revisions);
  form.SSCommand6_Click();
  EXPECT_TRUE(form.PanelProfil.Visible);
  EXPECT_EQ(Figures<window::Polygon>(1).size(), 1u);
}

// "Profil" closes the questions and the coherence panel, whether it opens or closes.
TEST_F(RadarTest, ProfilClosesTheOtherPanels) {
  for (bool shown : {false, true}) {
    form.PanelProfil.Visible = shown;
    form.PanelQuestions.Visible = form.PanelCoherence.Visible = true;
    form.SSCommand6_Click();
    EXPECT_FALSE(form.PanelQuestions.Visible);
    EXPECT_FALSE(form.PanelCoherence.Visible);
    EXPECT_EQ(form.PanelProfil.Visible, !shown);
  }
}

// The mouse over a number shows its row's coding under that row's chart.
TEST_F(RadarTest, HoverShowsTheCodingInClear) {
  Tick(53);
  Tick(55);
  Tick(80);
  Profil();
  const struct {
    const window::Control* over;
    const char* label4;
    const char* label5;
  } moves[] = {
      {&form.Label3(14), "B 13", ""}, {&form.Label3(20), "", "B 4"}, {&form.Label3(1), "A", ""},
      {&form.PanelProfil, "", ""},    {&form.Label3(24), "", "A"},   {&form.PanelProfil, "", "A"},
      {&form.Radar(1), "", "A"},      {&form.Label3(2), "A", ""},    {&form.Radar(2), "A", ""},
      {&form.Radar(1), "", ""},
  };
  for (const auto& m : moves) {
    form.Controle_MouseMove(*m.over);
    EXPECT_EQ(form.Label4.Caption(), m.label4) << m.over->Name << m.over->Index;
    EXPECT_EQ(form.Label5.Caption(), m.label5) << m.over->Name << m.over->Index;
  }
}

// A click on either chart closes the panel, and so does Enter on the first.
TEST_F(RadarTest, ClosingThePanel) {
  const struct {
    const char* what;
    std::function<void()> action;
    bool closes;
  } cases[] = {
      {"click chart 1", [this] { form.Radar_Click(1); }, true},
      {"click chart 2", [this] { form.Radar_Click(2); }, true},
      {"Enter on chart 1", [this] { form.Radar_KeyDown(1, window::kEnterKey); }, true},
      {"another key on chart 1", [this] { form.Radar_KeyDown(1, 'A'); }, false},
      {"Enter on chart 2", [this] { form.Radar_KeyDown(2, window::kEnterKey); }, false},
      {"a tick", [this] { Tick(1); }, true},
  };
  for (const auto& c : cases) {
    Profil();
    c.action();
    EXPECT_EQ(form.PanelProfil.Visible, !c.closes) << c.what;
  }
}

TEST_F(RadarTest, Layout) {
  ExpectPlacements({
      {&form.Radar(1), &form.PanelProfil, 120, 120, 4020, 4020},
      {&form.Radar(2), &form.PanelProfil, 120, 4200, 4020, 4020},
      {&form.Label4, &form.Radar(1), 3300, 3690, 795, 435},
      {&form.Label5, &form.Radar(2), 3300, 3690, 795, 435},
      {&form.Label3(14), &form.Radar(1), -30, 1740, 435, 315},
      {&form.Label3(21), &form.Radar(2), 2730, 3600, 435, 315},
      {&form.LegendeProfil(17), &form.PanelProfil, 4740, 630 + 16 * 270, 2640, 255},
      {&form.LegendeProfil(18), &form.PanelProfil, 4740, 6150, 2640, 255},
      {&form.CadreEchelle, &form.PanelProfil, 7470, 900, 1995, 3795},
      {&form.Padv(10), &form.PanelProfil, 8160, 2460, 1275, 255},
      {&form.AdverbeProfil(4), &form.PanelProfil, 7770, 4200, 1500, 255},
  });
  EXPECT_EQ(form.LegendeProfil(1).Caption(), "  1. Communication");
  EXPECT_EQ(form.LegendeProfil(24).Caption(), "  7. Activités du temps libre");
  EXPECT_EQ(form.Padv(4).Caption(), "B  1 adverbe");
  EXPECT_EQ(form.Label4.ForeColor, window::RGB(128, 0, 0));
  EXPECT_TRUE(form.Label4.font.bold);
  EXPECT_EQ(form.Radar(1).BackColor, window::kWhite);
}

}  // namespace
