// One call through each virtual slot the module uses, in a function named
// slot_<N>_<member>: the hostabi_slots test reads each function's indirect
// call and checks that it goes through N times the pointer size.
#include "module/host_abi/obsapi.h"

#define SLOT extern "C"

SLOT void slot_5_RegisterImageSourceClass(APIInterface* api) {
  api->RegisterImageSourceClass(L"class", L"name", nullptr, nullptr);
}
SLOT Texture* slot_6_CreateTexture(GraphicsSystem* gs) { return gs->CreateTexture(2, 2, GS_BGRA, nullptr, 0, 0); }
SLOT void slot_4_SetImage(Texture* texture) { texture->SetImage(nullptr, GS_IMAGEFORMAT_BGRA, 8); }
SLOT void* slot_1_Allocate(Alloc* alloc) { return alloc->_Allocate(16); }
SLOT void slot_3_Free(Alloc* alloc, void* block) { alloc->_Free(block); }

SLOT void slot_0_DeleteImageSource(ImageSource* source) { delete source; }
SLOT void slot_1_Preprocess(ImageSource* source) { source->Preprocess(); }
SLOT void slot_2_Tick(ImageSource* source, float seconds) { source->Tick(seconds); }
SLOT void slot_3_Render(ImageSource* source, const Vect2& pos) { source->Render(pos, pos); }
SLOT float slot_4_GetSize(ImageSource* source) { return source->GetSize().x; }
SLOT void slot_5_UpdateSettings(ImageSource* source) { source->UpdateSettings(); }
SLOT void slot_6_BeginScene(ImageSource* source) { source->BeginScene(); }
SLOT void slot_7_EndScene(ImageSource* source) { source->EndScene(); }
