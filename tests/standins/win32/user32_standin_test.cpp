// The window system stand-in: classes, windows, per-thread queues, and the
// cross-thread rules the plug-in, the companion and the host rely on.

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

#include "module/platform/win32.h"
#include "standins/fault_injection/faults.h"
#include "standins/win32/standin_user32.h"
#include "standins/win32/win32_values.h"

namespace {

using namespace std::chrono_literals;
using namespace win;
using standin::FALSE;
using standin::TRUE;

constexpr UINT kAddOne = WM_USER + 1;       // answers wParam + 1
constexpr UINT kWhichThread = WM_USER + 2;  // answers the thread the procedure runs on
constexpr UINT kPing = WM_USER + 3;         // answers the partner window's kAddOne + 100

// Every call a test procedure received.
struct Call {
  HWND window;
  UINT message;
  DWORD thread;
  bool window_alive;
};
std::mutex g_calls_lock;
std::vector<Call> g_calls;

void Record(HWND window, UINT message) {
  const Call call{window, message, GetCurrentThreadId(), IsWindow(window) != FALSE};
  std::lock_guard lock(g_calls_lock);
  g_calls.push_back(call);
}

std::vector<Call> CallsTo(HWND window) {
  std::lock_guard lock(g_calls_lock);
  std::vector<Call> calls;
  for (const Call& call : g_calls) {
    if (call.window == window) calls.push_back(call);
  }
  return calls;
}

std::vector<UINT> MessagesTo(HWND window) {
  std::vector<UINT> messages;
  for (const Call& call : CallsTo(window)) messages.push_back(call.message);
  return messages;
}

LRESULT WIN_CALLBACK EchoProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  Record(window, message);
  switch (message) {
    case kAddOne:
      return static_cast<LRESULT>(wparam + 1);
    case kWhichThread:
      return GetCurrentThreadId();
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

// For windows on their own threads: the thread's message loop ends with the window.
LRESULT WIN_CALLBACK PumpedProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return EchoProc(window, message, wparam, lparam);
}

LRESULT WIN_CALLBACK MinusFiveProc(HWND, UINT, WPARAM, LPARAM) { return -5; }

class ScopedClass {
 public:
  ScopedClass(const char16_t* name, WNDPROC procedure, HINSTANCE instance = nullptr)
      : name_(name), instance_(instance) {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = instance;
    window_class.lpszClassName = name;
    atom_ = RegisterClassW(&window_class);
  }
  ~ScopedClass() { UnregisterClassW(name_, instance_); }
  ScopedClass(const ScopedClass&) = delete;
  ScopedClass& operator=(const ScopedClass&) = delete;

  ATOM atom() const { return atom_; }

 private:
  const char16_t* name_;
  HINSTANCE instance_;
  ATOM atom_ = 0;
};

HWND Create(const char16_t* class_name, void* param = nullptr, HINSTANCE instance = nullptr) {
  return CreateWindowExW(0, class_name, u"test", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 100, 100,
                         nullptr, nullptr, instance, param);
}

void PumpUntilQuit() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
}

// Ends the whole run when `body` takes too long: a deadlock would otherwise
// hang it with no word of where.
template <typename Body>
void FinishesWithin(std::chrono::seconds limit, const char* what, Body body) {
  std::promise<void> finished;
  std::thread watchdog([limit, what, done = finished.get_future()] {
    if (done.wait_for(limit) == std::future_status::timeout) {
      std::fprintf(stderr, "%s did not finish within %llds: deadlock\n", what,
                   static_cast<long long>(limit.count()));
      std::_Exit(1);
    }
  });
  body();
  finished.set_value();
  watchdog.join();
}

