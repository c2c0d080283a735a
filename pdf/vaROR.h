// SPDX-License-Identifier: EUPL-1.2
// vaROR: the program's own PDF 1.5 writer. A caller names the file, chooses the settings,
// draws page by page and ends the document; objects are written to the file as soon as
// they are finished. One object writes one document.
//
// Text is UTF-8 at this interface. A text that Windows-1252 holds is written in it with the
// standard fonts; one with any other character is drawn whole in an embedded Unicode face
// (Liberation, or the face fontconfig picks for the characters it lacks).
// Invalid setting codes show a message through the host and go on with the default;
// failures that abandon an operation raise pdf::PdfError, and so do the life-cycle
// operations called out of order (a document is not begun, open, or ended).
#pragma once

#include <array>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pdf/afm.h"
#include "pdf/colours.h"
#include "pdf/format.h"
#include "pdf/line_breaking.h"
#include "pdf/pdf_error.h"
#include "pdf/unicode_fonts.h"
#include "platform/host.h"
#include "platform/output_file.h"

namespace pdf {

class vaROR {
 public:
  explicit vaROR(platform::Host& host);

  // Document life cycle and output file (document.cpp).
  void PDFInit();
  void PDFPathConfiguration(const std::string& sPathConfig);
  void PDFFileName(const std::string& name);
  std::string PDFGetFileName() const;
  void PDFConfirm(bool confirm);
  void PDFView(bool view);
  void PDFBeginDoc();
  void PDFNewPage();
  void PDFEndPage();
  void PDFEndDoc();

  // Page geometry and document settings (settings.cpp).
  void PDFSetZoomMode(std::int32_t pZoomMode);
  std::int32_t PDFGetZoomMode() const;
  void PDFUseThumbs(bool thumbs);
  void PDFUseOutlines(bool outlines);
  void PDFSetLayoutMode(std::int32_t pLayoutMode);
  std::int32_t PDFGetLayoutMode() const;
  void PDFSetUnit(std::int32_t code);
  std::string PDFGetUnit() const;
  void PDFFormatPage(std::int32_t code);
  void PDFFormatPage(const std::array<double, 2>& size);
  void PDFFormatPage(const std::string& text);
  void PDFOrientation(std::int32_t str_Orientation);
  void PDFPageWidth(double in_PageWidth);
  void PDFPageHeight(double in_PageHeight);
  double PDFGetPageWidth() const;
  double PDFGetPageHeight() const;
  void PDFSetLeftMargin(double in_left);
  void PDFSetTopMargin(double in_top);
  void PDFSetRightMargin(double in_right);
  void PDFSetBottomMargin(double in_bottom);
  double PDFGetLeftMargin() const;
  double PDFGetTopMargin() const;
  double PDFGetRightMargin() const;
  double PDFGetBottomMargin() const;
  void PDFSetCellMargin(double in_cell);
  double PDFGetCellMargin() const;
  void PDFSetMargins(int in_left, int in_top, int in_right = -1, int in_bottom = -1);
  int PDFGetX() const;
  int PDFGetY() const;
  int PDFPageNumber() const;
  int PDFNbPage() const;
  void PDFTitle(const std::string& text);
  void PDFAuthor(const std::string& text);
  void PDFCreator(const std::string& text);
  void PDFKeywords(const std::string& text);
  void PDFSubject(const std::string& text);
  void PDFProducer(const std::string& text);

  // Fonts and metrics (fonts.cpp).
  void PDFSetFont(std::int32_t str_Fontname, int in_FontSize, std::int32_t str_Style = 0);
  void PDFLoadAfm(const std::string& sPathAFM);
  // For a writer that prints many documents: the metric folders' listings and parsed files
  // are kept across PDFInit, the files taken as unchanged meanwhile. Off by default, when
  // every document reads them afresh.
  void PDFKeepMetrics(bool keep);
  // A TrueType or OpenType file as the current font: every text is then drawn with it,
  // embedded. A file that holds no usable face is refused with a message; the font stays.
  // PDFSetFont returns to the standard fonts.
  void PDFSetFontFile(const std::string& pFontFile, int in_FontSize);
  // Width in points; an empty name measures with the current font and receives its name (the
  // file's path for a font file).
  double PDFGetStringWidth(const std::string& text, std::string& font_name, int font_size);

