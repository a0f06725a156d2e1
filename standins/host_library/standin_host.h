#pragma once

// The stand-in host's own side: what tests and the preview read back from the
// host API library (messages shown, log lines, registered classes, allocator
// counts, textures and sprites) and the settings tree they build elements in.
// Every function is thread-safe.

#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "hostapi_export.h"
#include "module/host_api/api.h"
#include "standins/fault_injection/scheduled_fault.h"
#include "standins/text/utf.h"

namespace standin {

// --- allocator -------------------------------------------------------------
HOSTAPI_EXPORT std::size_t LiveBlocks();
// AllocateBlock calls so far, failed ones included.
HOSTAPI_EXPORT std::size_t AllocationCount();

// While alive, AllocateBlock returns null on the nth call from now (1 = the
// next one) or on every call, on any thread: a fault of
// standins/fault_injection/scheduled_fault.h in the allocator's slot. The fault is made and
// checked inside this library, which on Windows carries its own copy of the
// fault mechanism.
class HOSTAPI_EXPORT ScopedAllocationFault {
 public:
  explicit ScopedAllocationFault(int nth_call = platform::kEveryCall);
  ~ScopedAllocationFault();

 private:
  platform::ScheduledFault fault_;
};

// --- message boxes and log -------------------------------------------------
struct MessageBoxRecord {
  std::u16string text;
  bool has_owner = false;
  bool has_caption = false;
  unsigned flags = 0;
};
enum class LogKind { Log, Warning };
struct LogRecord {
  LogKind kind = LogKind::Log;
  std::u16string text;
};
HOSTAPI_EXPORT std::vector<MessageBoxRecord> MessageBoxes();
HOSTAPI_EXPORT std::vector<LogRecord> LogLines();
HOSTAPI_EXPORT void ClearMessagesAndLog();
// Also appends every log line (UTF-8, one a line) to this file; empty stops.
HOSTAPI_EXPORT void SetLogFile(const std::string& path);
// Also prints message boxes and log lines to stderr as they happen.
HOSTAPI_EXPORT void SetEcho(bool echo);

// --- source classes ----------------------------------------------------------
// A source as the host holds it, called by the host's names in the host's
// way; its members are those of the build's host ABI (host_abi.h): where the
// host's library is in MSVC's ABI (Windows), through the slots of the
// host's ImageSource.
class HOSTAPI_EXPORT HostedSource {
 public:
  // `source` is what the create callback returned.
  explicit HostedSource(void* source) : source_(source) {}
  ~HostedSource();  // deletes the source, as the host does
  HostedSource(const HostedSource&) = delete;
  HostedSource& operator=(const HostedSource&) = delete;

  void Preprocess();
  void Tick(float seconds);
  void Render(const Vect2& position, const Vect2& size);
  Vect2 GetSize() const;
  void UpdateSettings();
  void BeginScene();
  void EndScene();

 private:
  void* source_;
};

// A registered class's callbacks, called the way the host calls them.
class HOSTAPI_EXPORT HostedClass {
 public:
  virtual ~HostedClass() = default;
  // The create callback's source for the settings element `data`, or null
  // when it made none.
  virtual std::unique_ptr<HostedSource> Create(XElement* data) const = 0;
  // The configure callback on the source's element; false without one.
  virtual bool Configure(XElement* element, bool creating) const = 0;
  virtual bool HasConfigure() const = 0;
};

struct RegisteredClass {
  std::u16string class_name;
  std::u16string display_name;
  std::shared_ptr<const HostedClass> callbacks;
};
HOSTAPI_EXPORT std::vector<RegisteredClass> RegisteredClasses();
// Forgets the registrations, as a host does when it unloads its plug-ins.
HOSTAPI_EXPORT void ClearRegisteredClasses();
// While alive, the locale table has no texts: every lookup gives `answer`,
// as a host does for a key it has not loaded ("(string not found)") or
// cannot read ("(lookup error)").
class HOSTAPI_EXPORT ScopedLocaleWithoutTexts {
 public:
  explicit ScopedLocaleWithoutTexts(const char16_t* answer);
  ~ScopedLocaleWithoutTexts();
  ScopedLocaleWithoutTexts(const ScopedLocaleWithoutTexts&) = delete;
  ScopedLocaleWithoutTexts& operator=(const ScopedLocaleWithoutTexts&) = delete;

 private:
  const char16_t* previous_;
};

// The module instance handed to the last InitColorControl call, or null
// after ClearColorControlInstance.
HOSTAPI_EXPORT void* ColorControlInstance();
HOSTAPI_EXPORT void ClearColorControlInstance();

// --- settings tree -----------------------------------------------------------
// A settings element: values are kept as text, in insertion order, as the
// host's configuration files keep them.
// Every XElement of the stand-in host is one: XElement's members work on
// this class's values and children.
class HOSTAPI_EXPORT SettingsElement : public XElement {
 public:
  explicit SettingsElement(std::u16string name);
  ~SettingsElement();

