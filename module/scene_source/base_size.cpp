// The base size of a source: the hint text's bounds in the source's font.

#include <mutex>
#include <string_view>

#include "module/bridge/shared_state_mutex.h"
#include "module/host_api/api.h"
#include "module/platform/gdiplus.h"
#include "module/platform/gdiplus_lock.h"
#include "module/platform/win32.h"
#include "module/scene_source/configure.h"
#include "module/scene_source/display_text.h"
#include "module/scene_source/drawing_settings.h"
#include "module/scene_source/font_description.h"
#include "module/scene_source/gdi_owners.h"
#include "module/scene_source/text_layout_format.h"

namespace {

constexpr const char16_t* kFontNotFoundKey = u"Sources.TextSource.FontNotFound";
// For a host without that text.
constexpr const char16_t* kFontNotFoundFallback = u"找不到字体“$1”。";

// The bounds of DefaultHintText in `description`'s font, or false when GDI+
// has no such font.
bool MeasureHintText(const win::LOGFONTW& description, gdiplus::RectF* bounds) {
  platform::GdiplusGuard lock;
  const OwnedDC dc(win::CreateCompatibleDC(nullptr));
  gdiplus::Font* created = nullptr;
  gdiplus::CreateFontFromLogfontW(dc.get(), &description, &created);
  const OwnedFont font(created);
  if (!font) return false;
  gdiplus::Graphics* graphics = nullptr;
  gdiplus::CreateFromHDC(dc.get(), &graphics);
  const OwnedGraphics measuring(graphics);
  const OwnedFormat format = CreateTextLayoutFormat();
  const gdiplus::RectF unbounded{0, 0, 0, 0};
  gdiplus::MeasureString(measuring.get(), DefaultHintText().Array(), -1, font.get(), &unbounded, format.get(), bounds);
  return true;
}

// The host answers a key it has no text for, or one that names a group of
// texts, with a marker text of its own.
bool IsLocalisedText(const char16_t* text) {
  if (!text || !*text) return false;
  const std::u16string_view answer(text);
  return answer != u"(string not found)" && answer != u"(lookup error)";
}

// Shown without holding the GDI+ lock: the message box waits for the user.
void ReportFontNotFound(const String& face) {
  const char16_t* localised = locale ? locale->LookupString(kFontNotFoundKey) : nullptr;
  String text(IsLocalisedText(localised) ? localised : kFontNotFoundFallback);
  text.FindReplace(u"$1", face.c_str());
  OBSMessageBox(nullptr, text.c_str(), nullptr, 0);
}

}  // namespace

void MeasureBaseSize(XElement* element) {
  if (!element) return;
  String face;
  int size = 0;
  win::LOGFONTW description;
  {
    std::lock_guard<std::mutex> lock(SharedStateMutex());
    face = Read(element, TextSetting("font"));
    size = Read(element, IntSetting("fontSize"));
    // Underline plays no part in the size.
    description =
        DescribeTextFont(face.IsValid() ? face.Array() : u"Arial", size, Read(element, IntSetting("bold")) != 0,
                         Read(element, IntSetting("italic")) != 0, false);
  }

  gdiplus::RectF bounds{0, 0, 0, 0};
  if (!MeasureHintText(description, &bounds)) {
    ReportFontNotFound(face);
    return;
  }
  const float height = static_cast<float>(size) > bounds.Height ? static_cast<float>(size) : bounds.Height;
  std::lock_guard<std::mutex> lock(SharedStateMutex());
  element->SetFloat(u"baseSizeCX", bounds.Width > 32.0f ? bounds.Width : 32.0f);
  element->SetFloat(u"baseSizeCY", height > 32.0f ? height : 32.0f);
}
