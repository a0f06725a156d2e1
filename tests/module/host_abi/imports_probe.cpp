// Uses every declaration of module/host_abi/obsapi.h that the module may call, so that
// the object's imports are exactly the names the module may need from the
// host's library. Each use sits in an external function, so none is dropped.
#include "module/host_abi/obsapi.h"

#define PROBE extern "C"

PROBE void probe_string(const char* utf8, String* out) {
  String empty;
  String wide(L"a b");
  String narrow(utf8);
  String copy(wide);
  copy = L"c";
  copy = narrow;
  copy << L"d" << L'e' << -1 << 2u << wide;
  *out = copy + L"f";
  *out = copy + L'g';
  *out = copy + 3;
  *out = copy + 4u;
  *out = copy + empty;
  *out = copy.GetToken(1);
  *out = copy.Left(1);
  copy.FindReplace(L"a", L"b");
  if (out->Compare(copy.GetTokenOffset(1)) || out->CompareI(L"x") || copy.ToInt()) out->KillSpaces();
}

PROBE UINT probe_text(TCHAR* dest) {
  scpy_n(dest, L"ab", 2);
  return slen(dest);
}

PROBE void probe_element(XElement* data) {
  XElement* child = data->GetElement(L"data") ? data->GetElement(L"data") : data->CreateElement(L"data");
  child->SetString(L"text", data->GetString(L"text"));
  child->SetInt(L"size", data->GetInt(L"size", 12));
  child->SetFloat(L"scale", data->GetFloat(L"scale", 1.0f));
}

PROBE void probe_host(HWND owner, HINSTANCE module, Texture* texture, OBSCREATEPROC create,
                      OBSCONFIGPROC configure) {
  OBSRegisterImageSourceClass(L"class", locale->LookupString(L"name"), create, configure);
  InitColorControl(module);
  OBSMessageBox(owner, L"text", L"", 0);
  Log(L"%s", L"log");
  AppWarning(L"%u", 1u);
  if (GS) GS->DrawSprite(texture, 0xFFFFFFFF, 0, 0, 1, 1);
  if (API && MainAllocator) MainAllocator->_Free(nullptr);
}
