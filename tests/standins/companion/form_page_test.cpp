// The settings form's page, as compiled in, against the settings table: one
// control per setting, of the table's input, a choice offering its range.
// Each disagreement is reported as "form.html's path:line: reason".

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "standins/companion/form_assets.h"
#include "standins/companion/form_fields.h"

namespace companion {
namespace {

struct PageControl {
  std::string input;  // "text", "number", "checkbox", "color" or "select"
  std::vector<std::string> options;
  int line;
};

// The value of `attribute` in the tag `tag`, or "".
std::string Attribute(std::string_view tag, std::string_view attribute) {
  const std::string marker = " " + std::string(attribute) + "=\"";
  const std::size_t at = tag.find(marker);
  if (at == std::string_view::npos) return "";
  const std::size_t start = at + marker.size();
  return std::string(tag.substr(start, tag.find('"', start) - start));
}

int LineAt(std::string_view page, std::size_t at) {
  return 1 + static_cast<int>(std::count(page.begin(), page.begin() + at, '\n'));
}

// The named inputs and selects of `page`, each under its name, in page order.
std::multimap<std::string, PageControl> Controls(std::string_view page) {
  std::multimap<std::string, PageControl> controls;
  for (std::size_t at = page.find('<'); at != std::string_view::npos; at = page.find('<', at + 1)) {
    const std::string_view tag = page.substr(at, page.find('>', at) - at);
    const bool select = tag.starts_with("<select ");
    if (!select && !tag.starts_with("<input ")) continue;
    PageControl control{select ? "select" : Attribute(tag, "type"), {}, LineAt(page, at)};
    if (control.input.empty()) control.input = "text";
    if (select) {
      const std::string_view list = page.substr(at, page.find("</select>", at) - at);
      for (std::size_t option = list.find("<option "); option != std::string_view::npos;
           option = list.find("<option ", option + 1))
        control.options.push_back(Attribute(list.substr(option, list.find('>', option) - option), "value"));
    }
    controls.emplace(Attribute(tag, "name"), std::move(control));
  }
  return controls;
}

// The control the page has for each input: an input element's type, or a select.
const std::map<FormInput, std::string> kPageInputs = {{FormInput::kTextBox, "text"},
                                                      {FormInput::kNumberBox, "number"},
                                                      {FormInput::kCheckBox, "checkbox"},
                                                      {FormInput::kChoice, "select"},
                                                      {FormInput::kColourPicker, "color"}};

std::vector<std::string> Range(int min, int max) {
  std::vector<std::string> values;
  for (int value = min; value <= max; ++value) values.push_back(std::to_string(value));
  return values;
}

std::vector<std::string> Disagreements(std::string_view page) {
  const std::string path = QUILLORA_FORM_PAGE;
  std::multimap<std::string, PageControl> controls = Controls(page);
  std::vector<std::string> found;
  const auto report = [&](int line, const std::string& reason) {
    found.push_back(path + ":" + std::to_string(line) + ": " + reason);
  };
  for (const LineSetting& setting : FormFields()) {
    const std::string key(setting.key);
    const auto [first, last] = controls.equal_range(key);
    if (first == last) {
      report(LineAt(page, page.find("<form")), "no control for the setting \"" + key + "\"");
      continue;
    }
    const PageControl& control = first->second;
    if (std::next(first) != last) report(std::next(first)->second.line, "a second control for \"" + key + "\"");
    const std::string& input = kPageInputs.at(setting.input);
    if (control.input != input)
      report(control.line, "\"" + key + "\" is a " + control.input + " control, the table says " + input);
    if (setting.input == FormInput::kChoice && control.options != Range(setting.min, setting.max))
      report(control.line, "the options of \"" + key + "\" are not the table's range " + std::to_string(setting.min) +
                               " to " + std::to_string(setting.max));
    controls.erase(first, last);
  }
  for (const auto& [name, control] : controls) report(control.line, "\"" + name + "\" is no setting of the table");
  return found;
}

TEST(FormPage, HasOneControlPerSettingAsTheTableDescribesIt) {
  const web::EmbeddedAsset* page = FindFormAsset("form.html");
  ASSERT_NE(page, nullptr);
  for (const std::string& disagreement : Disagreements(page->body)) ADD_FAILURE() << disagreement;
}

}  // namespace
}  // namespace companion
