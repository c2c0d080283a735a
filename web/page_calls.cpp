// SPDX-License-Identifier: EUPL-1.2
// Each call passes its arguments to the function of the same name of Module.page, the
// object the page's script gives the module when it starts it.
#include "web/page_calls.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>

namespace {

// clang-format off
EM_JS(void, JsWindow, (const char* caption, int width, int height), {
  Module.page.window(UTF8ToString(caption), width, height);
});
EM_JS(void, JsCreate, (int id, int parent, int kind, const char* control, int layer, int events), {
  Module.page.create(id, parent, kind, UTF8ToString(control), layer, events);
});
EM_JS(void, JsRemove, (int id), { Module.page.remove(id); });
EM_JS(void, JsGeometry, (int id, int left, int top, int width, int height), {
  Module.page.geometry(id, left, top, width, height);
});
EM_JS(void, JsText, (int id, const char* text), { Module.page.text(id, UTF8ToString(text)); });
EM_JS(void, JsChecked, (int id, int checked), { Module.page.checked(id, !!checked); });
EM_JS(void, JsVisible, (int id, int visible), { Module.page.visible(id, !!visible); });
EM_JS(void, JsEnabled, (int id, int enabled), { Module.page.enabled(id, !!enabled); });
EM_JS(void, JsColours, (int id, int fore, int back, int transparent), {
  Module.page.colours(id, fore >>> 0, back >>> 0, !!transparent);
});
EM_JS(void, JsFont, (int id, double points, int bold), { Module.page.font(id, points, !!bold); });
EM_JS(void, JsLayout, (int id, int alignment, int wrap, int locked, int tab_stop), {
  Module.page.layout(id, alignment, !!wrap, !!locked, !!tab_stop);
});
EM_JS(void, JsAccessible, (int id, const char* name, const char* description), {
  Module.page.accessible(id, UTF8ToString(name), UTF8ToString(description));
});
EM_JS(void, JsPicture, (int id, int width, int height, const char* svg), {
  Module.page.picture(id, width, height, UTF8ToString(svg));
});
EM_JS(void, JsLine, (int id, int x1, int y1, int x2, int y2, int width, int colour), {
  Module.page.line(id, x1, y1, x2, y2, width, colour >>> 0);
});
EM_JS(void, JsFocus, (int id), { Module.page.focus(id); });
EM_JS(void, JsCovered, (int id, int covered), { Module.page.covered(id, !!covered); });
EM_JS(void, JsCovering, (int covering), { Module.page.covering(!!covering); });
EM_JS(void, JsKeys, (int id, const char* tooltip, int access_key), {
  Module.page.keys(id, UTF8ToString(tooltip), access_key ? String.fromCharCode(access_key) : "");
});
EM_JS(void, JsReady, (), { Module.page.ready(); });

EM_ASYNC_JS(int, JsAsk,
            (const char* text, const char* title, int icon, const char* buttons, int focused), {
  return await Module.page.ask(UTF8ToString(text), UTF8ToString(title), icon,
                               UTF8ToString(buttons).split("\n"), focused);
});
EM_JS(void, JsBeep, (), { Module.page.beep(); });
EM_JS(double, JsTextWidth, (const char* text, double points, int bold), {
  return Module.page.textWidth(UTF8ToString(text), points, !!bold);
});
EM_JS(double, JsLineHeight, (double points, int bold), {
  return Module.page.lineHeight(points, !!bold);
});
EM_JS(int, JsScreenWidth, (), { return Module.page.screenWidth(); });
EM_JS(int, JsScreenHeight, (), { return Module.page.screenHeight(); });
EM_JS(void, JsOffer, (const char* name, const char* bytes, int size), {
  Module.page.offer(UTF8ToString(name), HEAPU8.slice(bytes, bytes + size));
});
EM_JS(void, JsHelp, (const char* title, const char* html, const char* close), {
  Module.page.help(UTF8ToString(title), UTF8ToString(html), UTF8ToString(close));
});
// Strings come back in memory the module allocates, which the caller frees.
EM_ASYNC_JS(char*, JsChooseFile, (const char* accept), {
  const name = await Module.page.chooseFile(UTF8ToString(accept));
  return name === null ? 0 : Module.page.newString(name);
});
EM_ASYNC_JS(char*, JsPdfKeywords, (const char* bytes, int size), {
  const answer = await Module.page.pdfKeywords(HEAPU8.slice(bytes, bytes + size));
  return Module.page.newString(answer);
});
// clang-format on

int Flag(bool value) { return value ? 1 : 0; }

std::string Taken(char* text) {
  const std::unique_ptr<char, decltype(&std::free)> owned(text, &std::free);
  return text ? std::string(text) : std::string();
}

}  // namespace

