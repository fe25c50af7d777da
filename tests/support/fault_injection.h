// Makes the library's requests for resources fail on purpose, in this process only: the
// import tables of the control DLL, the skin engine and the framework are patched so that
// allocation (malloc, calloc, realloc, and operator new where a module imports it), window
// creation, GDI objects (fonts, DCs, bitmaps, brushes, pens, regions), timers, window class
// registration, hooks (counted while held), GetDC and deferred window batches pass through a
// counter. The N-th request from the start of the injector fails, once or from then on, or
// the next one of a kind; the rest go to the system.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace vxtest {

enum class Request { Allocation, Window, Gdi, Timer, ClassRegistration, Hook, DeviceContext, WindowBatch, Kinds };
const char* RequestName(Request kind);

class FaultInjector
{
public:
    FaultInjector();
    ~FaultInjector();
    FaultInjector(const FaultInjector&) = delete;
    FaultInjector& operator=(const FaultInjector&) = delete;

    // Request number n (from 1, counted over every kind) fails, and with fromThenOn every
    // later one too; 0 fails none.
    void FailAt(long n, bool fromThenOn);
    // The next request of one kind fails, once.
    void FailNextOf(Request kind);
    void Stop();                      // nothing fails any more; counting goes on
    long Requests() const;            // made so far
    long Count(Request kind) const;   // made so far of one kind
    long LiveHooks() const;           // hooks made and not given back since the injector began
    bool Failed() const;              // the chosen request has come and failed
    Request FailedKind() const;       // its kind, once Failed()
    std::string FailedCaller() const; // "module+offset" of the code that asked, and its callers

private:
    std::vector<std::unique_ptr<class ImportPatch>> m_patches;
};

} // namespace vxtest
