// SPDX-License-Identifier: EUPL-1.2
// What the C++ side asks of the page's script (web/page/page.js): elements to create and
// update, dialogs, measures, files given to the user. Strings are UTF-8. Lengths and
// positions are twips unless said otherwise; the page scales twips to its width.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace page {

// The element kinds, in the order of window::Kind.
enum class Kind { Label, TextBox, CheckBox, Panel, Frame, Button, Shape, Image, PictureBox, Line };

// The window: its caption (the page's title) and its client area, which the page fits to
// its own size.
void Window(const std::string& caption, int width, int height);
// The user's actions an element passes on, as a sum of these.
enum Events { kClick = 1, kKeys = 2, kMouse = 4 };
// Element `id` inside element `parent` (0: the window), showing control `control`
// ("ADV(5)", "TxtNom"), painted above the elements of lower `layer`.
void Create(int id, int parent, Kind kind, const std::string& control, int layer, int events);
void Remove(int id);
void Geometry(int id, int left, int top, int width, int height);
// Caption, text or button label; runs of line breaks are kept.
void Text(int id, const std::string& text);
void Checked(int id, bool checked);
void Visible(int id, bool visible);
void Enabled(int id, bool enabled);
// Colours as 0xBBGGRR; a transparent element shows its container through.
void Colours(int id, std::uint32_t fore, std::uint32_t back, bool transparent);
void Font(int id, float points, bool bold);
// Alignment 0 left, 1 centre, 2 right; a wrapped text breaks its lines at the box's width; a
// locked field is read-only; a text that is a tab stop takes the focus.
void Layout(int id, int alignment, bool wrap, bool locked, bool tab_stop);
// What assistive technologies say: a name (empty: the element's text) and a description.
void Accessible(int id, const std::string& name, const std::string& description);
// The picture of a picture box, as SVG elements in its pixels.
void Picture(int id, int width, int height, const std::string& svg);
void Line(int id, int x1, int y1, int x2, int y2, int width, std::uint32_t colour);
void Focus(int id);
// A control under a panel: out of the keyboard's and the screen reader's reach.
void Covered(int id, bool covered);
// A panel came over the grid: the page keeps the focused element; the last one went: the
// page gives it the focus back.
void Covering(bool covering);
// The keys that act on the element, for its tooltip, and the letter that presses it with Alt
// (0: none), underlined in its caption.
void Keys(int id, const std::string& tooltip, char access_key);
// The first refresh is done: the grid takes the user's actions.
void Ready();

// Host services.
// A modal dialog, the focus on button `focused`; the index of the button pressed, or nothing
// when it was closed.
std::optional<int> Ask(const std::string& text, const std::string& title, int icon,
                       const std::vector<std::string>& buttons, int focused);
void Beep();
// Width and line height of a text in the window's font, in CSS pixels.
double TextWidth(const std::string& text, float points, bool bold);
double LineHeight(float points, bool bold);
int ScreenWidth();   // CSS pixels
int ScreenHeight();  // CSS pixels
// The bytes of a file written for the user: downloaded under `name`, and shown.
void Offer(const std::string& name, const std::string& bytes);
// A window of help: a title, an HTML document, a button that closes it.
void Help(const std::string& title, const std::string& html, const std::string& close);
// A file chosen by the user among those `accept` names (".pdf"), copied into the in-memory
// file system; its name there, or nothing when the user gave up.
std::optional<std::string> ChooseFile(const std::string& accept);
// A PDF's document information keywords, read by the browser's PDF reader: 'L' and the
// keywords when it read them, 'P' when a password is needed, 'E' when it cannot read the file.
std::string PdfKeywords(const std::string& bytes);

}  // namespace page
