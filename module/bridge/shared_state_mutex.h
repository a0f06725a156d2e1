#pragma once

#include <mutex>

// Guards everything the window procedure shares with the source operations:
// the binding table, UsingAscii, the bound elements, DisplayText and
// RenderPending. Never held across a call into the companion or the window
// system, so a message the companion sends meanwhile cannot deadlock.
std::mutex& SharedStateMutex();