  struct Value {
    std::u16string name;
    std::u16string text;
    bool quoted = true;  // written by SetString rather than SetInt/SetFloat
  };
  const std::u16string& Name() const { return name_; }
  const std::vector<Value>& Values() const { return values_; }
  const std::vector<std::unique_ptr<SettingsElement>>& Children() const { return children_; }
  bool Has(const char16_t* name) const { return Find(name) != nullptr; }
  // The value named `name`, or null.
  const Value* Find(const char16_t* name) const;
  // Replaces the value of that name, or adds it after the others.
  void SetValue(Value value);
  // A new last child with that name.
  SettingsElement* AddChild(std::u16string name);

 private:
  std::u16string name_;
  std::vector<Value> values_;
  std::vector<std::unique_ptr<SettingsElement>> children_;
};

// Reads and writes a settings tree as readable text:
//   name {
//     key = "text"
//     number = 48
//     child { ... }
//   }
// Load returns null and sets *error ("<path>:<line>: reason") on a malformed
// or unreadable file. Save replaces the file whole or not at all.
HOSTAPI_EXPORT std::unique_ptr<SettingsElement> LoadSettings(const std::string& path, std::string* error);
HOSTAPI_EXPORT bool SaveSettings(const SettingsElement& root, const std::string& path);
// The same for text in memory; `name` starts the error messages.
HOSTAPI_EXPORT std::unique_ptr<SettingsElement> ReadSettingsText(const std::string& text, const std::string& name,
                                                                 std::string* error);
HOSTAPI_EXPORT std::string SettingsText(const SettingsElement& root);
// Replaces the file at `path` with `bytes`, whole or not at all.
HOSTAPI_EXPORT bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// --- graphics ------------------------------------------------------------------
// A texture that keeps its BGRA pixels in memory, rows top first.
class MemoryGraphicsSystem;

class HOSTAPI_EXPORT MemoryTexture : public Texture {
 public:
  MemoryTexture(MemoryGraphicsSystem* owner, unsigned width, unsigned height, const void* pixels, bool is_static,
                int color_format = GS_BGRA);
  ~MemoryTexture();
  // Made and deleted as itself: Texture's `delete` hands the texture here.
  static void* operator new(std::size_t size) { return ::operator new(size); }
  static void operator delete(void* texture) { ::operator delete(texture); }
  // Texture's members: see module/host_api/graphics.h.
  void Upload(const void* pixels, int image_format, unsigned pitch);
  unsigned Width() const { return width_; }
  unsigned Height() const { return height_; }
  const std::vector<unsigned char>& Pixels() const { return pixels_; }
  // Uploads that changed the pixels.
  int UploadCount() const { return uploads_; }
  // The colour format it was made with, and the image format and row pitch
  // of the last upload that changed it (0 before any).
  int ColorFormat() const { return color_format_; }
  int UploadFormat() const { return upload_format_; }
  unsigned UploadPitch() const { return upload_pitch_; }

 private:
  // First: where the plug-in calls textures through the host's ABI, the
  // texture's slots there (see host_abi.h); null where it does not.
  const void* const host_slots_;
  MemoryGraphicsSystem* owner_;
  unsigned width_;
  unsigned height_;
  bool is_static_;
  std::vector<unsigned char> pixels_;
  int uploads_ = 0;
  int color_format_;
  int upload_format_ = 0;
  unsigned upload_pitch_ = 0;
};

struct SpriteRecord {
  const Texture* texture = nullptr;
  uint32_t color = 0;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The graphics system the stand-in host installs as GS: textures in memory,
// and a record of the sprites drawn since the last TakeSprites.
class HOSTAPI_EXPORT MemoryGraphicsSystem : public GraphicsSystem {
 public:
  // GraphicsSystem's members: see module/host_api/graphics.h.
  void Draw(Texture* texture, uint32_t color, float x1, float y1, float x2, float y2);
  Texture* Make(unsigned width, unsigned height, int color_format, const void* pixels, bool build_mipmaps,
                bool is_static);

  std::vector<SpriteRecord> TakeSprites();
  int MakeTextureCount() const;
  int LiveTextures() const;
  // The next `count` MakeTexture calls return null.
  void FailMakeTexture(int count);
  // Called by MemoryTexture's destructor.
  void OnTextureDestroyed();

 private:
  mutable std::mutex mutex_;
  std::vector<SpriteRecord> sprites_;
  int made_ = 0;
  int live_ = 0;
  int failures_ = 0;
};

// The stand-in host's graphics system, which GS is while the output runs.
HOSTAPI_EXPORT MemoryGraphicsSystem& HostGraphics();

// The host's output (preview, stream or recording): while one lives, GS is
// HostGraphics(); before the first and after the last, GS is null. The host
// loads its plug-ins before any output and configures sources outside it as
// well, so neither may use GS; sources are made and drawn within it.
class HOSTAPI_EXPORT HostOutput {
 public:
  HostOutput();
  ~HostOutput();
  HostOutput(const HostOutput&) = delete;
  HostOutput& operator=(const HostOutput&) = delete;

  // What GS reads: HostGraphics() while an output lives, else null.
  static GraphicsSystem* Current();

 private:
  GraphicsSystem* previous_;
};

// --- text --------------------------------------------------------------------
inline std::string ToUtf8(const std::u16string& utf16) { return text::ToUtf8(utf16); }
inline std::u16string FromUtf8(const std::string& utf8) { return text::FromUtf8(utf8); }

}  // namespace standin