// A thread owning one window of `class_name`, pumping messages until the
// window is destroyed.
class WindowThread {
 public:
  explicit WindowThread(const char16_t* class_name) {
    std::promise<HWND> created;
    std::future<HWND> window = created.get_future();
    thread_ = std::thread([class_name, &created] {
      created.set_value(Create(class_name));
      PumpUntilQuit();
    });
    window_ = window.get();
  }
  ~WindowThread() {
    if (IsWindow(window_)) SendMessageW(window_, WM_CLOSE, 0, 0);
    thread_.join();
  }
  WindowThread(const WindowThread&) = delete;
  WindowThread& operator=(const WindowThread&) = delete;

  HWND window() const { return window_; }

 private:
  std::thread thread_;
  HWND window_ = nullptr;
};

// Returns once `window` has `count` cross-thread sends waiting for its owner.
void WaitForPendingSends(HWND window, std::size_t count) {
  FinishesWithin(10s, "waiting for a blocked send", [&] {
    while (standin::PendingSendsTo(window) != count) std::this_thread::yield();
  });
}

// Sends kAddOne to a window from a thread of its own and returns once that
// send waits for the owner; Join() then waits for it and keeps what it
// returned.
class BlockedSender {
 public:
  explicit BlockedSender(HWND window)
      : thread_([this, window] {
          result_ = SendMessageW(window, kAddOne, 1, 0);
          error_ = GetLastError();
        }) {
    WaitForPendingSends(window, 1);
  }
  void Join() { thread_.join(); }
  LRESULT result() const { return result_; }
  DWORD error() const { return error_; }

 private:
  LRESULT result_ = -1;
  DWORD error_ = 0;
  std::thread thread_;
};

TEST(WindowClass, IsRegisteredOncePerNameAndModule) {
  const std::size_t classes_before = standin::RegisteredClassCount();
  const auto other_module = reinterpret_cast<HINSTANCE>(0x7000'0000);
  {
    ScopedClass first(u"Twice", EchoProc);
    ASSERT_NE(first.atom(), 0);
    ScopedClass second(u"Twice", MinusFiveProc);
    EXPECT_EQ(second.atom(), 0);
    EXPECT_EQ(GetLastError(), ERROR_CLASS_ALREADY_EXISTS);
    ScopedClass other_case(u"TWICE", MinusFiveProc);  // class names ignore case
    EXPECT_EQ(other_case.atom(), 0);
    EXPECT_EQ(GetLastError(), ERROR_CLASS_ALREADY_EXISTS);
    ScopedClass other_module_class(u"Twice", MinusFiveProc, other_module);
    EXPECT_NE(other_module_class.atom(), 0);
    EXPECT_EQ(standin::RegisteredClassCount(), classes_before + 2);

    // Creation uses the first registration; another module's class is its own.
    HWND by_name = Create(u"twice", nullptr, GetModuleHandleW(nullptr));
    HWND by_atom = Create(MakeIntResource(first.atom()));
    HWND in_other_module = Create(u"Twice", nullptr, other_module);
    EXPECT_EQ(SendMessageW(by_name, kAddOne, 1, 0), 2);
    EXPECT_EQ(SendMessageW(by_atom, kAddOne, 1, 0), 2);
    EXPECT_EQ(SendMessageW(in_other_module, kAddOne, 1, 0), -5);
    for (HWND window : {by_name, by_atom, in_other_module}) EXPECT_TRUE(DestroyWindow(window));
  }
  EXPECT_EQ(standin::RegisteredClassCount(), classes_before);
}

TEST(WindowClass, CannotBeUnregisteredWhileItHasWindows) {
  ScopedClass window_class(u"Busy", EchoProc);
  HWND window = Create(u"Busy");
  ASSERT_NE(window, nullptr);

  EXPECT_FALSE(UnregisterClassW(u"Busy", nullptr));
  EXPECT_EQ(GetLastError(), standin::ERROR_CLASS_HAS_WINDOWS);
  EXPECT_TRUE(DestroyWindow(window));
  EXPECT_TRUE(UnregisterClassW(u"Busy", nullptr));

  EXPECT_FALSE(UnregisterClassW(u"Busy", nullptr));
  EXPECT_EQ(GetLastError(), standin::ERROR_CLASS_DOES_NOT_EXIST);
  EXPECT_EQ(Create(u"Busy"), nullptr);
  EXPECT_EQ(GetLastError(), standin::ERROR_CANNOT_FIND_WND_CLASS);
}

// Creation messages carry CREATESTRUCTW; a procedure can refuse creation in
// WM_NCCREATE (FALSE) or WM_CREATE (-1).
int g_refuse_nccreate;
int g_refuse_create;

LRESULT WIN_CALLBACK CreationProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == standin::WM_NCCREATE || message == standin::WM_CREATE) {
    const auto* create = reinterpret_cast<const standin::CREATESTRUCTW*>(lparam);
    Record(window, message);
    if (create->lpCreateParams == &g_refuse_nccreate && message == standin::WM_NCCREATE) return FALSE;
    if (create->lpCreateParams == &g_refuse_create && message == standin::WM_CREATE) return -1;
    return DefWindowProcW(window, message, wparam, lparam);
  }
  return EchoProc(window, message, wparam, lparam);
}

