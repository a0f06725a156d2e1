#pragma once

// The stand-in companion's control exports, beside its managed entry
// Kelvaro_Kelvaro_Command. Tests and the preview open the companion file
// (the same module the runtime loaded) and resolve these by name; see
// tests/support/companion_client.h for a typed wrapper.
//
// Window numbers are the signed 32-bit numbers the plug-in sends; the
// companion turns them back into handles by sign extension, as Win32 keeps
// window handles within 32 significant bits.

#include <cstdint>

extern "C" {

// The managed entry: one command in, one integer answer out.
using CompanionCommandFn = int32_t (*)(const char16_t* command);

// --- record of commands, in the order received -------------------------
// Number of commands received since load or the last clear.
using CompanionCommandCountFn = int32_t (*)();
// Copies command `index` (0-terminated) into `out`, which holds `capacity`
// units; returns its length, or -1 for no such command.
using CompanionCopyCommandFn = int32_t (*)(int32_t index, char16_t* out, int32_t capacity);
using CompanionClearRecordFn = void (*)();

// --- the settings form ---------------------------------------------------
// The answers to the next "ShowForm:" commands, used in order; when they run
// out the answer is 0 (saved).
using CompanionQueueFormAnswerFn = void (*)(int32_t answer);
// A message the form sends to its window while it is open, from the
// companion's own thread (e.g. 102 "font|Arial"). Used by the next form only.
using CompanionQueueFormMessageFn = void (*)(uint32_t code, const char16_t* payload);

// --- messages from the companion's own thread -----------------------------
// Queues WM_COPYDATA with `code` and `bytes` bytes of `payload` to window
// `window_number`, sent by the companion's sender thread with SendMessageW.
using CompanionSendCopyDataFn = void (*)(int32_t window_number, uint64_t code, const void* payload,
                                         uint32_t bytes);
// Queues a plain message (e.g. the encoding switches, WM_CLOSE).
using CompanionSendMessageFn = void (*)(int32_t window_number, uint32_t message);
// Number of queued messages not yet handled by their window.
using CompanionPendingSendsFn = int32_t (*)();

// --- the live room ----------------------------------------------------------
// Plays the gift script at `path` for every window that gets "start:";
// empty or null path: no gifts. Returns 0, or the number of malformed lines
// (each reported through the log of the window that plays it).
using CompanionLoadGiftScriptFn = int32_t (*)(const char* path);
// Time source of the room: when set, the companion's clock advances only by
// CompanionAdvanceClock (the preview's virtual frame clock); otherwise it is
// the steady clock.
using CompanionUseManualClockFn = void (*)(int32_t manual);
using CompanionAdvanceClockFn = void (*)(uint32_t milliseconds);
// Blocks until every event due by the current clock has been sent.
using CompanionWaitIdleFn = void (*)();

}  // extern "C"
