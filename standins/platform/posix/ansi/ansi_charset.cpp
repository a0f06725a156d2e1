#include "standins/platform/posix/ansi/ansi_charset.h"

#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

struct LocaleFacts {
  std::string name;     // e.g. "zh_CN.UTF-8"
  std::string codeset;  // e.g. "UTF-8", "GBK"
};

bool IsDefaultLocale(std::string_view name) { return name == "C" || name == "POSIX"; }

// The name setlocale(LC_CTYPE, "") resolves to, by POSIX precedence.
std::string EnvironmentLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return "C";
}

// The locale the program selected, or, while it still runs in the default C
// locale, the one its environment names. The environment's locale is read
// through newlocale: calling setlocale here would change the locale of the
// whole program behind its back, and would race with its other threads.
LocaleFacts ProcessLocale() {
  const char* selected = setlocale(LC_CTYPE, nullptr);
  if (selected != nullptr && !IsDefaultLocale(selected)) return {selected, nl_langinfo(CODESET)};
  locale_t environment = newlocale(LC_CTYPE_MASK, "", locale_t{});
  if (environment == locale_t{}) return {"C", "ANSI_X3.4-1968"};  // names a locale not installed
  LocaleFacts facts{EnvironmentLocaleName(), nl_langinfo_l(CODESET, environment)};
  freelocale(environment);
  return facts;
}

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
  return text;
}

// Windows gives Chinese (mainland) code page 936 whatever the encoding the
// locale uses here; a locale encoded in a GB charset is Chinese too.
bool IsChinese(const LocaleFacts& locale) {
  const std::string codeset = Upper(locale.codeset);
  return locale.name.starts_with("zh_CN") || codeset == "GBK" || codeset == "GB2312" || codeset == "GB18030";
}

}  // namespace

namespace standin {

const char* AnsiCharset() {
  static const char* const charset = IsChinese(ProcessLocale()) ? "GBK" : "CP1252";
  return charset;
}

}  // namespace standin
