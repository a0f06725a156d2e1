#include "tests/standins/companion/form_host.h"

#include <httplib.h>

#include <thread>

#include "module/platform/win32.h"

namespace form_testing {

namespace {

const std::string kModule = std::string("plugins\\") + QUILLORA_PLUGIN_FILE_NAME;
const std::string kCompanion = "plugins\\QuilloraThanks\\Kelvaro.dll";

struct Visit {
  const FormHost::Visitor* visit;
  std::thread thread;
  int* served;
  std::atomic<int>* left_open;
};

}  // namespace

FormAddress ParseAddress(const std::string& url) {
  FormAddress address;
  const std::string scheme = "http://";
  const std::size_t colon = url.find(':', scheme.size());
  const std::size_t slash = url.find('/', scheme.size());
  if (!url.starts_with(scheme) || colon == std::string::npos || slash == std::string::npos) return address;
  address.host = url.substr(scheme.size(), colon - scheme.size());
  address.port = std::stoi(url.substr(colon + 1, slash - colon - 1));
  address.base = url.substr(slash);
  return address;
}

bool CancelIfOpen(const std::string& url) {
  // An answered form has no server any more, or answers 409.
  const FormAddress form = ParseAddress(url);
  const httplib::Result cancelled = httplib::Client(form.host, form.port).Post(form.base + "cancel");
  return cancelled && cancelled->status == 200;
}

FormHost::FormHost() : module_(kModule), companion_(kCompanion) {
  standin::ClearRegisteredClasses();
  loaded_ = module_.ok() && module_.LoadPlugin();
  if (loaded_) class_ = standin::RegisteredClasses().at(0);
}

FormHost::~FormHost() {
  if (loaded_) module_.UnloadPlugin();
}

void FormHost::Opened(int32_t, const char* url, void* context) {
  auto* visit = static_cast<Visit*>(context);
  ++*visit->served;
  visit->thread = std::thread([visitor = *visit->visit, address = std::string(url), left_open = visit->left_open] {
    visitor(address);
    if (CancelIfOpen(address)) ++*left_open;
  });
}

bool FormHost::Configure(XElement& element, const Visitor& visit, int32_t port) {
  Visit state{&visit, {}, &served_, &left_open_};
  companion_.ServeForms(port, &FormHost::Opened, &state);
  const bool accepted = class_.callbacks->Configure(&element, false);
  companion_.ServeForms(-1);
  if (state.thread.joinable()) state.thread.join();
  return accepted;
}

int32_t WindowNumberOf(XElement& data) { return String(data.GetString(u"innerId", u"")).ToInt(10); }

bool WindowExists(XElement& data) {
  return win::IsWindow(reinterpret_cast<win::HWND>(static_cast<intptr_t>(WindowNumberOf(data))));
}

}  // namespace form_testing
