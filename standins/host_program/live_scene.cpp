#include "standins/host_program/live_scene.h"

#include <charconv>

#include "standins/web/json_text.h"

LiveScene::LiveScene(std::vector<SceneSource>& sources) : sources_(sources) {
  for (const SceneSource& source : sources) placed_.push_back(Place(source));
}

LiveScene::Placed LiveScene::Place(const SceneSource& source) {
  const std::string id = standin::ToUtf8(source.data->GetString(u"innerId", u""));
  int32_t window = 0;
  std::from_chars(id.data(), id.data() + id.size(), window);
  return Placed{source.name, source.image.get(), window, source.Position(), source.Size()};
}

void LiveScene::DrawFrame() {
  std::lock_guard<std::mutex> lock(mutex_);
  for (const Placed& source : placed_) source.image->Preprocess();
  for (const Placed& source : placed_) source.image->Render(source.position, source.size);
}

SceneSource* LiveScene::Find(const std::string& name) {
  for (SceneSource& source : sources_)
    if (source.name == name) return &source;
  return nullptr;
}

void LiveScene::Reload(SceneSource& source) {
  std::lock_guard<std::mutex> lock(mutex_);
  source.image->UpdateSettings();
  for (Placed& placed : placed_)
    if (placed.image == source.image.get()) placed = Place(source);
}

std::optional<int32_t> LiveScene::WindowOf(const std::string& name) const {
  std::lock_guard<std::mutex> lock(mutex_);
  for (const Placed& source : placed_)
    if (source.name == name) return source.window;
  return std::nullopt;
}

std::string LiveScene::Json() const {
  std::lock_guard<std::mutex> lock(mutex_);
  std::string json = "[";
  for (const Placed& source : placed_) {
    if (json.size() > 1) json += ',';
    json += "{\"name\":" + web::JsonString(source.name) + ",\"window\":" + std::to_string(source.window) +
            ",\"x\":" + std::to_string(int(source.position.x)) + ",\"y\":" + std::to_string(int(source.position.y)) +
            ",\"width\":" + std::to_string(int(source.size.x)) + ",\"height\":" + std::to_string(int(source.size.y)) +
            "}";
  }
  return json + "]";
}
