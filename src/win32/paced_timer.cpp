// High-resolution waitable timers where Windows has them (10, 1803 on); elsewhere the system's
// clock is asked for millisecond resolution while the program runs.
#include "win32/paced_timer.h"

#include "surface/timer.h"

#include <algorithm>

namespace win32 {
namespace {

std::vector<PacedTimer*>& timers()
{
    static std::vector<PacedTimer*> all;
    return all;
}

// Not in every SDK's headers yet.
constexpr DWORD kHighResolution = 0x00000002;  // CREATE_WAITABLE_TIMER_HIGH_RESOLUTION

HANDLE makeTimer()
{
    if (HANDLE fine = CreateWaitableTimerExW(nullptr, nullptr, kHighResolution, TIMER_ALL_ACCESS))
        return fine;
    static const bool fineClock = [] {
        // winmm's timeBeginPeriod, looked up so that a system without high-resolution timers alone needs it.
        using Function = UINT(WINAPI*)(UINT);
        HMODULE winmm = LoadLibraryW(L"winmm.dll");
        const auto begin = winmm ? reinterpret_cast<Function>(
                                       reinterpret_cast<void*>(GetProcAddress(winmm, "timeBeginPeriod")))
                                 : nullptr;
        return begin && begin(1) == 0;
    }();
    (void)fineClock;
    return CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
}

}  // namespace

PacedTimer::PacedTimer(surface::Timer& timer) : timer_(timer), handle_(makeTimer())
{
    timers().push_back(this);
}

PacedTimer::~PacedTimer()
{
    std::erase(timers(), this);
    CloseHandle(handle_);
}

void PacedTimer::Arm(int delayMs)
{
    LARGE_INTEGER due;
    due.QuadPart = -10000LL * std::max(0, delayMs);  // relative, in 100 ns
    armed_ = SetWaitableTimer(handle_, &due, 0, nullptr, nullptr, FALSE) != 0;
}

void PacedTimer::Disarm()
{
    armed_ = false;
    CancelWaitableTimer(handle_);
}

std::vector<PacedTimer*> PacedTimer::Armed()
{
    std::vector<PacedTimer*> armed;
    for (PacedTimer* timer : timers())
        if (timer->armed_)
            armed.push_back(timer);
    return armed;
}

bool PacedTimer::Exists(const PacedTimer* timer)
{
    return std::find(timers().begin(), timers().end(), timer) != timers().end();
}

void PacedTimer::Due()
{
    armed_ = false;
    timer_.Fire();
}

}  // namespace win32
