// Source class registration, the locale table and the colour control.

#include <atomic>
#include <mutex>

#include "platform/hostapi/standin_host.h"

namespace {

class RecordingApi : public APIInterface {
 public:
  void RegisterSourceClass(const char16_t* class_name, const char16_t* display_name, CreateSourceCallback create,
                           ConfigureSourceCallback configure) override {
    std::lock_guard<std::mutex> lock(mutex);
    classes.push_back({class_name ? class_name : u"", display_name ? display_name : u"", create, configure});
  }

  std::mutex mutex;
  std::vector<standin::RegisteredClass> classes;
};

RecordingApi& TheApi() {
  static RecordingApi* api = new RecordingApi;
  return *api;
}

// The host's texts that plug-ins look up. A key it has no text for gets the
// host's own answer, never the key.
class StandInLocale : public LocaleStringLookup {
 public:
  const char16_t* LookupString(const char16_t* key) override {
    if (key && std::u16string_view(key) == u"Sources.TextSource.FontNotFound") return u"字体“$1”未安装，请选择其他字体。";
    return u"(string not found)";
  }
};

// The instance the colour control was last set up for; null until then.
std::atomic<void*> color_control_instance{nullptr};

}  // namespace

APIInterface* API = &TheApi();
LocaleStringLookup* locale = new StandInLocale;

void InitColorControl(void* module_instance) { color_control_instance = module_instance; }

namespace standin {

std::vector<RegisteredClass> RegisteredClasses() {
  std::lock_guard<std::mutex> lock(TheApi().mutex);
  return TheApi().classes;
}

void ClearRegisteredClasses() {
  std::lock_guard<std::mutex> lock(TheApi().mutex);
  TheApi().classes.clear();
}

void* ColorControlInstance() { return color_control_instance.load(); }

void ClearColorControlInstance() { color_control_instance = nullptr; }

}  // namespace standin