namespace page {

void Window(const std::string& caption, int width, int height) {
  JsWindow(caption.c_str(), width, height);
}
void Create(int id, int parent, Kind kind, const std::string& control, int layer, int events) {
  JsCreate(id, parent, static_cast<int>(kind), control.c_str(), layer, events);
}
void Remove(int id) { JsRemove(id); }
void Geometry(int id, int left, int top, int width, int height) {
  JsGeometry(id, left, top, width, height);
}
void Text(int id, const std::string& text) { JsText(id, text.c_str()); }
void Checked(int id, bool checked) { JsChecked(id, Flag(checked)); }
void Visible(int id, bool visible) { JsVisible(id, Flag(visible)); }
void Enabled(int id, bool enabled) { JsEnabled(id, Flag(enabled)); }
void Colours(int id, std::uint32_t fore, std::uint32_t back, bool transparent) {
  JsColours(id, static_cast<int>(fore), static_cast<int>(back), Flag(transparent));
}
void Font(int id, float points, bool bold) { JsFont(id, points, Flag(bold)); }
void Layout(int id, int alignment, bool wrap, bool locked, bool tab_stop) {
  JsLayout(id, alignment, Flag(wrap), Flag(locked), Flag(tab_stop));
}
void Accessible(int id, const std::string& name, const std::string& description) {
  JsAccessible(id, name.c_str(), description.c_str());
}
void Picture(int id, int width, int height, const std::string& svg) {
  JsPicture(id, width, height, svg.c_str());
}
void Line(int id, int x1, int y1, int x2, int y2, int width, std::uint32_t colour) {
  JsLine(id, x1, y1, x2, y2, width, static_cast<int>(colour));
}
void Focus(int id) { JsFocus(id); }
void Covered(int id, bool covered) { JsCovered(id, Flag(covered)); }
void Covering(bool covering) { JsCovering(Flag(covering)); }
void Keys(int id, const std::string& tooltip, char access_key) {
  JsKeys(id, tooltip.c_str(), access_key);
}
void Ready() { JsReady(); }

std::optional<int> Ask(const std::string& text, const std::string& title, int icon,
                       const std::vector<std::string>& buttons, int focused) {
  std::string labels;
  for (const std::string& button : buttons) labels += (labels.empty() ? "" : "\n") + button;
  const int pressed = JsAsk(text.c_str(), title.c_str(), icon, labels.c_str(), focused);
  if (pressed < 0) return std::nullopt;
  return pressed;
}
void Beep() { JsBeep(); }
double TextWidth(const std::string& text, float points, bool bold) {
  return JsTextWidth(text.c_str(), points, Flag(bold));
}
double LineHeight(float points, bool bold) { return JsLineHeight(points, Flag(bold)); }
int ScreenWidth() { return JsScreenWidth(); }
int ScreenHeight() { return JsScreenHeight(); }
void Offer(const std::string& name, const std::string& bytes) {
  JsOffer(name.c_str(), bytes.data(), static_cast<int>(bytes.size()));
}
void Help(const std::string& title, const std::string& html, const std::string& close) {
  JsHelp(title.c_str(), html.c_str(), close.c_str());
}
std::optional<std::string> ChooseFile(const std::string& accept) {
  char* name = JsChooseFile(accept.c_str());
  if (name == nullptr) return std::nullopt;
  return Taken(name);
}
std::string PdfKeywords(const std::string& bytes) {
  return Taken(JsPdfKeywords(bytes.data(), static_cast<int>(bytes.size())));
}

}  // namespace page
