// The registered source classes, the locale table and the colour control.

#include <atomic>
#include <mutex>

#include "standins/host_library/host_abi.h"
#include "standins/host_library/standin_host.h"

namespace {

struct Registrations {
  std::mutex mutex;
  std::vector<standin::RegisteredClass> classes;
};

Registrations& TheRegistrations() {
  static Registrations* registrations = new Registrations;
  return *registrations;
}

// The host's texts that plug-ins look up. A key it has no text for gets the
// host's own answer, never the key.
class StandInLocale : public LocaleStringLookup {};

LocaleStringLookup* TheLocale() {
  static StandInLocale* table = new StandInLocale;
  return table;
}

// Set while a ScopedLocaleWithoutTexts lives: every lookup's answer.
std::atomic<const char16_t*> missing_text_answer{nullptr};

// The instance the colour control was last set up for; null until then.
std::atomic<void*> color_control_instance{nullptr};

}  // namespace

const char16_t* LocaleStringLookup::LookupString(const char16_t* key) {
  if (const char16_t* answer = missing_text_answer.load()) return answer;
  if (key && std::u16string_view(key) == u"Sources.TextSource.FontNotFound") return u"字体“$1”未安装，请选择其他字体。";
  return u"(string not found)";
}

extern const HostGlobal<LocaleStringLookup> locale{&TheLocale};

void InitColorControl(void* module_instance) { color_control_instance = module_instance; }

namespace standin {

void AddRegisteredClass(RegisteredClass registered) {
  std::lock_guard<std::mutex> lock(TheRegistrations().mutex);
  TheRegistrations().classes.push_back(std::move(registered));
}

std::vector<RegisteredClass> RegisteredClasses() {
  std::lock_guard<std::mutex> lock(TheRegistrations().mutex);
  return TheRegistrations().classes;
}

void ClearRegisteredClasses() {
  std::lock_guard<std::mutex> lock(TheRegistrations().mutex);
  TheRegistrations().classes.clear();
}

ScopedLocaleWithoutTexts::ScopedLocaleWithoutTexts(const char16_t* answer)
    : previous_(missing_text_answer.exchange(answer)) {}
ScopedLocaleWithoutTexts::~ScopedLocaleWithoutTexts() { missing_text_answer = previous_; }

void* ColorControlInstance() { return color_control_instance.load(); }

void ClearColorControlInstance() { color_control_instance = nullptr; }

}  // namespace standin
