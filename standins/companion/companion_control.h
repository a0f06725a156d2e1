#pragma once

// The stand-in companion's exports: its managed entry Kelvaro_Kelvaro_Command
// and the control functions that tests and the preview use to script it.
// All have C linkage and are resolved by name from the companion file (the
// same module the runtime loaded); standins/companion/companion_client.h wraps them.
// Every function may be called from any thread.
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
// Copies command `index` into `out` (at most capacity - 1 units and a
// terminating 0) and returns its full length, or -1 for no such command.
using CompanionCopyCommandFn = int32_t (*)(int32_t index, char16_t* out, int32_t capacity);
using CompanionClearRecordFn = void (*)();
// Copies the value of settings key `key` (a "Set:" key such as
// "thanks_string") that window `window_number` holds, as the settings line
// carried it; returns its full length, or -1 for an unknown window or key.
using CompanionCopySettingFn = int32_t (*)(int32_t window_number, const char* key, char16_t* out,
                                           int32_t capacity);

// --- the settings form ---------------------------------------------------
// The answers to the next "ShowForm:" commands, used in order; when they run
// out the answer is 0 (saved).
using CompanionQueueFormAnswerFn = void (*)(int32_t answer);
// A WM_COPYDATA text the next form sends to its window while it is open,
// from the companion's own thread (e.g. 102 "font|Arial"), encoded as the
// companion's texts are. Used by the next form only.
using CompanionQueueFormMessageFn = void (*)(uint32_t code, const char16_t* payload);
// Told the address of each form that is served, on the thread that sent
// "ShowForm:", before the form waits; it must not call into the companion.
using CompanionFormOpenedFn = void (*)(int32_t window_number, const char* url, void* context);
// How later forms are shown. `port` below 0: the scripted answers above (the
// default). 0 or more: a page for a browser on 127.0.0.1 at a port the
// system picks (0) or at `port`; its address, with a fresh random token, goes
// to `opened` (may be null). Such a form answers 0 once Save has sent the
// changed settings to the window and the window has handled them (101
// integers, 102 texts, 103 colours, each "key|value"), 1 for Cancel or a
// closed page, and 2 when the page cannot be served.
using CompanionServeFormsFn = void (*)(int32_t port, CompanionFormOpenedFn opened, void* context);

// --- messages from the companion's own thread -----------------------------
// Queues WM_COPYDATA with `code` and `bytes` bytes of `payload` (copied, sent
// as they are) to window `window_number`.
using CompanionSendCopyDataFn = void (*)(int32_t window_number, uint64_t code, const void* payload,
                                         uint32_t bytes);
// Queues a plain message with no arguments (the encoding switches WM_USER + 5
// and + 6, which also switch the companion's own texts, or WM_CLOSE).
using CompanionSendMessageFn = void (*)(int32_t window_number, uint32_t message);
// Number of queued messages not yet handled by their window.
using CompanionPendingSendsFn = int32_t (*)();

// --- the live room ----------------------------------------------------------
// The gift script (standins/companion/README.md) that each window plays from its
// first "start:" on; null or empty path: no gifts. Returns the number of
// malformed lines (each also reported through the log of every window that
// plays the script), or -1 when the file cannot be read.
using CompanionLoadGiftScriptFn = int32_t (*)(const char* utf8_path);
// How rooms that start later play the gift script: 0 once (the default), 1
// over and over (6 s after its last gift it begins again), 2 not at all:
// random gifts without end instead.
using CompanionPlayGiftsFn = void (*)(int32_t mode);
// The room of window `window_number` receives a sample gift now (测试观众
// sends one 测试礼物, worth 1000), thanked by the room's rules like any
// other. Returns 0, or -1 for a window that has no room.
using CompanionSendSampleGiftFn = int32_t (*)(int32_t window_number);
// Time source of the rooms: when set, the companion's clock advances only by
// CompanionAdvanceClock (the preview's virtual frame clock); otherwise it is
// the steady clock.
using CompanionUseManualClockFn = void (*)(int32_t manual);
using CompanionAdvanceClockFn = void (*)(uint32_t milliseconds);
// Returns once every message due by the current clock has been handled by
// its window. Dispatches the calling thread's messages while it waits, so it
// may be called from the thread that owns the windows.
using CompanionWaitIdleFn = void (*)();

}  // extern "C"

// The export names, one for each type above.
inline constexpr char kCompanionCommandExport[] = "Kelvaro_Kelvaro_Command";
inline constexpr char kCompanionCommandCountExport[] = "Companion_CommandCount";
inline constexpr char kCompanionCopyCommandExport[] = "Companion_CopyCommand";
inline constexpr char kCompanionClearRecordExport[] = "Companion_ClearRecord";
inline constexpr char kCompanionCopySettingExport[] = "Companion_CopySetting";
inline constexpr char kCompanionQueueFormAnswerExport[] = "Companion_QueueFormAnswer";
inline constexpr char kCompanionQueueFormMessageExport[] = "Companion_QueueFormMessage";
inline constexpr char kCompanionServeFormsExport[] = "Companion_ServeForms";
inline constexpr char kCompanionSendCopyDataExport[] = "Companion_SendCopyData";
inline constexpr char kCompanionSendMessageExport[] = "Companion_SendMessage";
inline constexpr char kCompanionPendingSendsExport[] = "Companion_PendingSends";
inline constexpr char kCompanionLoadGiftScriptExport[] = "Companion_LoadGiftScript";
inline constexpr char kCompanionPlayGiftsExport[] = "Companion_PlayGifts";
inline constexpr char kCompanionSendSampleGiftExport[] = "Companion_SendSampleGift";
inline constexpr char kCompanionUseManualClockExport[] = "Companion_UseManualClock";
inline constexpr char kCompanionAdvanceClockExport[] = "Companion_AdvanceClock";
inline constexpr char kCompanionWaitIdleExport[] = "Companion_WaitIdle";
