// SPDX-License-Identifier: EUPL-1.2
// Document state, object writing, page tree, catalog, cross-reference table and trailer.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>
#include <thread>
#include <utility>

#include "pdf/file_names.h"
#include "pdf/fonts.h"
#include "pdf/format.h"
#include "pdf/vaROR.h"
#include "platform/encoding.h"
#include "platform/system_reason.h"

namespace pdf {
namespace {

constexpr const char* kVersion = "vaROR 4.0";
constexpr double kA4Width = 595.28;
constexpr double kA4Height = 841.89;

std::string PdfDate(const std::tm& t) {
  char digits[32];
  std::snprintf(digits, sizeof digits, "%04d%02d%02d%02d%02d%02d", t.tm_year + 1900, t.tm_mon + 1,
                t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
  return digits;
}

}  // namespace

vaROR::vaROR(platform::Host& host) : host_(host) { PDFInit(); }

void vaROR::PDFInit() {
  obj_File.Discard();
  EnterState(DocumentState::NotBegun);
  if (str_PathConfig.empty()) str_PathConfig = host_.ProgramFolder().string();
  PDFLoadAfm(str_PathConfig);
  str_FileName.clear();
  str_FilePath.clear();
  boConfirm = boView = boThumbs = boOutlines = false;
  in_ZoomMode = in_LayoutMode = 0;
  str_Title = str_Author = str_Creator = str_Keywords = str_Subject = str_Producer = "";
  ResetDocument();
  tab_Bookmarks.clear();
  in_PageSlot = 1;
  tab_PageWidth = {0, kA4Width};
  tab_PageHeight = {0, kA4Height};
  in_Scale = 72.0 / 2.54;
  int margin = RoundToInt16(28.35 / in_Scale);
  PDFSetMargins(margin, margin);
  in_CellMargin = RoundToInt16(margin / 10.0 * in_Scale);
  in_X = in_LeftMargin;
  in_Y = in_TopMargin;
  ResetDrawing();
  if (!boKeepMetrics) ForgetMetrics();
}

// The colours, lines and cell settings of a new writer; the font stays until PDFSetFont.
void vaROR::ResetDrawing() {
  str_TextColor = "0 g";
  str_LineColor = "0 G";
  str_DrawColor = "0 g";
  in_TextRgb = in_LineRgb = in_DrawRgb = kUnknownRgb;
  in_LineWidth = 0;
  boLineWidthSet = false;
  str_LineStyle.clear();
  str_DrawMode.clear();
  str_Align.clear();
  str_Border.clear();
  boFill = false;
  in_Rotation = 0;
  in_WordSpacing = 0;
}

void vaROR::PDFPathConfiguration(const std::string& sPathConfig) {
  if (sPathConfig != str_PathConfig) ForgetMetrics();
  str_PathConfig = sPathConfig;
}

void vaROR::PDFFileName(const std::string& name) {
  RequireState(DocumentState::NotBegun, "PDFFileName");
  str_FileName = name;
  str_FilePath.clear();
  obj_File.Discard();
  auto target = PathFromName(name);
  if (!target.has_filename()) return;  // an empty name creates no file
  str_FilePath = target.string();
  obj_File.Create(target);
}

std::string vaROR::PDFGetFileName() const { return str_FileName; }
void vaROR::PDFConfirm(bool confirm) { boConfirm = confirm; }
void vaROR::PDFView(bool view) { boView = view; }

void vaROR::PDFBeginDoc() {
  RequireState(DocumentState::NotBegun, "PDFBeginDoc");
  EnterState(DocumentState::Open);
  ResetDocument();
  in_PageCount = 1;
  PutHeader();
  PutInfo();
  OpenContent();
  str_PageContent.clear();
}

// The bookkeeping of one document's file. Bookmarks are not part of it: they may be set
// before PDFBeginDoc.
void vaROR::ResetDocument() {
  in_PageCount = 0;  // no page yet: a bookmark set now goes to page 1
  in_ObjectCount = 0;
  in_FilePosition = 0;
  in_WrittenAhead = 0;
  in_OffsetIndex = 1;
  in_ImageCount = 0;
  in_FontCount = 0;
  in_PagesObject = in_ResourcesObject = in_CatalogObject = in_OutlinesObject = 0;
  obj_EndFailure = nullptr;
  tab_Offsets.assign(1, 0);
  tab_FontObjects.assign(1, 0);
  tab_UnicodeObjects.assign(1, 0);
  obj_UnicodeFonts->Reset();
  tab_PageContents.assign(2, 0);
  tab_PageObjects.assign(2, 0);
  tab_Links.assign(2, {});
  tab_Images.clear();
  str_Object.clear();
  str_PageContent.clear();
}

void vaROR::PDFNewPage() {
  RequireState(DocumentState::Open, "PDFNewPage");
  ++in_PageCount;
  in_X = in_LeftMargin;
  in_Y = in_TopMargin;
  tab_Links.resize(static_cast<std::size_t>(in_PageCount) + 1);
  CloseContent();
  OpenContent();  // the marker lines left by the last two objects open the new stream
}

void vaROR::PDFEndPage() {
  double width = PDFGetPageWidth();
  double height = PDFGetPageHeight();
  ++in_PageSlot;
  EnsureSlot();
  SetSlotSize(width, height);
}

void vaROR::PDFEndDoc() {
  if (in_DocumentState == DocumentState::Ended) return;  // the file is already complete
  // A document abandoned half-written cannot be finished: every retry says why.
  if (in_DocumentState == DocumentState::Failed) std::rethrow_exception(obj_EndFailure);
  RequireState(DocumentState::Open, "PDFEndDoc");
  if (!obj_File.IsOpen()) {
    throw PdfError(
        PdfErrorCode::FileNotCreated,
        "Le fichier PDF « " + str_FileName + " » n'a pas pu être créé" + CreationFailure() + ".");
  }
  CheckImages();  // before anything is written: a retry copies an image put back
  EnterState(DocumentState::Ending);  // marker lines after the last stream are discarded
  try {
    WriteEnd();
  } catch (...) {
    obj_File.Discard();
    obj_EndFailure = std::current_exception();
    EnterState(DocumentState::Failed);
    throw;
  }
  EnterState(DocumentState::Ended);
  ReportMissingFonts();
  if (boConfirm) {
    host_.ShowMessage("Fichier PDF généré.", std::string("Génération du Fichier PDF - ") + kVersion,
                      platform::MessageIcon::None, platform::MessageButtons::Ok);
  }
  if (boView) host_.OpenPdf(std::filesystem::absolute(str_FilePath));
}

// Everything that depends on the whole document, then the file put in place of the target.
void vaROR::WriteEnd() {
  CloseContent();
  PutFonts();
  PutUnicodeFonts();
  PutPages();
  PutResources();
  for (int image = 1; image <= in_ImageCount; ++image) PutImage(image);
  for (int page = 1; page <= in_PageCount; ++page) PutPage(page);
  PutOutlines();
  PutCatalog();
  PutXref();
  FinishFile();
}

// The reason a creation failed, in the user's words.
std::string vaROR::CreationFailure() const {
  const std::error_code error = obj_File.CreationError();
  if (!error) return "";
  std::string folder = PathFromName(str_FileName).parent_path().string();
  if (folder.empty()) folder = std::filesystem::current_path().string();
  const std::string in_folder = " : le dossier « " + folder + " » ";
  const std::pair<std::errc, std::string> reasons[] = {
      {std::errc::no_such_file_or_directory, in_folder + "n'existe pas"},
      {std::errc::permission_denied, in_folder + "ne peut pas être écrit"},
      {std::errc::read_only_file_system, in_folder + "ne peut pas être écrit"},
      {std::errc::operation_not_permitted, in_folder + "ne peut pas être écrit"},
      {std::errc::no_space_on_device, " : le disque est plein"},
      {std::errc::filename_too_long, " : le nom du fichier est trop long"},
      {std::errc::invalid_argument, " : le système refuse ce nom de fichier"},
      {std::errc::illegal_byte_sequence, " : le système refuse ce nom de fichier"},
      {std::errc::not_a_directory, " : un élément du chemin n'est pas un dossier"},
      {std::errc::too_many_symbolic_link_levels,
       " : le chemin passe par trop de liens symboliques"},
  };
  for (const auto& [code, reason] : reasons) {
    if (error == code) return reason;
  }
  return " (erreur système " + std::to_string(error.value()) + ")";
}

void vaROR::RecordOffset(std::size_t length) {
  in_FilePosition += static_cast<std::int64_t>(length) + 2;
  if (tab_Offsets.size() <= static_cast<std::size_t>(in_OffsetIndex)) {
    tab_Offsets.resize(static_cast<std::size_t>(in_OffsetIndex) + 1);
  }
  tab_Offsets[static_cast<std::size_t>(in_OffsetIndex++)] = in_FilePosition;
}

// Part of an object too large to compose in memory, written before its last block.
void vaROR::WriteAhead(std::string_view bytes) {
  obj_File.Write(bytes);
  in_WrittenAhead += bytes.size();
}

void vaROR::WriteBlock(const std::string& block) {
  RecordOffset(static_cast<std::size_t>(in_WrittenAhead) + block.size());
  in_WrittenAhead = 0;
  obj_File.Write(block);
  obj_File.Write("\r\n");
}

void vaROR::AppendMarker(const char* marker) {
  if (in_DocumentState == DocumentState::Open) Composer(str_PageContent).Line(marker).Done();
}

int vaROR::BeginObject() {
  int number = ++in_ObjectCount;
  str_Object.clear();
  AppendMarker("%DEBUT_OBJ/%");
  Composer(str_Object).Integer(number).Line(" 0 obj").Done();
  return number;
}

void vaROR::EndObject(Composer& out) {
  out.Line("endobj").Done();
  AppendMarker("%FIN_OBJ/%");
  WriteBlock(str_Object);
}

void vaROR::OpenContent() {
  int number = BeginObject();
  Composer(str_Object)
      .Text("<< /Length ")
      .Ref(number + 1)
      .Line("")
      .Line(" >>")
      .Line("stream")
      .Done();
}

// The page's content goes to the file from its own buffer, which the next page reuses.
void vaROR::CloseContent() {
  WriteAhead(str_Object);
  WriteAhead(str_PageContent);
  const std::size_t length = str_PageContent.size();
  str_PageContent.clear();
  str_Object.clear();
  Composer(str_Object).Line("endstream").Line("endobj").Done();
  AppendMarker("%FIN_OBJ/%");
  WriteBlock(str_Object);
  BeginObject();
  Composer out(str_Object);
  out.Integer(static_cast<std::int64_t>(length)).Line("");
  EndObject(out);
}

void vaROR::PutHeader() { WriteBlock("%PDF-1.5"); }

void vaROR::PutInfo() {
  BeginObject();
  Composer out(str_Object);
  // A value that Windows-1252 holds is written in it, as always; any other in UTF-16.
  auto entry = [&out](const char* key, std::string_view value) {
    out.Text(key).Text(" ").TextString(value).Line("");
  };
  out.Line("<<");
  entry("/Producer", str_Producer);
  entry("/Author", str_Author);
  entry("/CreationDate", "D:" + PdfDate(host_.LocalTime()));
  entry("/Creator", str_Creator);
  entry("/Keywords", str_Keywords);
  entry("/Subject", str_Subject);
  entry("/Title", str_Title);
  out.Line("/ModDate ()").Line(">>");
  EndObject(out);
}

void vaROR::PutFonts() {
  for (const auto& name : tab_FontNames) PutFont(name);
}

void vaROR::PutFont(const std::string& name) {
  ++in_FontCount;
  tab_FontObjects.resize(static_cast<std::size_t>(in_FontCount) + 1);
  tab_FontObjects[static_cast<std::size_t>(in_FontCount)] = BeginObject();
  Composer out(str_Object);
  out.Line("<< /Type /Font").Line("/Subtype /Type1");
  out.Text("/Name /F").Integer(in_FontCount).Line("");
  out.Text("/BaseFont /").Line(BaseFontName(name));
  if (!HasBuiltInEncoding(name)) out.Line("/Encoding /WinAnsiEncoding");
  out.Line(">>");
  EndObject(out);
}

void vaROR::PutPages() {
  in_PagesObject = BeginObject();
  Composer out(str_Object);
  out.Line("<< /Type /Pages").Line("/Kids [");
  tab_PageContents.assign(static_cast<std::size_t>(in_PageCount) + 1, 0);
  for (int page = 1; page <= in_PageCount; ++page) {
    out.Ref(in_PagesObject + 1 + in_ImageCount + page).Line("");
    tab_PageContents[static_cast<std::size_t>(page)] = 2 * page;
  }
  out.Line("]").Text("/Count ").Integer(in_PageCount).Line("").Line(">>");
  EndObject(out);
}

void vaROR::PutResources() {
  in_ResourcesObject = BeginObject();
  Composer out(str_Object);
  out.Line("<< /ProcSet [ /PDF /Text /ImageC]").Line("/XObject << ");
  for (int image = 1; image <= in_ImageCount; ++image) {
    out.Text("/ImgJPEG").Integer(image).Text(" ").Ref(in_ResourcesObject + image).Line("");
  }
  out.Line(">>").Line("/Font << ");
  for (int font = 1; font <= in_FontCount; ++font) {
    out.Text("/F").Integer(font).Text(" ");
    out.Ref(tab_FontObjects[static_cast<std::size_t>(font)]).Line(" ");
  }
  for (std::size_t font = 1; font < tab_UnicodeObjects.size(); ++font) {
    out.Text("/U").Integer(static_cast<std::int64_t>(font)).Text(" ");
    out.Ref(tab_UnicodeObjects[font]).Line(" ");
  }
  out.Line(">>").Line(">>");
  EndObject(out);
}

void vaROR::PutPage(int page) {
  auto index = static_cast<std::size_t>(page);
  tab_PageObjects.resize(std::max(tab_PageObjects.size(), index + 1));
  tab_PageObjects[index] = BeginObject();
  // A page drawn without its own slot keeps the last slot's size.
  std::size_t slot = std::min(index, tab_PageWidth.size() - 1);
  Composer out(str_Object);
  out.Line("<< /Type /Page").Text("/Parent ").Ref(in_PagesObject).Line("");
  out.Text("/MediaBox [ 0 0 ").Plain(tab_PageWidth[slot]).Text(" ");
  out.Plain(tab_PageHeight[slot]).Line("]");
  out.Text("/Resources ").Ref(in_ResourcesObject).Line("");
  if (index < tab_Links.size() && !tab_Links[index].empty()) PutAnnotations(out, page);
  out.Text("/Contents ").Ref(2 * page).Line("").Line(">>");
  EndObject(out);
}

void vaROR::PutCatalog() {
  in_CatalogObject = BeginObject();
  Composer out(str_Object);
  out.Line("<<").Line("/Type /Catalog").Text("/Pages ").Ref(in_PagesObject).Line("");
  out.Text("/OpenAction [").Ref(tab_PageObjects[1]).Text(" ");
  switch (in_ZoomMode) {
    case 0: out.Line("/Fit]"); break;
    case 1: out.Line("/FitH null]"); break;
    case 2: out.Line("/XYZ null null 1]"); break;
    default: out.Text("/XYZ null null ").Number(in_ZoomMode / 100.0, 2).Line("]");
  }
  static const char* const kLayouts[] = {"/PageLayout /SinglePage", "/PageLayout /OneColumn",
                                         "/PageLayout /TwoColumnLeft"};
  if (in_LayoutMode >= 0 && in_LayoutMode <= 2) out.Line(kLayouts[in_LayoutMode]);
  // Without an outline root there is nothing to show or to reference. A catalog has one
  // page mode: the outline panel when both it and the thumbnails are asked for.
  const bool outline = boOutlines && in_OutlinesObject != 0;
  if (boThumbs && !outline) out.Line("/PageMode /UseThumbs");
  if (outline) {
    out.Text("/Outlines ").Ref(in_OutlinesObject).Line("").Line("/PageMode /UseOutlines");
  }
  out.Line(">>");
  EndObject(out);
}

void vaROR::PutXref() {
  int size = in_ObjectCount + 1;
  std::string table;
  Composer out(table);
  out.Line("xref").Text("0 ").Integer(size).Line("").Line("0000000000 65535 f");
  for (int object = 1; object < size; ++object) {
    out.Text(PadOffset(tab_Offsets[static_cast<std::size_t>(object)])).Line(" 00000 n");
  }
  out.Line("trailer").Text("<< /Size ").Integer(size).Line("");
  out.Text("/Root ").Ref(in_CatalogObject).Line("").Line("/Info 1 0 R").Line(">>");
  out.Line("startxref").Integer(tab_Offsets[static_cast<std::size_t>(size)]).Line("");
  out.Line("").Line("%%EOF").Done();
  obj_File.Write(table);
}

void vaROR::FinishFile() {
  auto fail = [this](const char* what, std::error_code why) {
    throw PdfError(PdfErrorCode::FileNotWritten, "Le fichier PDF « " + str_FilePath +
                                                     " » n'a pas pu être " + what + " : " +
                                                     platform::SystemReason(why) + ".");
  };
  if (const auto error = obj_File.Close()) fail("écrit", error);
  auto error = obj_File.Publish();
  if (error == std::errc::permission_denied) {
    // The reader may hold the earlier file: ask its window to close, then try once more.
    auto file_name = PathFromName(str_FileName).filename().string();
    host_.CloseReaderWindow("Adobe Reader - [" + file_name + "]");
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    error = obj_File.Publish();
  }
  if (error) fail("remplacé", error);
}

void vaROR::ShowCritical(const std::string& text, const std::string& topic) {
  host_.ShowMessage(text, topic + " - " + kVersion, platform::MessageIcon::Critical,
                    platform::MessageButtons::Ok);
}

// A code outside 0..last: the message gives the code and the value used instead.
std::int32_t vaROR::CheckedCode(std::int32_t code, std::int32_t last, std::int32_t fallback,
                                const char* reason, const char* instead, const char* topic) {
  if (code >= 0 && code <= last) return code;
  ShowCritical(reason + std::to_string(code) + ".\r\n" + instead, topic);
  return fallback;
}

void vaROR::RequireState(DocumentState wanted, const char* operation) const {
  if (in_DocumentState == wanted) return;
  const char* why = " : le document est déjà terminé (PDFInit en prépare un nouveau).";
  if (in_DocumentState == DocumentState::NotBegun) {
    why = " : le document n'est pas commencé (PDFBeginDoc n'a pas été appelé).";
  } else if (in_DocumentState == DocumentState::Open) {
    why = " : le document est déjà commencé.";
  }
  throw PdfError(PdfErrorCode::OutOfOrder, operation + std::string(why));
}

void vaROR::EnterState(DocumentState state) {
  in_DocumentState = state;
  boNoPageReported = false;
}

bool vaROR::PageIsOpen(const char* operation) {
  if (in_DocumentState == DocumentState::Open) return true;
  if (!boNoPageReported) {
    boNoPageReported = true;
    ShowCritical(
        std::string("Aucune page ouverte pour ") + operation + ".\r\n" + "L'opération est ignorée.",
        "Ordre des Opérations");
  }
  return false;
}

}  // namespace pdf
