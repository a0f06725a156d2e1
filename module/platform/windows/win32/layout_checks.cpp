// The adapters hand our structures and constants straight to user32 and
// gdi32, so they must be the real ones bit for bit. Our constants are read
// before <windows.h> turns their names into macros.

#include "module/platform/win32.h"

namespace ours {

constexpr win::UINT kMessages[] = {win::WM_DESTROY, win::WM_CLOSE, win::WM_QUIT, win::WM_COPYDATA, win::WM_USER};
constexpr win::UINT kClassStyles[] = {win::CS_VREDRAW, win::CS_HREDRAW};
constexpr win::DWORD kWindowStyles[] = {win::WS_OVERLAPPEDWINDOW, win::WS_HSCROLL, win::WS_VSCROLL};
constexpr int kUseDefault = win::CW_USEDEFAULT;
constexpr win::UINT kPeek[] = {win::PM_NOREMOVE, win::PM_REMOVE};
constexpr win::UINT kAnsiCodePage = win::CP_ACP;
constexpr int kBlackBrush = win::BLACK_BRUSH;
constexpr win::DWORD kErrors[] = {win::ERROR_CLASS_ALREADY_EXISTS, win::ERROR_INVALID_WINDOW_HANDLE};

}  // namespace ours

#include <windows.h>

#include "module/platform/windows/abi_checks.h"

#define SAME_FIELD(ours, real, field) ABI_SAME_FIELD(win::ours, ::real, field)
#define SAME_SIZE(ours, real) ABI_SAME_SIZE(win::ours, ::real)

SAME_SIZE(WNDCLASSW, WNDCLASSW);
SAME_FIELD(WNDCLASSW, WNDCLASSW, style);
SAME_FIELD(WNDCLASSW, WNDCLASSW, lpfnWndProc);
SAME_FIELD(WNDCLASSW, WNDCLASSW, cbClsExtra);
SAME_FIELD(WNDCLASSW, WNDCLASSW, cbWndExtra);
SAME_FIELD(WNDCLASSW, WNDCLASSW, hInstance);
SAME_FIELD(WNDCLASSW, WNDCLASSW, hIcon);
SAME_FIELD(WNDCLASSW, WNDCLASSW, hCursor);
SAME_FIELD(WNDCLASSW, WNDCLASSW, hbrBackground);
SAME_FIELD(WNDCLASSW, WNDCLASSW, lpszMenuName);
SAME_FIELD(WNDCLASSW, WNDCLASSW, lpszClassName);

SAME_SIZE(COPYDATASTRUCT, COPYDATASTRUCT);
SAME_FIELD(COPYDATASTRUCT, COPYDATASTRUCT, dwData);
SAME_FIELD(COPYDATASTRUCT, COPYDATASTRUCT, cbData);
SAME_FIELD(COPYDATASTRUCT, COPYDATASTRUCT, lpData);

SAME_SIZE(POINT, POINT);
SAME_SIZE(MSG, MSG);
SAME_FIELD(MSG, MSG, hwnd);
SAME_FIELD(MSG, MSG, message);
SAME_FIELD(MSG, MSG, wParam);
SAME_FIELD(MSG, MSG, lParam);
SAME_FIELD(MSG, MSG, time);
SAME_FIELD(MSG, MSG, pt);

// Every field of both fonts, which differ only in the face name's type, and
// of the bitmap header.
// clang-format off
#define LOGFONT_FIELDS(X)                                                                    \
  X(lfHeight) X(lfWidth) X(lfEscapement) X(lfOrientation) X(lfWeight) X(lfItalic)            \
  X(lfUnderline) X(lfStrikeOut) X(lfCharSet) X(lfOutPrecision) X(lfClipPrecision)            \
  X(lfQuality) X(lfPitchAndFamily) X(lfFaceName)
// clang-format on
#define LOGFONTW_FIELD(field) SAME_FIELD(LOGFONTW, LOGFONTW, field);
#define LOGFONTA_FIELD(field) SAME_FIELD(LOGFONTA, LOGFONTA, field);
SAME_SIZE(LOGFONTW, LOGFONTW);
SAME_SIZE(LOGFONTA, LOGFONTA);
LOGFONT_FIELDS(LOGFONTW_FIELD)
LOGFONT_FIELDS(LOGFONTA_FIELD)

// clang-format off
#define BITMAPINFOHEADER_FIELDS(X)                                                           \
  X(biSize) X(biWidth) X(biHeight) X(biPlanes) X(biBitCount) X(biCompression)                \
  X(biSizeImage) X(biXPelsPerMeter) X(biYPelsPerMeter) X(biClrUsed) X(biClrImportant)
// clang-format on
#define BITMAPINFOHEADER_FIELD(field) SAME_FIELD(BITMAPINFOHEADER, BITMAPINFOHEADER, field);
SAME_SIZE(BITMAPINFOHEADER, BITMAPINFOHEADER);
BITMAPINFOHEADER_FIELDS(BITMAPINFOHEADER_FIELD)
SAME_SIZE(RGBQUAD, RGBQUAD);
SAME_SIZE(BITMAPINFO, BITMAPINFO);
SAME_FIELD(BITMAPINFO, BITMAPINFO, bmiColors);

// Handles, text and the window procedure convert as pointers, and the window
// procedure is called with the system's convention.
static_assert(sizeof(win::WCHAR) == sizeof(WCHAR));
static_assert(sizeof(win::WPARAM) == sizeof(WPARAM) && sizeof(win::LPARAM) == sizeof(LPARAM));
static_assert(sizeof(win::LRESULT) == sizeof(LRESULT) && sizeof(win::WNDPROC) == sizeof(WNDPROC));
static_assert(platform::windows::SameConvention(win::WNDPROC{}, ::WNDPROC{}), "WNDPROC convention");
static_assert(sizeof(win::DWORD) == sizeof(DWORD) && sizeof(win::LONG) == sizeof(LONG));

static_assert(ours::kMessages[0] == WM_DESTROY && ours::kMessages[1] == WM_CLOSE && ours::kMessages[2] == WM_QUIT &&
              ours::kMessages[3] == WM_COPYDATA && ours::kMessages[4] == WM_USER);
static_assert(ours::kClassStyles[0] == CS_VREDRAW && ours::kClassStyles[1] == CS_HREDRAW);
static_assert(ours::kWindowStyles[0] == WS_OVERLAPPEDWINDOW && ours::kWindowStyles[1] == WS_HSCROLL &&
              ours::kWindowStyles[2] == WS_VSCROLL);
static_assert(ours::kUseDefault == CW_USEDEFAULT);
static_assert(ours::kPeek[0] == PM_NOREMOVE && ours::kPeek[1] == PM_REMOVE);
static_assert(ours::kAnsiCodePage == CP_ACP && ours::kBlackBrush == BLACK_BRUSH);
static_assert(ours::kErrors[0] == ERROR_CLASS_ALREADY_EXISTS && ours::kErrors[1] == ERROR_INVALID_WINDOW_HANDLE);
