#pragma once

#include "module/host_api/string.h"

// The texts the renderer draws, shared by every source. Each lives from its
// Create… call to its Destroy… call; the module's load and unload make them.

// The hint shown until a source's room sends its first line.
const String& DefaultHintText();
void CreateDefaultHintText();
void DestroyDefaultHintText();

// The one text the renderer draws, for every source; DefaultHintText() at
// first, so DefaultHintText must exist when it is created.
String& DisplayText();
void CreateDisplayText();
void DestroyDisplayText();

// One render request for every source; 1 at load.
extern unsigned char RenderPending;