  // Text, cells and links (text.cpp, cell.cpp, links.cpp).
  void PDFTextOut(const std::string& text, double X = 0, double Y = 0);
  double PDFTextHeight() const;
  void PDFSetRotation(double angle);
  void PDFSetAlignement(std::int32_t gAlignement);
  std::string PDFGetAlignement() const;
  void PDFSetBorder(std::int32_t gBorder);
  void PDFSetFill(bool bFill);
  void PDFCell(const std::string& text, double X, double Y, double W, double H,
               const std::string& link = "");
  void PDFLink(double X, double Y, const std::string& str_Text, const std::string& str_Link = "");

  // Colours (colours.cpp). The getters return the stored operator text ("0 g" at first).
  void PDFSetTextColor(const ColorValue& gColor);
  void PDFSetLineColor(const ColorValue& gColor);
  void PDFSetDrawColor(const ColorValue& gColor);
  std::string PDFGetTextColor() const;
  std::string PDFGetLineColor() const;
  std::string PDFGetDrawColor() const;

  // Lines and shapes (graphics.cpp), in user units from the top-left corner of the page.
  // A non-empty URLLink makes the shape a link to that address.
  void PDFSetLineStyle(std::int32_t pLineStyle);  // 0 solid, 1 dash, 2 dash-dot, 3 dash-dot-dot
  void PDFSetLineWidth(double pLineWidth);
  void PDFSetDrawMode(std::int32_t pDrawMode);  // 0 stroked, 1 filled, 2 filled and stroked
  void PDFDrawLineHor(double X, double Y, double w);
  void PDFDrawLineVer(double X, double Y, double h);
  void PDFDrawLine(double x1, double y1, double x2, double y2);
  void PDFDrawRectangle(double X, double Y, double w, double h, const std::string& URLLink = "");
  // rx and ry are the two diameters; ry 0 draws a circle.
  void PDFDrawEllipse(double X, double Y, double rx, double ry = 0,
                      const std::string& URLLink = "");
  // Points x1, y1, x2, y2, ...: a closed polygon.
  void PDFDrawPolygon(const std::vector<double>& pParam);

  // Text presets (presets.cpp): Arial in black at the size and style of the name (i italic,
  // B bold), then PDFTextOut; the two table presets write a borderless cell of width L and
  // height e, aligned left (G) or right (D). Their settings stay in force.
  void FormatArial8(const std::string& Texte, double X, double Y);
  void FormatArial8i(const std::string& Texte, double X, double Y);
  void FormatArial10(const std::string& Texte, double X, double Y);
  void FormatArial10i(const std::string& Texte, double X, double Y);
  void FormatArial10B(const std::string& Texte, double X, double Y);
  void FormatArial12(const std::string& Texte, double X, double Y);
  void FormatArial12B(const std::string& Texte, double X, double Y);
  void FormatArial15B(const std::string& Texte, double X, double Y);
  void FormatTableauG(const std::string& Texte, double X, double Y, double L, double e);
  void FormatTableauD(const std::string& Texte, double X, double Y, double L, double e);
  // JPEG images (images.cpp). w and h in user units; 0 derives them from the pixel size.
  void PDFImage(const std::string& pFileName, double X, double Y, double w = 0, double h = 0,
                const std::string& URLLink = "");
  // Pixel size, 0 when the file is refused.
  double PDFImageWidth(const std::string& pFileName);
  double PDFImageHeight(const std::string& pFileName);

  // Bookmarks (bookmarks.cpp). Level 0 is the top level; Y -1 means the current position.
  void PDFSetBookmark(const std::string& str_Text, int iLevel = 0, double Y = -1);

