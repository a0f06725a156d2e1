#include "module/scene_source/font_description.h"

#include "module/host_api/string.h"

namespace {

constexpr win::LONG kWeightBold = 700;
constexpr win::BYTE kAntialiasedQuality = 4;
constexpr unsigned kFaceChars = 31;

}  // namespace

win::LOGFONTW DescribeTextFont(const char16_t* face, int32_t height, bool bold, bool italic, bool underline) {
  win::LOGFONTW description{};
  description.lfHeight = height;
  description.lfWeight = bold ? kWeightBold : 0;
  description.lfItalic = italic ? 1 : 0;
  description.lfUnderline = underline ? 1 : 0;
  description.lfQuality = kAntialiasedQuality;
  scpy_n(description.lfFaceName, face, kFaceChars);
  return description;
}
