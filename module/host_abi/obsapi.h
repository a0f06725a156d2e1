// The host's API library (OBSApi.dll, built by MSVC 2013) as its own headers
// declare it: the same names, types, const-ness, calling conventions, class
// layouts and virtual slot order, so that clang in MSVC mode
// (i686/x86_64-pc-windows-msvc) produces the decorated names the DLL exports
// and calls its objects the way MSVC laid them out.
//
// Freestanding: no CRT and no C++ library headers. Only what the module uses
// is declared; classes the module never derives from or constructs end after
// the last slot it calls.
//
// Imports are marked member by member (OBSAPI), never on a whole class: the
// header-inline members below then always compile into the module, at any
// optimisation level, instead of being called through the DLL under names it
// may not export. Those inline members do what the host's own inline forms do,
// through the exported helpers (sfix, slen, ValidIntString,
// tstring_base_to_int).
#pragma once

#if !defined(_MSC_VER) || !defined(_WIN32)
#error "module/host_abi/obsapi.h is compiled only for an MSVC target (clang --target=*-pc-windows-msvc)"
#endif

// A stand-in OBSApi.dll defines OBSAPI_DEFINING: it defines what the module
// imports, and its linker exports them by the .def.
#ifdef OBSAPI_DEFINING
#define OBSAPI
#else
#define OBSAPI __declspec(dllimport)
#endif

typedef decltype(sizeof(0)) size_t;
typedef unsigned int UINT;
typedef unsigned long DWORD;
typedef int BOOL;
typedef unsigned char BYTE;
typedef void* LPVOID;
typedef void* HANDLE;
typedef wchar_t TCHAR;
typedef wchar_t* TSTR;
typedef const wchar_t* CTSTR;
typedef const wchar_t* CWSTR;
typedef const wchar_t* LPCTSTR;
typedef const char* LPCSTR;

struct HWND__;
typedef HWND__* HWND;
struct HINSTANCE__;
typedef HINSTANCE__* HINSTANCE;
struct HDC__;
typedef HDC__* HDC;

// Text helpers; the x86 build's __stdcall is part of their names.
OBSAPI UINT __stdcall slen(const TCHAR* strSrc);
OBSAPI void __stdcall scpy_n(TCHAR* strDest, const TCHAR* strSrc, unsigned int n);
OBSAPI TCHAR* __stdcall sfix(TCHAR* str);
OBSAPI BOOL __stdcall ValidIntString(CTSTR lpStr);
OBSAPI int __cdecl tstring_base_to_int(const TCHAR* nptr, TCHAR** endptr, int base);

// The host's own growable array: a pointer and a count, no vtable.
template <typename T>
class List {
  T* array;
  unsigned int num;
};

// Wide text whose buffer belongs to the host's allocator; released by the
// exported destructor. No move members: the host has none.
class String {
  TSTR lpString;
  unsigned int curLength;

 public:
  OBSAPI String();
  OBSAPI String(CWSTR str);
  OBSAPI String(LPCSTR str);  // UTF-8
  OBSAPI String(const String& str);
  OBSAPI ~String();

  OBSAPI String& operator=(CTSTR str);
  OBSAPI String& operator=(const String& str);

  OBSAPI String& operator<<(CTSTR str);
  OBSAPI String& operator<<(TCHAR ch);
  OBSAPI String& operator<<(int number);
  OBSAPI String& operator<<(unsigned int number);
  OBSAPI String& operator<<(const String& str);

  OBSAPI String operator+(CTSTR str) const;
  OBSAPI String operator+(TCHAR ch) const;
  OBSAPI String operator+(int number) const;
  OBSAPI String operator+(unsigned int number) const;
  OBSAPI String operator+(const String& str) const;

  OBSAPI BOOL Compare(CTSTR str) const;
  OBSAPI BOOL CompareI(CTSTR str) const;

  OBSAPI String GetToken(int id, TCHAR token = L' ') const;
  OBSAPI CTSTR GetTokenOffset(int token, TCHAR separator = L' ') const;
  OBSAPI String Left(UINT iEnd);
  OBSAPI String& FindReplace(CTSTR strFind, CTSTR strReplace);

  TSTR Array() const { return lpString; }
  UINT Length() const { return curLength; }
  BOOL IsEmpty() const { return !lpString || !*lpString || !curLength; }

  String& KillSpaces() {
    if (lpString) curLength = slen(sfix(lpString));
    return *this;
  }
  int ToInt(int base = 10) const {
    return lpString && ValidIntString(lpString) ? tstring_base_to_int(lpString, nullptr, base) : 0;
  }
};

class XConfig;

// The settings tree's nodes. Only the destructor is virtual; every accessor
// is an exported member called directly.
class XBaseItem {
 protected:
  String strName;
  int type;