 private:
  struct Link {
    double x, y, width, height;  // points, origin bottom-left, y at the top edge
    std::string target;          // 7-bit URI
  };

  // document.cpp
  void ResetDocument();
  void ResetDrawing();
  std::string CreationFailure() const;
  void RecordOffset(std::size_t length);
  void WriteAhead(std::string_view bytes);
  void WriteBlock(const std::string& block);
  int BeginObject();
  void EndObject(Composer& out);  // `out`, the composer of the object's lines, ends it
  void AppendMarker(const char* marker);
  void OpenContent();
  void CloseContent();
  void PutHeader();
  void PutInfo();
  void PutFonts();
  void PutFont(const std::string& name);
  void PutPages();
  void PutResources();
  void PutPage(int page);
  void PutCatalog();
  void PutXref();
  void WriteEnd();
  void FinishFile();
  void ShowCritical(const std::string& text, const std::string& topic);
  std::int32_t CheckedCode(std::int32_t code, std::int32_t last, std::int32_t fallback,
                           const char* reason, const char* instead, const char* topic);
  // Ending while PDFEndDoc writes; Failed once it raised with the file half-written.
  enum class DocumentState { NotBegun, Open, Ending, Failed, Ended };
  void RequireState(DocumentState wanted, const char* operation) const;
  void EnterState(DocumentState state);
  // False, with one message per state, when no page takes drawing.
  bool PageIsOpen(const char* operation);

  // settings.cpp
  std::size_t EnsureSlot();
  void SetSlotSize(double width, double height);
  void RejectFormat(const std::string& shown, const char* ending);

  // fonts.cpp
  struct FontChoice {
    int number;               // resource number, "/F" + number
    const std::string& name;  // metric file name, held by the writer
  };
  FontChoice FontInUse();
  void ReadStyle(std::int32_t style);
  int FontSizeInUse();
  const WidthTable& Metrics(const std::string& name);
  WidthTable ReadMetrics(const std::string& name) const;
  void ForgetMetrics();  // the metric folder changed
  std::vector<std::string> ListMetricFiles(const std::string& folder);
  double Measure(const std::string& bytes, const std::string& name, double size);
  double MeasureCurrent(const std::string& bytes);
  double MeasureCurrent(const std::string& bytes, double size);

  // text.cpp. `unicode`: the text is NFC UTF-8 for the Unicode fonts, else Windows-1252.
  void TextOut(const std::string& bytes, double X, double Y, bool unicode);
  void PutRotation(Composer& out, double X, double Y) const;  // the "Tm" line
  // The "re f" line under the text, from its start (x, y) in page points.
  void PutUnderlineBar(Composer& out, const std::string& bytes, bool unicode, double x, double y,
                       bool cell_case);

  // unicode_out.cpp
  // The text to write: its Windows-1252 bytes (false), or its NFC form for the Unicode fonts.
  // `request` is the font the text is drawn or measured in.
  bool PrepareRun(const std::string& utf8, std::string& run, const FontRequest& request);
  bool PrepareUnicodeRun(const std::string& utf8, std::string& run, const FontRequest& request);
  FontRequest UnicodeRequest(const std::string& font_name) const;
  // Asked for every text: the standard font's name is never a file's.
  FontRequest CurrentRequest() const {
    return str_FontFile.empty() ? FontRequest{str_FontName, {}} : UnicodeRequest(str_FontFile);
  }
  double RunWidth(const std::string& run, bool unicode, double size);  // points, current font
  // "/U1 10 Tf" and the run's glyphs in TJ arrays, the size with `decimals` decimals;
  // `spacing`, in points, widens the blanks of a justified line.
  void PutGlyphs(Composer& out, const std::string& run, int size, int decimals, double spacing);
  void PutUnicodeFonts();
  void ReportMissingFonts();

