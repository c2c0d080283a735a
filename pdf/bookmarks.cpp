// SPDX-License-Identifier: EUPL-1.2
// Bookmarks: recorded while the pages are drawn, written after the page objects as the
// outline tree that the reader shows in its bookmark panel.
#include <algorithm>
#include <optional>

#include "pdf/format.h"
#include "pdf/vaROR.h"

namespace pdf {
namespace {

// Neighbours of one outline item, as bookmark indexes; no parent means the outline root.
struct OutlineLinks {
  std::optional<int> parent, prev, next, first, last;
};

// Each level is at most one below the level before it, and the first is 0.
std::vector<OutlineLinks> LinkOutline(const std::vector<int>& levels) {
  std::vector<OutlineLinks> links(levels.size());
  std::vector<int> last_at_level;  // the last bookmark seen at each level down to the current
  for (int i = 0; i < static_cast<int>(levels.size()); ++i) {
    const auto level = static_cast<std::size_t>(levels[static_cast<std::size_t>(i)]);
    OutlineLinks& item = links[static_cast<std::size_t>(i)];
    if (level > 0) {
      item.parent = last_at_level[level - 1];
      OutlineLinks& parent = links[static_cast<std::size_t>(*item.parent)];
      if (!parent.first) parent.first = i;
      parent.last = i;
    }
    if (level < last_at_level.size()) {
      item.prev = last_at_level[level];
      links[static_cast<std::size_t>(*item.prev)].next = i;
    }
    last_at_level.resize(level);
    last_at_level.push_back(i);
  }
  return links;
}

// The /Parent line and those of the neighbours that exist; bookmark i is object first + i.
void PutLinkLines(Composer& out, const OutlineLinks& links, int first, int root) {
  out.Text("/Parent ").Ref(links.parent ? first + *links.parent : root).Line("");
  for (const auto& [key, index] : {std::pair{"/Prev ", links.prev},
                                   {"/Next ", links.next},
                                   {"/First ", links.first},
                                   {"/Last ", links.last}}) {
    if (index) out.Text(key).Ref(first + *index).Line("");
  }
}

}  // namespace

void vaROR::PDFSetBookmark(const std::string& str_Text, int iLevel, double Y) {
  if (Y == -1) Y = in_Y;
  // A bookmark deeper than its place allows goes one level below the one before it.
  const int deepest = tab_Bookmarks.empty() ? 0 : tab_Bookmarks.back().level + 1;
  // Converted now: a later change of unit must not move the destination.
  tab_Bookmarks.push_back({str_Text, std::clamp(iLevel, 0, deepest),
                           Y * in_Scale, std::max(in_PageCount, 1)});
}

void vaROR::PutOutlines() {
  in_OutlinesObject = 0;
  if (tab_Bookmarks.empty()) return;
  std::vector<int> levels;
  for (const Bookmark& bookmark : tab_Bookmarks) levels.push_back(bookmark.level);
  const std::vector<OutlineLinks> links = LinkOutline(levels);
  const int first = in_ObjectCount + 1;
  const int root = first + static_cast<int>(tab_Bookmarks.size());
  for (std::size_t i = 0; i < tab_Bookmarks.size(); ++i) {
    const Bookmark& bookmark = tab_Bookmarks[i];
    const auto page = static_cast<std::size_t>(bookmark.page);
    const double page_height = tab_PageHeight[std::min(page, tab_PageHeight.size() - 1)];
    BeginObject();
    Composer out(str_Object);
    out.Text("<</Title ").TextString(bookmark.title).Line("");
    PutLinkLines(out, links[i], first, root);
    out.Text("/Dest [").Ref(tab_PageObjects[page]).Text(" /XYZ 0 ");
    out.Number(page_height - bookmark.y, 2).Line(" null]").Line("/Count 0>>");
    EndObject(out);
  }
  const auto last_top = std::find(levels.rbegin(), levels.rend(), 0) - levels.rbegin();
  in_OutlinesObject = BeginObject();
  Composer out(str_Object);
  out.Text("<</Type /Outlines /First ").Ref(first).Line("");
  out.Text("/Last ").Ref(root - 1 - static_cast<int>(last_top)).Line(">>");
  EndObject(out);
}

}  // namespace pdf
