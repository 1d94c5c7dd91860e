// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/local_single_copy.h"

#include <chrono>
#include <thread>
#include <utility>

#include "app/settings_store.h"
#include "platform/windows/wide_text.h"

namespace vorlix {

namespace {

constexpr auto kAnswerTimeout = std::chrono::seconds(3);
constexpr auto kFindRetry = std::chrono::milliseconds(50);
constexpr const wchar_t* kWindowClass = L"VorlixSingleCopy";
constexpr UINT kActivate = WM_APP + 1;

}  // namespace

struct LocalSingleCopy::System {
    HANDLE mutex = nullptr;
    HWND window = nullptr;
    std::function<void()> activate;
    // A request came before the word window was there to come forward.
    bool requested = false;

    ~System()
    {
        if (window) DestroyWindow(window);
        if (mutex) CloseHandle(mutex);
    }

    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message != kActivate) return DefWindowProcW(window, message, wParam, lParam);
        auto* self = reinterpret_cast<System*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self && self->activate) self->activate();
        if (self && !self->activate) self->requested = true;
        return 0;
    }

    // A message-only window: never shown, found by its title, served by the event loop of the
    // thread that made it, the user-interface thread. Messages posted to it before that loop runs
    // wait in the thread's queue.
    void listen(const std::wstring& title)
    {
        const HINSTANCE module = GetModuleHandleW(nullptr);
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &windowProcedure;
        windowClass.hInstance = module;
        windowClass.lpszClassName = kWindowClass;
        // A second registration in the same process fails harmlessly: the class is there.
        RegisterClassW(&windowClass);
        window = CreateWindowExW(0, kWindowClass, title.c_str(), 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, module, nullptr);
        if (window) SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
};

LocalSingleCopy::LocalSingleCopy(std::string key)
    : name_(std::string(kSettingsSection) + "-" + key), system_(std::make_unique<System>())
{
}

LocalSingleCopy::~LocalSingleCopy() = default;

bool LocalSingleCopy::anotherCopyRuns()
{
    if (system_->mutex) return false;
    // "Local\": the namespace of the user's log-on session, not the machine's; the key in the
    // name keeps apart users who share a session (run as another user).
    HANDLE mutex = CreateMutexW(nullptr, FALSE, (L"Local\\" + wideFrom(name_)).c_str());
    const DWORD error = GetLastError();
    // Refused access, the name is taken by a copy that runs; any other failure says nothing, and
    // running is better than refusing to start.
    if (!mutex) return error == ERROR_ACCESS_DENIED;
    if (error == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return true;
    }
    // The system closes it when the process ends, however it ends: no lock is ever left behind.
    system_->mutex = mutex;
    system_->listen(wideFrom(name_));
    return false;
}

bool LocalSingleCopy::activateRunningCopy()
{
    const std::wstring title = wideFrom(name_);
    const auto giveUp = std::chrono::steady_clock::now() + kAnswerTimeout;
    do {
        // Newest first, as windows are found: a copy that started in place of one that no longer
        // answered comes before that one.
        HWND running = nullptr;
        while ((running = FindWindowExW(HWND_MESSAGE, running, kWindowClass, title.c_str()))) {
            // Started by the user, this copy may bring a window to the front; it hands that on.
            DWORD processId = 0;
            GetWindowThreadProcessId(running, &processId);
            AllowSetForegroundWindow(processId);
            // A posted message would wait for a copy that is suspended or hung as well: the copy
            // counts as running when it has taken the request.
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(giveUp - std::chrono::steady_clock::now());
            DWORD_PTR result = 0;
            if (left.count() > 0 &&
                SendMessageTimeoutW(running, kActivate, 0, 0, SMTO_ABORTIFHUNG, UINT(left.count()), &result))
                return true;
        }
        std::this_thread::sleep_for(kFindRetry);
    } while (std::chrono::steady_clock::now() < giveUp);
    // This copy runs in place of one that does not answer, and answers the later starts. It keeps
    // the name taken while it runs, even once that one has ended.
    if (!system_->mutex) {
        system_->mutex = CreateMutexW(nullptr, FALSE, (L"Local\\" + title).c_str());
        system_->listen(title);
    }
    return false;
}

void LocalSingleCopy::onActivation(std::function<void()> activate)
{
    system_->activate = std::move(activate);
    if (std::exchange(system_->requested, false)) system_->activate();
}

}  // namespace vorlix