  // cell.cpp
  struct CellLine {
    std::string text;
    bool last;             // ends a paragraph: last line of the cell or ended by a forced break
    bool unicode = false;  // NFC UTF-8 for the Unicode fonts
  };
  std::vector<CellLine> BreakLines(const std::string& bytes, double W);
  std::vector<CellLine> BreakUnicode(const std::string& run, double W);
  std::string LineBorder(std::size_t index, std::size_t count) const;
  void PutCell(Composer& out, const CellLine& line, const std::string& border, double X, double Y,
               double W, double H);
  void PutCellSides(Composer& out, const std::string& border, double X, double Y, double W,
                    double H) const;
  // The text's offset from the line's left edge; a justified line also gets its "Tw" line.
  double CellOffset(Composer& out, const CellLine& line, double W);

  // colours.cpp
  void SetColor(std::string& slot, std::int32_t& slot_rgb, const ColorValue& gColor, Paint paint);

  // graphics.cpp
  double LineWidthPoints() const;
  // The width line: "0.57 w", then the paint operator if any.
  void PutWidthLine(Composer& out, std::string_view paint) const;
  void PutPagePoint(Composer& out, double x, double y) const;  // "x y" in page points
  // The point and a path operator (" m", " l") as one line.
  void PutPathPoint(Composer& out, double x, double y, std::string_view op) const;
  void PutCurveTo(Composer& out, const std::array<double, 6>& points) const;
  void PutShapeColors(Composer& out) const;  // colour lines of the draw mode
  void DeriveDrawColor();                    // the line colour in fill form
  void DrawSegment(const char* marker, double x1, double y1, double x2, double y2);

  // presets.cpp
  void TextPreset(const std::string& text, double X, double Y, int size, std::int32_t style);
  void TablePreset(const std::string& text, double X, double Y, double L, double e,
                   std::int32_t alignment);

  // links.cpp
  // Makes the box of the object just drawn, from (X, Y) down and right, a link: the box of
  // a shape or a cell is in_LinkWidth by in_LinkHeight; kind "IMAGE" takes the whole part
  // of the last image's size and turns the text colour blue. An empty link does nothing.
  // Its marker lines go through `out`, the composer of the object's own lines.
  void AttachLink(Composer& out, const std::string& link, std::string_view kind, double X,
                  double Y);
  void RecordLink(double x, double y, double width, double height, const std::string& target);
  void PutAnnotations(Composer& out, int page) const;

  // images.cpp
  struct Image {
    std::filesystem::path file;  // copied unchanged into the image object at PDFEndDoc
    std::uint64_t length;        // its size in bytes when it was placed
    int width, height;           // pixels
    std::string colour_space;    // "DeviceGray", "DeviceRGB" or "DeviceCMYK"
    bool inverted;               // CMYK stored as Adobe writes it: 255 is no ink
  };
  std::optional<Image> ParseJPEG(const std::string& pFileName);
  bool HasJpegName(const std::string& pFileName);
  void RefuseImage(const std::string& reason);
  void CheckImages() const;  // raises ImageChanged for the first image no longer as placed
  void PutImage(int j);

  // bookmarks.cpp
  struct Bookmark {
    std::string title;  // as typed, UTF-8
    int level;          // 0 at the top, at most one below the bookmark before
    double y;           // points from the top of the page
    int page;
  };
  void PutOutlines();

  platform::Host& host_;

  // Configuration and output file.
  std::string str_PathConfig;
  std::string str_FileName;
  std::string str_FilePath;
  platform::OutputFile obj_File;
  bool boConfirm = false;
  bool boView = false;
  bool boThumbs = false;
  bool boOutlines = false;
  std::string str_Title, str_Author, str_Creator, str_Keywords, str_Subject, str_Producer;  // UTF-8
  std::int32_t in_ZoomMode = 0;
  std::int32_t in_LayoutMode = 0;

  // Geometry and position.
  double in_Scale = 72.0 / 2.54;
  int in_LeftMargin = 0, in_TopMargin = 0, in_RightMargin = 0, in_BottomMargin = 0;
  int in_CellMargin = 3;
  double in_X = 0, in_Y = 0;
  int in_PageSlot = 1;
  std::vector<double> tab_PageWidth, tab_PageHeight;  // index 0 unused

