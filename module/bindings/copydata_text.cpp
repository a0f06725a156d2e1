#include "module/bindings/copydata_text.h"

#include <cstring>

#include "module/bridge/using_ascii.h"
#include "module/host_api/alloc.h"

namespace {

// ANSI text in the system code page, up to its first zero byte or cbData.
String DecodeAnsi(const char* bytes, uint32_t size) {
  const void* zero = std::memchr(bytes, 0, size);
  const int length = static_cast<int>(zero ? static_cast<const char*>(zero) - bytes : size);
  if (length == 0) return String(u"");
  const int units = win::MultiByteToWideChar(win::CP_ACP, 0, bytes, length, nullptr, 0);
  if (units <= 0) return String(u"");
  const std::size_t bytes_needed = (static_cast<std::size_t>(units) + 1) * sizeof(char16_t);
  auto* buffer = static_cast<char16_t*>(MainAllocator->AllocateBlock(bytes_needed));
  if (!buffer) return String(u"");
  std::memset(buffer, 0, bytes_needed);
  win::MultiByteToWideChar(win::CP_ACP, 0, bytes, length, buffer, units);
  String text(buffer);
  MainAllocator->FreeBlock(buffer);
  return text;
}

// UTF-16 text up to its first null unit or cbData; a text that fills the
// payload with no null unit loses its last character, as senders that
// count the terminator in cbData expect.
String DecodeUtf16(const unsigned char* bytes, uint32_t size) {
  uint32_t units = 0;
  while (units < size / 2 && (bytes[2 * units] || bytes[2 * units + 1])) ++units;
  // Copied out: the payload need not be aligned or terminated.
  const std::size_t bytes_needed = (std::size_t{units} + 1) * sizeof(char16_t);
  auto* buffer = static_cast<char16_t*>(MainAllocator->AllocateBlock(bytes_needed));
  if (!buffer) return String(u"");
  std::memcpy(buffer, bytes, std::size_t{units} * sizeof(char16_t));
  buffer[units] = 0;
  String text(buffer);
  MainAllocator->FreeBlock(buffer);
  // At most (cbData - 1) / 2 units stay. Only a longer text is cut: the
  // host's Left gives nothing at all for a count beyond the length.
  const int32_t keep = (static_cast<int32_t>(size) - 1) / 2;
  if (keep >= 1 && static_cast<unsigned>(keep) < text.Length()) text = text.Left(static_cast<unsigned>(keep));
  return text;
}

}  // namespace

String DecodeCopyDataText(const win::COPYDATASTRUCT& data) {
  if (!data.lpData || data.cbData == 0) return String(u"");
  if (UsingAscii == 1) return DecodeAnsi(static_cast<const char*>(data.lpData), data.cbData);
  return DecodeUtf16(static_cast<const unsigned char*>(data.lpData), data.cbData);
}