  virtual ~XBaseItem() {}
};

class XElement : public XBaseItem {
  // The host's own fields: here for the layout.
  [[maybe_unused]] XConfig* file;
  [[maybe_unused]] XElement* parent;
  [[maybe_unused]] List<XBaseItem*> SubItems;

 public:
  OBSAPI CTSTR GetString(CTSTR lpName, TSTR def = nullptr) const;
  OBSAPI int GetInt(CTSTR lpName, int def = 0) const;
  OBSAPI float GetFloat(CTSTR lpName, float def = 0.0f) const;
  OBSAPI void SetString(CTSTR lpName, CTSTR lpString);
  OBSAPI void SetInt(CTSTR lpName, int number);
  OBSAPI void SetFloat(CTSTR lpName, float number);
  OBSAPI XElement* GetElement(CTSTR lpName) const;
  OBSAPI XElement* CreateElement(CTSTR lpName);

 protected:
  ~XElement();
};

struct Vect;
struct Vect4;
struct Matrix;

struct Vect2 {
  union {
    struct {
      float x, y;
    };
    float ptr[2];
  };

  Vect2() {}  // uninitialised, as the host's
  Vect2(float a, float b) : x(a), y(b) {}
  // User-provided, as the host's: it decides how a Vect2 is passed by value.
  Vect2(const Vect2& v) : x(v.x), y(v.y) {}
  Vect2& operator=(const Vect2& v) {
    x = v.x;
    y = v.y;
    return *this;
  }
};

// A scene source. Every virtual is inline (or pure), so a derived class in
// the module carries the whole vtable; nothing of it is imported.
class ImageSource {
 public:
  virtual ~ImageSource() {}

  virtual void Preprocess() {}
  virtual void Tick(float /*fSeconds*/) {}
  virtual void Render(const Vect2& pos, const Vect2& size) = 0;
  virtual Vect2 GetSize() const = 0;
  virtual void UpdateSettings() {}
  virtual void BeginScene() {}
  virtual void EndScene() {}
  virtual void GlobalSourceLeaveScene() {}
  virtual void GlobalSourceEnterScene() {}

  virtual void SetFloat(CTSTR /*lpName*/, float /*fValue*/) {}
  virtual void SetInt(CTSTR /*lpName*/, int /*iValue*/) {}
  virtual void SetString(CTSTR /*lpName*/, CTSTR /*lpVal*/) {}
  virtual void SetVector(CTSTR /*lpName*/, const Vect& /*value*/) {}
  virtual void SetVector2(CTSTR /*lpName*/, const Vect2& /*value*/) {}
  virtual void SetVector4(CTSTR /*lpName*/, const Vect4& /*value*/) {}
  virtual void SetMatrix(CTSTR /*lpName*/, const Matrix& /*mat*/) {}

  virtual bool GetFloat(CTSTR /*lpName*/, float& /*fValue*/) const { return false; }
  virtual bool GetInt(CTSTR /*lpName*/, int& /*iValue*/) const { return false; }
  virtual bool GetString(CTSTR /*lpName*/, String& /*strVal*/) const { return false; }
  virtual bool GetVector(CTSTR /*lpName*/, Vect& /*value*/) const { return false; }
  virtual bool GetVector2(CTSTR /*lpName*/, Vect2& /*value*/) const { return false; }
  virtual bool GetVector4(CTSTR /*lpName*/, Vect4& /*value*/) const { return false; }
  virtual bool GetMatrix(CTSTR /*lpName*/, Matrix& /*mat*/) const { return false; }
};

enum GSColorFormat {
  GS_UNKNOWNFORMAT, GS_ALPHA, GS_GRAYSCALE, GS_RGB, GS_RGBA, GS_BGR, GS_BGRA,
  GS_RGBA16F, GS_RGBA32F, GS_B5G5R5A1, GS_B5G6R5, GS_R10G10B10A2, GS_DXT1, GS_DXT3, GS_DXT5
};

enum GSImageFormat {
  GS_IMAGEFORMAT_A8, GS_IMAGEFORMAT_L8, GS_IMAGEFORMAT_RGB, GS_IMAGEFORMAT_RGBX,
  GS_IMAGEFORMAT_RGBA, GS_IMAGEFORMAT_RGBA16F, GS_IMAGEFORMAT_RGBA32F,
  GS_IMAGEFORMAT_BGR, GS_IMAGEFORMAT_BGRX, GS_IMAGEFORMAT_BGRA
};

class BaseTexture {
 public:
  virtual ~BaseTexture() {}
};

