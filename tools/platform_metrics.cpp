// Prints one row of docs/platform-metrics.md: what the plug-in itself
// measures on this platform at the default font (Arial, 48 px) - the base
// size of the hint text, as configuration writes it, and the texture of a
// 20-character CJK line, as the renderer sizes it.

#include <cstdio>
#include <memory>
#include <string>

#include "module/platform/gdiplus.h"
#include "module/scene_source/configure.h"
#include "module/scene_source/display_text.h"
#include "module/scene_source/texture_renderer.h"
#include "module/scene_source/thanks_source.h"
#include "standins/host_library/standin_host.h"

namespace {

constexpr char16_t kLine[] = u"感谢大老板送出的火箭祝您天天开心万事如意";
static_assert(sizeof kLine / sizeof kLine[0] == 21, "20 characters");

}  // namespace

int main() {
  // The host runs GDI+ for the plug-in; this program is the host.
  uintptr_t token = 0;
  if (gdiplus::Startup(&token) != gdiplus::Ok) return 1;
  const standin::HostOutput output;

  standin::SettingsElement element(u"data");
  MeasureBaseSize(&element);
  const std::unique_ptr<QuilloraThanksImage> source(static_cast<QuilloraThanksImage*>(CreateThanksSource(&element)));
  if (!source) return 1;
  DisplayText() = kLine;
  UpdateTexture(source.get());

  std::printf("| %s | %.2f x %.2f | %d x %d |\n", QUILLORA_METRICS_PLATFORM, element.GetFloat(u"baseSizeCX"),
              element.GetFloat(u"baseSizeCY"), source->textureSize.width, source->textureSize.height);
  return 0;
}