  // Graphic state, set by the colour and line operations.
  std::string str_TextColor = "0 g";
  std::string str_LineColor = "0 G";
  std::string str_DrawColor = "0 g";
  // The colour each slot's operator was made from, 0xRRGGBB; kUnknownRgb when it was not made
  // by a colour setter.
  static constexpr std::int32_t kUnknownRgb = -1;
  std::int32_t in_TextRgb = kUnknownRgb, in_LineRgb = kUnknownRgb, in_DrawRgb = kUnknownRgb;
  double in_LineWidth = 0;      // user units, once set
  bool boLineWidthSet = false;  // until then lines are 0.567 points in every unit
  std::string str_LineStyle;    // dash operator, empty until a style is set
  std::string str_DrawMode;     // "", "D" or "DB": stroked, filled, both

  // Object bookkeeping.
  int in_ObjectCount = 0;
  std::int64_t in_FilePosition = 0;
  std::vector<std::int64_t> tab_Offsets;  // index 0 unused
  int in_OffsetIndex = 1;
  int in_PageCount = 0;
  std::vector<int> tab_PageContents;  // index 0 unused
  std::vector<int> tab_PageObjects;   // index 0 unused
  int in_PagesObject = 0, in_ResourcesObject = 0, in_CatalogObject = 0, in_OutlinesObject = 0;
  int in_ImageCount = 0;
  std::vector<std::string> tab_FontNames;
  int in_FontCount = 0;
  std::vector<int> tab_FontObjects;     // index 0 unused
  std::vector<int> tab_UnicodeObjects;  // the Type0 font of "/U" + index; index 0 unused
  DocumentState in_DocumentState = DocumentState::NotBegun;
  std::exception_ptr obj_EndFailure;  // why the document Failed, raised again at every retry
  bool boNoPageReported = false;      // drawing without a page is reported once per state
  std::uint64_t in_WrittenAhead = 0;  // bytes of the open object already in the file

  // Buffers, kept from one operation to the next so that their room is reused.
  std::string str_Object;
  std::string str_PageContent;
  std::string str_Bytes;  // the Windows-1252 bytes of the text being drawn or measured

  // Texts outside Windows-1252: the document's embedded faces, the characters without one.
  std::unique_ptr<UnicodeFonts> obj_UnicodeFonts = std::make_unique<UnicodeFonts>();

  // Fonts.
  std::string str_FontName;
  std::string str_FontFile;  // a font file chosen as the current font; empty for the standard ones
  int in_FontSize = 0;
  bool boItalic = false, boBold = false, boUnderline = false;
  std::string str_EmptyAfmFolder;  // the last metric folder asked for that held no file
  std::map<std::string, WidthTable> tab_Metrics;  // parsed metric files of str_PathConfig, by name
  std::string str_LastMetricsName;                // the name last looked up, and its table:
  const WidthTable* ptr_LastMetrics = nullptr;    // texts mostly measure with one font
  std::string str_ReportedFont;                   // unknown font already reported
  bool boKeepMetrics = false;
  std::map<std::string, std::vector<std::string>> tab_MetricListings;  // kept listings, by folder

  // Text, cells and links.
  std::string str_Align;
  std::string str_Border;
  bool boFill = false;
  double in_Rotation = 0;
  double in_WordSpacing = 0;
  std::vector<std::vector<Link>> tab_Links;      // per page, index 0 unused
  double in_LinkWidth = 0, in_LinkHeight = 0;    // user units: the shape or cell linked
  double in_ImageWidth = 0, in_ImageHeight = 0;  // user units: the last image placed

  // Images and bookmarks.
  std::vector<Image> tab_Images;  // index 0 unused; entry j is "/ImgJPEG" + j
  std::vector<Bookmark> tab_Bookmarks;
};

}  // namespace pdf