TEST(CreateWindow, SendsCreationMessagesAndHonoursRefusal) {
  ScopedClass window_class(u"Creation", CreationProc);
  const std::size_t windows_before = standin::LiveWindowCount();

  int token = 0;
  HWND window = Create(u"Creation", &token);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(MessagesTo(window), (std::vector<UINT>{standin::WM_NCCREATE, standin::WM_CREATE}));
  EXPECT_EQ(GetWindowThreadProcessId(window, nullptr), GetCurrentThreadId());
  EXPECT_EQ(standin::LiveWindowCountOnThread(GetCurrentThreadId()), 1u);
  EXPECT_TRUE(DestroyWindow(window));

  EXPECT_EQ(Create(u"Creation", &g_refuse_nccreate), nullptr);
  EXPECT_EQ(Create(u"Creation", &g_refuse_create), nullptr);
  EXPECT_EQ(standin::LiveWindowCount(), windows_before);
  EXPECT_EQ(Create(u"NoSuchClass"), nullptr);
  EXPECT_EQ(GetLastError(), standin::ERROR_CANNOT_FIND_WND_CLASS);
}

TEST(WindowHandle, WithTheLow32BitsTopBitSetIsExactAndNeverReused) {
  ScopedClass window_class(u"TopBit", EchoProc);
  HWND earlier = Create(u"TopBit");
  // Like 0x1'8000'1234, above every handle so far, however many tests ran.
  const uintptr_t top_bit = ((reinterpret_cast<uintptr_t>(earlier) >> 32) + 1) << 32 | 0x8000'1234;
  ASSERT_TRUE(standin::SetNextWindowHandle(top_bit));
  HWND window = Create(u"TopBit");
  ASSERT_EQ(reinterpret_cast<uintptr_t>(window), top_bit);
  EXPECT_EQ(SendMessageW(window, kAddOne, 7, 0), 8);

  // A handle cut to 32 bits, or cut and sign-extended, is another window.
  EXPECT_FALSE(IsWindow(reinterpret_cast<HWND>(uintptr_t{0x8000'1234})));
  EXPECT_FALSE(IsWindow(reinterpret_cast<HWND>(uintptr_t{0xFFFF'FFFF'8000'1234})));
  EXPECT_FALSE(PostMessageW(reinterpret_cast<HWND>(uintptr_t{0x8000'1234}), kAddOne, 0, 0));

  EXPECT_FALSE(standin::SetNextWindowHandle(top_bit));
  EXPECT_FALSE(standin::SetNextWindowHandle(reinterpret_cast<uintptr_t>(earlier)));
  EXPECT_TRUE(DestroyWindow(window));
  HWND next = Create(u"TopBit");
  EXPECT_EQ(reinterpret_cast<uintptr_t>(next), top_bit + 1);
  for (HWND live : {earlier, next}) EXPECT_TRUE(DestroyWindow(live));
}

// The plug-in, the companion and the preview pump with no filter.
TEST(PostedMessages, ArriveInOrder) {
  ScopedClass window_class(u"Posted", EchoProc);
  HWND first = Create(u"Posted");
  HWND second = Create(u"Posted");
  ASSERT_TRUE(PostMessageW(first, kAddOne, 1, 0));
  ASSERT_TRUE(PostMessageW(first, kWhichThread, 2, 0));
  ASSERT_TRUE(PostMessageW(second, kAddOne, 3, 0));
  ASSERT_TRUE(PostMessageW(nullptr, kAddOne, 4, 0));  // a thread message

  MSG msg{};
  ASSERT_EQ(GetMessageW(&msg, nullptr, 0, 0), TRUE);
  EXPECT_EQ(msg.hwnd, first);
  EXPECT_EQ(DispatchMessageW(&msg), 2);
  for (const auto& [window, wparam] : {std::pair{first, 2u}, std::pair{second, 3u}, std::pair{HWND{}, 4u}}) {
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, window);
    EXPECT_EQ(msg.wParam, wparam);
  }
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));

  // A posted WM_COPYDATA would leave its data pointer dangling.
  EXPECT_FALSE(PostMessageW(first, WM_COPYDATA, 0, 0));
  EXPECT_EQ(GetLastError(), standin::ERROR_MESSAGE_SYNC_ONLY);
  EXPECT_TRUE(DestroyWindow(first));
  EXPECT_TRUE(DestroyWindow(second));
}

TEST(PostedMessages, QuitComesOnceTheQueueIsEmpty) {
  // On a fresh thread, so that no quit request is left behind for later tests.
  std::thread([] {
    ScopedClass window_class(u"Quit", EchoProc);
    HWND window = Create(u"Quit");
    PostMessageW(window, kAddOne, 1, 0);
    PostQuitMessage(7);
    PostMessageW(window, kAddOne, 2, 0);

    MSG msg{};
    EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(msg.wParam, 1u);
    EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(msg.wParam, 2u);
    // WM_QUIT passes any message range, but it is no window's message.
    EXPECT_FALSE(PeekMessageW(&msg, window, 0, 0, PM_REMOVE));
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE));
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), FALSE);
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    // A WM_QUIT posted like any message passes a range filter too.
    PostMessageW(window, kAddOne, 1, 0);
    PostMessageW(window, WM_QUIT, 3, 0);
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_USER + 100, WM_USER + 100, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_TRUE(DestroyWindow(window));
  }).join();
}

TEST(DestroyWindow, DropsEverythingStillAddressedToTheWindow) {
  ScopedClass window_class(u"Doomed", EchoProc);
  HWND window = Create(u"Doomed");
  ASSERT_TRUE(PostMessageW(window, kAddOne, 1, 0));
  MSG stale{};
  ASSERT_TRUE(PeekMessageW(&stale, window, 0, 0, PM_NOREMOVE));

  ASSERT_TRUE(DestroyWindow(window));
  const std::vector<Call> calls = CallsTo(window);
  ASSERT_EQ(calls.size(), 4u);  // WM_NCCREATE, WM_CREATE, then
  EXPECT_EQ(calls[2].message, WM_DESTROY);
  EXPECT_TRUE(calls[2].window_alive);  // the handle is still valid during WM_DESTROY
  EXPECT_EQ(calls[3].message, standin::WM_NCDESTROY);
  EXPECT_FALSE(IsWindow(window));

  MSG msg{};
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(DispatchMessageW(&stale), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_EQ(SendMessageW(window, kAddOne, 1, 0), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_FALSE(PostMessageW(window, kAddOne, 1, 0));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_FALSE(DestroyWindow(window));
  EXPECT_EQ(CallsTo(window).size(), 4u);
}

TEST(DestroyWindow, IsRefusedToOtherThreads) {
  ScopedClass window_class(u"Foreign", PumpedProc);
  WindowThread owner(u"Foreign");
  EXPECT_FALSE(DestroyWindow(owner.window()));
  EXPECT_EQ(GetLastError(), standin::ERROR_ACCESS_DENIED);
  EXPECT_TRUE(IsWindow(owner.window()));

  MSG msg{owner.window(), kAddOne, 1, 0, 0, {}};
  EXPECT_EQ(DispatchMessageW(&msg), 0);  // its procedure runs on its own thread only
  EXPECT_EQ(GetLastError(), standin::ERROR_ACCESS_DENIED);

  // WM_CLOSE reaches DefWindowProcW on the owner thread, which may destroy it.
  FinishesWithin(10s, "WM_CLOSE to another thread", [&] { SendMessageW(owner.window(), WM_CLOSE, 0, 0); });
  EXPECT_FALSE(IsWindow(owner.window()));
}

TEST(CrossThreadSend, WaitsForTheOwnerAndReturnsTheProcedureResult) {
  ScopedClass window_class(u"Waiting", EchoProc);
  HWND window = Create(u"Waiting");  // owned by this thread, which does not pump yet
  std::atomic<bool> first_returned{false};
  std::atomic<bool> second_returned{false};
  LRESULT added = 0;
  LRESULT ran_on = 0;
  std::thread sender([&] {
    added = SendMessageW(window, kAddOne, 41, 0);
    first_returned = true;
    PostMessageW(window, kAddOne, 0, 0);  // wakes the GetMessageW below
    ran_on = SendMessageW(window, kWhichThread, 0, 0);
    second_returned = true;
  });

  WaitForPendingSends(window, 1);
  EXPECT_FALSE(first_returned) << "SendMessageW returned before the owner thread handled it";
  FinishesWithin(10s, "cross-thread SendMessageW", [&] {
    MSG msg{};
    EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), TRUE);  // delivers the send, returns the post
    EXPECT_TRUE(first_returned);
    while (!second_returned) {
      PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
      std::this_thread::yield();
    }
    sender.join();
  });
  EXPECT_EQ(added, 42);
  EXPECT_EQ(ran_on, static_cast<LRESULT>(GetCurrentThreadId()));
  EXPECT_TRUE(DestroyWindow(window));
}

// Each window's partner; kPing sends kAddOne to it from inside the procedure.
std::atomic<HWND> g_ping_windows[2];

LRESULT WIN_CALLBACK PingProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == kPing) {
    HWND partner = window == g_ping_windows[0] ? g_ping_windows[1].load() : g_ping_windows[0].load();
    return SendMessageW(partner, kAddOne, wparam, 0) + 100;
  }
  return EchoProc(window, message, wparam, lparam);
}

TEST(CrossThreadSend, TwoThreadsSendingToEachOtherDoNotDeadlock) {
  ScopedClass window_class(u"Ping", PingProc);
  constexpr int kRounds = 300;
  HWND mine = Create(u"Ping");
  std::promise<HWND> created;
  std::promise<void> start;
  std::shared_future<void> go = start.get_future().share();
  std::atomic<int> their_wrong_answers{0};
  std::atomic<bool> their_rounds_done{false};
  std::thread other([&] {
    HWND theirs = Create(u"Ping");
    created.set_value(theirs);
    go.wait();
    for (int round = 0; round < kRounds; ++round) {
      if (SendMessageW(mine, kPing, round, 0) != round + 101) ++their_wrong_answers;
    }
    their_rounds_done = true;
    PumpUntilQuit();
  });
  g_ping_windows[0] = mine;
  g_ping_windows[1] = created.get_future().get();

  FinishesWithin(30s, "mutual SendMessageW", [&] {
    start.set_value();
    int wrong_answers = 0;
    for (int round = 0; round < kRounds; ++round) {
      if (SendMessageW(g_ping_windows[1], kPing, round, 0) != round + 101) ++wrong_answers;
    }
    EXPECT_EQ(wrong_answers, 0);
    MSG msg{};
    while (!their_rounds_done) {  // answers the partner's remaining rounds
      PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
      std::this_thread::yield();
    }
    // Blocked in its own send, this thread still answers the partner's kAddOne.
    EXPECT_EQ(SendMessageW(g_ping_windows[1], kPing, 1, 0), 102);
    PostMessageW(g_ping_windows[1], WM_QUIT, 0, 0);  // ends the partner's loop, and so its window
    other.join();
  });
  EXPECT_EQ(their_wrong_answers, 0);
  EXPECT_TRUE(DestroyWindow(mine));
}

TEST(CrossThreadSend, BlockedSenderIsReleasedWhenTheWindowIsDestroyed) {
  ScopedClass window_class(u"Destroyed", EchoProc);
  std::promise<HWND> created;
  std::promise<void> destroy;
  std::thread owner([&] {
    HWND window = Create(u"Destroyed");
    created.set_value(window);
    destroy.get_future().wait();
    DestroyWindow(window);  // without pumping: the waiting send is never handled
  });
  HWND window = created.get_future().get();
  BlockedSender sender(window);
  destroy.set_value();
  FinishesWithin(10s, "sender of a destroyed window", [&] {
    sender.Join();
    owner.join();
  });
  EXPECT_EQ(sender.result(), 0);
  EXPECT_EQ(sender.error(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_EQ(MessagesTo(window),
            (std::vector<UINT>{standin::WM_NCCREATE, standin::WM_CREATE, WM_DESTROY, standin::WM_NCDESTROY}));
}

TEST(CrossThreadSend, BlockedSenderIsReleasedWhenTheOwnerThreadExits) {
  ScopedClass window_class(u"Orphan", EchoProc);
  std::promise<HWND> created;
  std::promise<void> leave;
  std::thread owner([&] {
    HWND window = Create(u"Orphan");
    Create(u"Orphan");
    Create(u"Orphan");
    created.set_value(window);
    leave.get_future().wait();  // then exits without pumping or destroying
  });
  HWND window = created.get_future().get();
  DWORD process = 0;
  const DWORD owner_id = GetWindowThreadProcessId(window, &process);
  EXPECT_NE(owner_id, 0u);
  EXPECT_NE(owner_id, GetCurrentThreadId());
  EXPECT_EQ(process, static_cast<DWORD>(getpid()));
  EXPECT_EQ(standin::LiveWindowCountOnThread(owner_id), 3u);

  BlockedSender sender(window);
  leave.set_value();
  FinishesWithin(10s, "sender of an exited thread", [&] {
    owner.join();
    sender.Join();
  });
  EXPECT_EQ(sender.result(), 0);
  EXPECT_EQ(sender.error(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(standin::LiveWindowCountOnThread(owner_id), 0u);
  // Nothing ran the procedure once its thread was gone, not even WM_DESTROY.
  EXPECT_EQ(MessagesTo(window), (std::vector<UINT>{standin::WM_NCCREATE, standin::WM_CREATE}));
}

// What the plug-in's window class is made of.
TEST(FakeHandles, StandForTheExecutableAndThePredefinedResources) {
  HMODULE executable = GetModuleHandleW(nullptr);
  EXPECT_NE(executable, nullptr);
  {
    platform::ScopedFault fault(platform::FaultPoint::ModuleHandle, 2);
    EXPECT_EQ(GetModuleHandleW(nullptr), executable);
    EXPECT_EQ(GetModuleHandleW(nullptr), nullptr) << "the second call fails";
    EXPECT_EQ(GetLastError(), standin::ERROR_MOD_NOT_FOUND);
    EXPECT_EQ(GetModuleHandleW(nullptr), executable);
  }
  EXPECT_EQ(GetModuleHandleW(nullptr), executable);

  EXPECT_NE(LoadIconW(nullptr, MakeIntResource(IDI_APPLICATION)), nullptr);
  EXPECT_NE(LoadCursorW(nullptr, MakeIntResource(IDC_CROSS)), nullptr);
  EXPECT_NE(GetStockObject(BLACK_BRUSH), nullptr);
}

}  // namespace