// Made by the graphics system; `delete` runs its owner's deleting destructor.
class Texture : public BaseTexture {
 public:
  virtual DWORD Width() const = 0;
  virtual DWORD Height() const = 0;
  virtual BOOL HasAlpha() const = 0;
  virtual void SetImage(void* lpData, GSImageFormat imageFormat, UINT pitch) = 0;  // non-static textures only
  virtual bool Map(BYTE*& lpData, UINT& pitch) = 0;
  virtual void Unmap() = 0;
  virtual GSColorFormat GetFormat() const = 0;
  virtual bool GetDC(HDC& hDC) = 0;
  virtual void ReleaseDC() = 0;
  virtual LPVOID GetD3DTexture() = 0;
  virtual HANDLE GetSharedHandle() = 0;
};

// Declared up to the texture factory; the later slots are never called.
class GraphicsSystem {
  virtual void ResizeView() = 0;
  virtual void UnloadAllData() = 0;

 public:
  virtual ~GraphicsSystem();
  virtual LPVOID GetDevice() = 0;
  virtual void Init() = 0;
  virtual Texture* CreateTextureFromSharedHandle(unsigned int width, unsigned int height, HANDLE handle) = 0;
  virtual Texture* CreateTexture(unsigned int width, unsigned int height, GSColorFormat colorFormat,
                                 void* lpData, BOOL bBuildMipMaps, BOOL bStatic) = 0;

  // Not virtual: an exported member. (x, y)-(x2, y2) are corners; color is 0xAARRGGBB.
  OBSAPI void DrawSprite(Texture* texture, DWORD color, float x, float y, float x2, float y2);
};

class Alloc {
 public:
  virtual ~Alloc() {}
  virtual void* _Allocate(size_t dwSize) = 0;
  virtual void* _ReAllocate(LPVOID lpData, size_t dwSize) = 0;
  virtual void _Free(LPVOID lpData) = 0;
  virtual void ErrorTermination() = 0;
};

struct StringLookupNode;
struct LocaleStringItem;

// No vtable. An unknown key gives "(string not found)", not the key.
class LocaleStringLookup {
  // The host's own fields: here for the layout.
  [[maybe_unused]] StringLookupNode* top;
  [[maybe_unused]] List<LocaleStringItem*> cache;

 public:
  OBSAPI CTSTR LookupString(CTSTR lookupVal);
};

// The host's callbacks for a source class.
typedef LPVOID(__stdcall* OBSCREATEPROC)(XElement* data);
typedef bool(__stdcall* OBSCONFIGPROC)(XElement* element, bool bCreating);

// Not exported and not meant for plug-ins (OBSRegisterImageSourceClass is);
// declared up to the slot that function forwards to.
class APIInterface {
  virtual void Invalid03() const {}

 public:
  virtual ~APIInterface() {}
  virtual void EnterSceneMutex() = 0;
  virtual void LeaveSceneMutex() = 0;
  virtual void RegisterSceneClass(CTSTR lpClassName, CTSTR lpDisplayName, OBSCREATEPROC createProc,
                                  OBSCONFIGPROC configProc) = 0;
  virtual void RegisterImageSourceClass(CTSTR lpClassName, CTSTR lpDisplayName, OBSCREATEPROC createProc,
                                        OBSCONFIGPROC configProc) = 0;
};

OBSAPI extern APIInterface* API;
OBSAPI extern GraphicsSystem* GS;  // null unless the host is producing output
OBSAPI extern Alloc* MainAllocator;
OBSAPI extern LocaleStringLookup* locale;

OBSAPI void __cdecl OBSRegisterImageSourceClass(CTSTR lpClassName, CTSTR lpDisplayName, OBSCREATEPROC createProc,
                                                OBSCONFIGPROC configProc);
OBSAPI UINT __cdecl OBSGetAPIVersion();
OBSAPI void __cdecl Log(const TCHAR* format, ...);         // %s is wide text
OBSAPI void __cdecl AppWarning(const TCHAR* format, ...);  // prefixes "Warning -- "
OBSAPI int __cdecl OBSMessageBox(HWND hwnd, LPCTSTR lpText, LPCTSTR lpCaption, UINT flags);
OBSAPI void __cdecl InitColorControl(HINSTANCE hInstance);

static_assert(sizeof(String) == 2 * sizeof(void*), "String: buffer and length (8/16 bytes)");
static_assert(sizeof(XBaseItem) == 4 * sizeof(void*), "XBaseItem: vptr, String, type (16/32 bytes)");
static_assert(sizeof(XElement) == 8 * sizeof(void*), "XElement: base, file, parent, list (32/64 bytes)");
static_assert(sizeof(LocaleStringLookup) == 3 * sizeof(void*), "LocaleStringLookup: no vptr (12/24 bytes)");
static_assert(sizeof(ImageSource) == sizeof(void*), "ImageSource: only a vptr");
static_assert(sizeof(Vect2) == 8, "Vect2: two floats");
