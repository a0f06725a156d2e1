#include "platform/hostapi/wide_format.h"

#include <cstdio>

#include "platform/hostapi/standin_host.h"

namespace standin {

namespace {

void AppendAscii(std::u16string& out, const char* text) {
  while (*text) out += static_cast<char16_t>(*text++);
}

}  // namespace

std::u16string FormatWide(const char16_t* format, va_list args) {
  std::u16string out;
  if (!format) return out;
  for (const char16_t* p = format; *p; ++p) {
    if (*p != u'%') {
      out += *p;
      continue;
    }
    const char16_t* spec = p++;
    while (*p == u'l' || *p == u'h') ++p;
    char buffer[64];
    switch (*p) {
      case u's': {
        const char16_t* text = va_arg(args, const char16_t*);
        out += text ? text : u"(null)";
        break;
      }
      case u'd':
      case u'i':
        std::snprintf(buffer, sizeof buffer, "%d", va_arg(args, int));
        AppendAscii(out, buffer);
        break;
      case u'u':
        std::snprintf(buffer, sizeof buffer, "%u", va_arg(args, unsigned));
        AppendAscii(out, buffer);
        break;
      case u'x':
      case u'X':
        std::snprintf(buffer, sizeof buffer, *p == u'x' ? "%x" : "%X", va_arg(args, unsigned));
        AppendAscii(out, buffer);
        break;
      case u'f':
        std::snprintf(buffer, sizeof buffer, "%f", va_arg(args, double));
        AppendAscii(out, buffer);
        break;
      case u'c':
        out += static_cast<char16_t>(va_arg(args, int));
        break;
      case u'%':
        out += u'%';
        break;
      default:
        out.append(spec, static_cast<std::size_t>(p - spec) + (*p ? 1 : 0));
        if (!*p) return out;
    }
  }
  return out;
}

}  // namespace standin
