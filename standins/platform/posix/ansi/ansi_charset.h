#pragma once

namespace standin {

// The iconv name of the code page CP_ACP stands for: "GBK" (Windows 936) for
// a Chinese (mainland) locale, "CP1252" for any other. Chosen once, from the
// locale the process runs in, and fixed from then on like the Windows ANSI
// code page.
const char* AnsiCharset();

}  // namespace standin
