#include "module/scene_source/display_text.h"

namespace {

String* default_hint_text = nullptr;
String* display_text = nullptr;

}  // namespace

const String& DefaultHintText() { return *default_hint_text; }

void CreateDefaultHintText() { default_hint_text = new String(u"设置后将开始显示答谢文字"); }

void DestroyDefaultHintText() {
  delete default_hint_text;
  default_hint_text = nullptr;
}

String& DisplayText() { return *display_text; }

void CreateDisplayText() { display_text = new String(DefaultHintText()); }

void DestroyDisplayText() {
  delete display_text;
  display_text = nullptr;
}

unsigned char RenderPending = 1;
