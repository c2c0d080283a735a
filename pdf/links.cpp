// SPDX-License-Identifier: EUPL-1.2
// Web links: an underlined text, or the box of a drawn object, and the link annotation
// written with its page.
#include <cmath>

#include "pdf/format.h"
#include "pdf/vaROR.h"
#include "platform/encoding.h"

namespace pdf {
namespace {

// The link box covers the line of text: from a fifth of the size below the baseline to
// four fifths above it.
constexpr double kAscentShare = 0.8;
// Windows colour number of blue: the text colour an image link leaves.
constexpr double kBlue = 16711680;

}  // namespace

void vaROR::PDFLink(double X, double Y, const std::string& str_Text, const std::string& str_Link) {
  if (!PageIsOpen("PDFLink")) return;
  if (X == 0) X = in_X;
  if (Y == 0) Y = in_Y;
  std::string text;
  const bool unicode = PrepareRun(str_Text, text, CurrentRequest());
  const int size = FontSizeInUse();
  const double width = std::trunc(RunWidth(text, unicode, size));  // fails before writing
  Composer(str_PageContent).Line("%DEBUT_LINK/%").Done();
  boUnderline = true;
  TextOut(text, X, Y, unicode);
  boUnderline = false;
  const double k = in_Scale;
  RecordLink((in_LeftMargin + X) * k, PDFGetPageHeight() - Y * k + kAscentShare * size, width, size,
             platform::ToUri(str_Link.empty() ? str_Text : str_Link));
  Composer(str_PageContent).Line("%FIN_LINK/%").Done();
}

void vaROR::AttachLink(Composer& out, const std::string& link, std::string_view kind, double X,
                       double Y) {
  if (link.empty()) return;
  const double k = in_Scale;
  double width = in_LinkWidth * k;
  double height = in_LinkHeight * k;
  if (kind == "IMAGE") {
    PDFSetTextColor(kBlue);
    width = std::trunc(in_ImageWidth * k);
    height = std::trunc(in_ImageHeight * k);
  }
  out.Line("%DEBUT_LINK/%");
  RecordLink(X * k, PDFGetPageHeight() - Y * k, width, height, platform::ToUri(link));
  out.Line("%FIN_LINK/%");
}

void vaROR::RecordLink(double x, double y, double width, double height, const std::string& target) {
  auto page = static_cast<std::size_t>(in_PageCount);
  if (tab_Links.size() <= page) tab_Links.resize(page + 1);
  tab_Links[page].push_back({x, y, width, height, target});
}

void vaROR::PutAnnotations(Composer& out, int page) const {
  out.Text("/Annots [");
  for (const Link& link : tab_Links[static_cast<std::size_t>(page)]) {
    out.Text("<</Type /Annot /Subtype /Link /Rect [").Plain(link.x).Text(" ").Plain(link.y);
    out.Text(" ").Plain(link.x + link.width).Text(" ").Plain(link.y - link.height);
    out.Text("] /Border [0 0 0] /A <</S /URI /URI (").Escaped(link.target).Line(")>>>>");
  }
  out.Line("]");
}

}  // namespace pdf
