#include "standins/host_library/wide_format.h"

#include <cstdio>

#include "standins/host_library/standin_host.h"

namespace standin {

namespace {

// One number through the C formatter, appended as UTF-16.
template <class T>
void AppendPrinted(std::u16string& out, const char* format, T value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, value);
  for (const char* p = buffer; *p; ++p) out += static_cast<char16_t>(*p);
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
    const char16_t* start = p++;
    while (*p == u'l' || *p == u'h') ++p;
    switch (*p) {
      case u's': {
        const char16_t* text = va_arg(args, const char16_t*);
        out += text ? text : u"(null)";
        break;
      }
      case u'd':
      case u'i':
        AppendPrinted(out, "%d", va_arg(args, int));
        break;
      case u'u':
        AppendPrinted(out, "%u", va_arg(args, unsigned));
        break;
      case u'x':
        AppendPrinted(out, "%x", va_arg(args, unsigned));
        break;
      case u'X':
        AppendPrinted(out, "%X", va_arg(args, unsigned));
        break;
      case u'f':
        AppendPrinted(out, "%f", va_arg(args, double));
        break;
      case u'c':
        out += static_cast<char16_t>(va_arg(args, int));
        break;
      case u'%':
        out += u'%';
        break;
      default:
        out.append(start, static_cast<std::size_t>(p - start) + (*p ? 1 : 0));
        if (!*p) return out;
    }
  }
  return out;
}

}  // namespace standin
