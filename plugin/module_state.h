#pragma once

#include <mutex>

#include "host/string.h"

// Module-wide state, created when the module is loaded and destroyed when it
// is unloaded (see module_state.cpp for the order).

// The hint shown until a source's room sends its first line.
extern const String DefaultHintText;
// The one text the renderer draws, for every source.
extern String DisplayText;
// One render request for every source; 1 at load.
extern unsigned char RenderPending;

// Guards everything the window procedure shares with the source operations:
// the binding table, UsingAscii, the bound elements, DisplayText and
// RenderPending. Never held across a call into the companion or the window
// system, so a message the companion sends meanwhile cannot deadlock.
std::mutex& SharedStateMutex();

// Module instance handle from the load notification.
void* ModuleInstance();
