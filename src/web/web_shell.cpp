#include "web/web_shell.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace tova {
namespace {

// The page's side, in site/tova.js: each call names the control by its name. A call the program
// waits for answers as a refusal (Cancel, no text, no file, not stored) when the page fails, so
// that the program always goes on.
EM_JS(void, JsEnable, (const char* name, int enabled), { Tova.enable(UTF8ToString(name), enabled !== 0); });
EM_JS(void, JsShow, (const char* name, int visible), { Tova.show(UTF8ToString(name), visible !== 0); });
EM_JS(void, JsBackColour, (const char* name, int rgb), { Tova.backColour(UTF8ToString(name), rgb); });
EM_JS(void, JsSetText, (const char* name, const char* text), {
  Tova.setText(UTF8ToString(name), UTF8ToString(text));
});
EM_JS(int, JsValue, (const char* name), { return Tova.value(UTF8ToString(name)); });
EM_JS(void, JsSetValue, (const char* name, int value), { Tova.setValue(UTF8ToString(name), value); });
EM_JS(void, JsBeep, (), { Tova.beep(); });
EM_JS(void, JsPaint, (const char* name), { Tova.paint(UTF8ToString(name)); });
EM_ASYNC_JS(int, JsMessageBox, (const char* text, const char* title, int okCancel, int question), {
  return Tova.safely(() => Tova.messageBox(UTF8ToString(text), UTF8ToString(title), okCancel !== 0,
                                          question !== 0), 0);
});
// A string the page made with _malloc, or 0 for none.
EM_ASYNC_JS(char*, JsPrompt, (const char* prompt, const char* title, const char* preset), {
  return Tova.safely(async () => Tova.newString(await Tova.prompt(UTF8ToString(prompt), UTF8ToString(title),
                                                                  UTF8ToString(preset))), 0);
});
EM_ASYNC_JS(char*, JsOpenDialog, (const char* field), {
  return Tova.safely(async () => Tova.newString(await Tova.openDialog(UTF8ToString(field))), 0);
});
// Downloads the bytes under the name; 0 when the page could not.
EM_JS(int, JsOfferFile, (const char* name, const char* bytes, int size), {
  try {
    return Tova.offerFile(UTF8ToString(name), HEAPU8.slice(bytes, bytes + size)) ? 1 : 0;
  } catch (e) {
    return 0;
  }
});
EM_JS(void, JsClearClipboard, (), { Tova.clearClipboard(); });
// Pixels in the page's byte order.
EM_JS(void, JsPutClipboard, (const uint32_t* pixels, int width, int height), {
  Tova.putClipboard(pixels, width, height);
});
// The clipboard's picture in a buffer the page made with _malloc: width, height, then pixels in
// the page's byte order.
EM_ASYNC_JS(uint32_t*, JsClipboardPicture, (), { return Tova.safely(() => Tova.clipboardPicture(), 0); });
// 1 once the browser has stored the drawing, 0 when it refuses.
EM_ASYNC_JS(int, JsStore, (const char* path, const char* bytes, int size), {
  const copy = HEAPU8.slice(bytes, bytes + size);  // before the program's memory can move
  return Tova.safely(async () => (await Tova.store(UTF8ToString(path), copy)) ? 1 : 0, 0);
});
// Synchronous, so that the copy is kept before the event is over; a page that fails stops nothing.
EM_JS(void, JsKeepRecovery, (const char* bytes, int size), {
  try {
    TovaRecovery.keep(HEAPU8.subarray(bytes, bytes + size));
  } catch (e) {
    /* no copy kept */
  }
});
EM_JS(void, JsOpenHelp, (const char* path), { Tova.openHelp(UTF8ToString(path)); });
EM_JS(void, JsEnd, (), { Tova.end(); });

std::string Name(Control control) { return std::string(ControlName(control)); }

std::string Take(char* text) {
  if (text == nullptr) return {};
  std::string s(text);
  std::free(text);
  return s;
}

}  // namespace

void WebShell::Enable(Control control, bool enabled) { JsEnable(Name(control).c_str(), enabled); }
void WebShell::Show(Control control, bool visible) { JsShow(Name(control).c_str(), visible); }
void WebShell::SetBackColour(Control control, Rgb colour) {
  JsBackColour(Name(control).c_str(), static_cast<int>(colour & 0xFFFFFF));
}
void WebShell::SetText(Control control, std::string_view text) {
  JsSetText(Name(control).c_str(), std::string(text).c_str());
}
int16_t WebShell::Value(Control control) const { return static_cast<int16_t>(JsValue(Name(control).c_str())); }
void WebShell::SetValue(Control control, int16_t value) { JsSetValue(Name(control).c_str(), value); }
void WebShell::Beep() { JsBeep(); }

void WebShell::Present(Control pictureBox, int pauseMs) {
  JsPaint(Name(pictureBox).c_str());
  emscripten_sleep(static_cast<unsigned>(pauseMs > 0 ? pauseMs : 0));
}

Answer WebShell::MessageBox(std::string_view text, std::string_view title, Buttons buttons, Icon icon) {
  const int ok = JsMessageBox(std::string(text).c_str(), std::string(title).c_str(),
                              buttons == Buttons::OkCancel, icon == Icon::Question);
  return ok != 0 || buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

std::string WebShell::PromptText(std::string_view prompt, std::string_view title, std::string_view preset) {
  return Take(JsPrompt(std::string(prompt).c_str(), std::string(title).c_str(), std::string(preset).c_str()));
}

std::optional<std::string> WebShell::OpenFileDialog(std::string_view fileNameField) {
  char* chosen = JsOpenDialog(std::string(fileNameField).c_str());
  if (chosen == nullptr) return std::nullopt;
  return Take(chosen);
}

void WebShell::ClearClipboard() { JsClearClipboard(); }

void WebShell::PutClipboardPicture(const Image& picture) {
  if (picture.Empty()) return;
  std::vector<uint32_t> pixels(picture.pixels.size());
  std::transform(picture.pixels.begin(), picture.pixels.end(), pixels.begin(), SwapRedBlue);
  JsPutClipboard(pixels.data(), picture.width, picture.height);
}

Image WebShell::ClipboardPicture() {
  uint32_t* buffer = JsClipboardPicture();
  if (buffer == nullptr) return {};
  Image picture{static_cast<int>(buffer[0]), static_cast<int>(buffer[1]), {}};
  picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height);
  std::transform(buffer + 2, buffer + 2 + picture.pixels.size(), picture.pixels.begin(), SwapRedBlue);
  std::free(buffer);
  return picture;
}

// A drawing is stored as one record, whole, in one transaction: the one stored before under its
// name stays as it was unless the browser has committed the new one.
bool WebShell::SaveFile(std::string_view path, std::string_view bytes) {
  return JsStore(std::string(path).c_str(), bytes.data(), static_cast<int>(bytes.size())) != 0;
}

void WebShell::StoreRecoveryCopy(std::string_view bytes) {
  JsKeepRecovery(bytes.data(), static_cast<int>(bytes.size()));
}

void WebShell::OpenHelpPage(std::string_view path) { JsOpenHelp(std::string(path).c_str()); }
std::string WebShell::ProgramFolder() { return "."; }
void WebShell::EndProgram() { JsEnd(); }

double WebShell::Clock() { return emscripten_get_now() / 1000; }

bool WebShell::OfferFile(std::string_view suggestedName, std::string_view bytes) {
  return JsOfferFile(std::string(suggestedName).c_str(), bytes.data(), static_cast<int>(bytes.size())) != 0;
}

}  // namespace tova
