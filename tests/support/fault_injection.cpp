#include "fault_injection.h"

#include "import_patch.h"

#include <cstdio>
#include <cstdlib>
#include <new>

namespace vxtest {
namespace {

struct State {
    volatile LONG requests = 0;
    volatile LONG counts[static_cast<int>(Request::Kinds)] = {};
    long failAt = 0;
    bool fromThenOn = false;
    bool failNextOfKind = false;
    Request nextKind = Request::Allocation;
    volatile LONG failed = 0;
    volatile LONG liveHooks = 0;     // hooks made and not given back since the injector began
    Request failedKind = Request::Allocation;
    void* failedCaller = nullptr;
    void* failedStack[8] = {};       // the calls that led to it, innermost first
    USHORT failedDepth = 0;
};
State g_state;

// Counts one request; true when it is to fail. The caller is the library's code that asked.
#define Fails(kind) FailsFor(kind, __builtin_return_address(0))
bool FailsFor(Request kind, void* caller)
{
    const long n = ::InterlockedIncrement(&g_state.requests);
    ::InterlockedIncrement(&g_state.counts[static_cast<int>(kind)]);
    bool fail = g_state.failAt != 0 && (n == g_state.failAt || (g_state.fromThenOn && n > g_state.failAt));
    if (g_state.failNextOfKind && kind == g_state.nextKind) {
        g_state.failNextOfKind = false;
        fail = true;
    }
    if (fail && ::InterlockedExchange(&g_state.failed, 1) == 0) {
        g_state.failedKind = kind;
        g_state.failedCaller = caller;
        g_state.failedDepth = ::RtlCaptureStackBackTrace(2, 8, g_state.failedStack, NULL);
    }
    return fail;
}

// One replacement per function: the system's function, called unless the request fails.
#define VX_FAULT(kind, failValue, ret, name, params, args)                                       \
    using name##Fn = ret(WINAPI*) params;                                                        \
    name##Fn g_##name = nullptr;                                                                  \
    ret WINAPI Fake##name params                                                                  \
    {                                                                                             \
        if (Fails(kind)) {                                                                        \
            ::SetLastError(ERROR_NOT_ENOUGH_MEMORY);                                              \
            return failValue;                                                                     \
        }                                                                                         \
        return g_##name args;                                                                     \
    }

VX_FAULT(Request::Window, (HWND)NULL, HWND, CreateWindowExA,
         (DWORD a, LPCSTR b, LPCSTR c, DWORD d, int e, int f, int g, int h, HWND i, HMENU j, HINSTANCE k, LPVOID l),
         (a, b, c, d, e, f, g, h, i, j, k, l))
VX_FAULT(Request::Window, (HWND)NULL, HWND, CreateWindowExW,
         (DWORD a, LPCWSTR b, LPCWSTR c, DWORD d, int e, int f, int g, int h, HWND i, HMENU j, HINSTANCE k, LPVOID l),
         (a, b, c, d, e, f, g, h, i, j, k, l))
VX_FAULT(Request::Gdi, (HFONT)NULL, HFONT, CreateFontIndirectA, (const LOGFONTA* a), (a))
VX_FAULT(Request::Gdi, (HFONT)NULL, HFONT, CreateFontIndirectW, (const LOGFONTW* a), (a))
VX_FAULT(Request::Gdi, (HFONT)NULL, HFONT, CreateFontA,
         (int a, int b, int c, int d, int e, DWORD f, DWORD g, DWORD h, DWORD i, DWORD j, DWORD k, DWORD l, DWORD m, LPCSTR n),
         (a, b, c, d, e, f, g, h, i, j, k, l, m, n))
VX_FAULT(Request::Gdi, (HFONT)NULL, HFONT, CreateFontW,
         (int a, int b, int c, int d, int e, DWORD f, DWORD g, DWORD h, DWORD i, DWORD j, DWORD k, DWORD l, DWORD m, LPCWSTR n),
         (a, b, c, d, e, f, g, h, i, j, k, l, m, n))
VX_FAULT(Request::Gdi, (HDC)NULL, HDC, CreateCompatibleDC, (HDC a), (a))
VX_FAULT(Request::Gdi, (HBITMAP)NULL, HBITMAP, CreateCompatibleBitmap, (HDC a, int b, int c), (a, b, c))
VX_FAULT(Request::Gdi, (HBITMAP)NULL, HBITMAP, CreateBitmap, (int a, int b, UINT c, UINT d, const void* e), (a, b, c, d, e))
VX_FAULT(Request::Gdi, (HBRUSH)NULL, HBRUSH, CreateSolidBrush, (COLORREF a), (a))
VX_FAULT(Request::Gdi, (HBRUSH)NULL, HBRUSH, CreateBrushIndirect, (const LOGBRUSH* a), (a))
VX_FAULT(Request::Gdi, (HPEN)NULL, HPEN, CreatePen, (int a, int b, COLORREF c), (a, b, c))
VX_FAULT(Request::Gdi, (HPEN)NULL, HPEN, CreatePenIndirect, (const LOGPEN* a), (a))
VX_FAULT(Request::Gdi, (HRGN)NULL, HRGN, CreateRectRgn, (int a, int b, int c, int d), (a, b, c, d))
VX_FAULT(Request::Gdi, (HRGN)NULL, HRGN, CreateRectRgnIndirect, (const RECT* a), (a))
VX_FAULT(Request::Gdi, (HRGN)NULL, HRGN, CreateEllipticRgn, (int a, int b, int c, int d), (a, b, c, d))
VX_FAULT(Request::Gdi, (HRGN)NULL, HRGN, CreateRoundRectRgn, (int a, int b, int c, int d, int e, int f),
         (a, b, c, d, e, f))
VX_FAULT(Request::Gdi, (HRGN)NULL, HRGN, CreatePolygonRgn, (const POINT* a, int b, int c), (a, b, c))
VX_FAULT(Request::Timer, (UINT_PTR)0, UINT_PTR, SetTimer, (HWND a, UINT_PTR b, UINT c, TIMERPROC d), (a, b, c, d))
VX_FAULT(Request::ClassRegistration, (ATOM)0, ATOM, RegisterClassA, (const WNDCLASSA* a), (a))
VX_FAULT(Request::ClassRegistration, (ATOM)0, ATOM, RegisterClassW, (const WNDCLASSW* a), (a))
VX_FAULT(Request::ClassRegistration, (ATOM)0, ATOM, RegisterClassExA, (const WNDCLASSEXA* a), (a))
VX_FAULT(Request::ClassRegistration, (ATOM)0, ATOM, RegisterClassExW, (const WNDCLASSEXW* a), (a))
VX_FAULT(Request::WindowBatch, (HDWP)NULL, HDWP, BeginDeferWindowPos, (int a), (a))
VX_FAULT(Request::DeviceContext, (HDC)NULL, HDC, GetDC, (HWND a), (a))
VX_FAULT(Request::DeviceContext, (HDC)NULL, HDC, GetDCEx, (HWND a, HRGN b, DWORD c), (a, b, c))
VX_FAULT(Request::DeviceContext, (HDC)NULL, HDC, GetWindowDC, (HWND a), (a))
#undef VX_FAULT

// Hooks, counted while they are held.
using SetWindowsHookExFn = HHOOK(WINAPI*)(int, HOOKPROC, HINSTANCE, DWORD);
SetWindowsHookExFn g_SetWindowsHookExA = nullptr;
SetWindowsHookExFn g_SetWindowsHookExW = nullptr;
HHOOK HeldHook(HHOOK hHook)
{
    if (hHook != NULL)
        ::InterlockedIncrement(&g_state.liveHooks);
    return hHook;
}
HHOOK WINAPI FakeSetWindowsHookExA(int a, HOOKPROC b, HINSTANCE c, DWORD d)
{
    if (Fails(Request::Hook)) {
        ::SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return NULL;
    }
    return HeldHook(g_SetWindowsHookExA(a, b, c, d));
}
HHOOK WINAPI FakeSetWindowsHookExW(int a, HOOKPROC b, HINSTANCE c, DWORD d)
{
    if (Fails(Request::Hook)) {
        ::SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return NULL;
    }
    return HeldHook(g_SetWindowsHookExW(a, b, c, d));
}
using UnhookWindowsHookExFn = BOOL(WINAPI*)(HHOOK);
UnhookWindowsHookExFn g_UnhookWindowsHookEx = nullptr;
BOOL WINAPI FakeUnhookWindowsHookEx(HHOOK hHook)
{
    const BOOL bDone = g_UnhookWindowsHookEx(hHook);
    if (bDone)
        ::InterlockedDecrement(&g_state.liveHooks);
    return bDone;
}

// The C runtime's allocation functions, as the modules import them.
void* __cdecl FakeMalloc(size_t n) { return Fails(Request::Allocation) ? nullptr : std::malloc(n); }
void* __cdecl FakeCalloc(size_t n, size_t size) { return Fails(Request::Allocation) ? nullptr : std::calloc(n, size); }
void* __cdecl FakeRealloc(void* p, size_t n) { return Fails(Request::Allocation) ? nullptr : std::realloc(p, n); }
// The standard library's operator new, imported where a module does not define its own.
void* FakeNew(size_t n)
{
    if (Fails(Request::Allocation))
        throw std::bad_alloc();
    return std::malloc(n != 0 ? n : 1);
}

struct Replacement {
    const char* dll;
    const char* name;
    void* fake;
    void** original; // where the system's function is kept, for the fakes that call it
};

#define VX_SYSTEM(dll, name) {dll, #name, reinterpret_cast<void*>(&Fake##name), reinterpret_cast<void**>(&g_##name)}
const Replacement kReplacements[] = {
    VX_SYSTEM("user32.dll", CreateWindowExA), VX_SYSTEM("user32.dll", CreateWindowExW),
    VX_SYSTEM("gdi32.dll", CreateFontIndirectA), VX_SYSTEM("gdi32.dll", CreateFontIndirectW),
    VX_SYSTEM("gdi32.dll", CreateFontA), VX_SYSTEM("gdi32.dll", CreateFontW),
    VX_SYSTEM("gdi32.dll", CreateCompatibleDC), VX_SYSTEM("gdi32.dll", CreateCompatibleBitmap),
    VX_SYSTEM("gdi32.dll", CreateBitmap), VX_SYSTEM("gdi32.dll", CreateSolidBrush),
    VX_SYSTEM("gdi32.dll", CreateBrushIndirect), VX_SYSTEM("gdi32.dll", CreatePen),
    VX_SYSTEM("gdi32.dll", CreatePenIndirect), VX_SYSTEM("gdi32.dll", CreateRectRgn),
    VX_SYSTEM("gdi32.dll", CreateRectRgnIndirect), VX_SYSTEM("gdi32.dll", CreateEllipticRgn),
    VX_SYSTEM("gdi32.dll", CreateRoundRectRgn), VX_SYSTEM("gdi32.dll", CreatePolygonRgn),
    VX_SYSTEM("user32.dll", SetTimer), VX_SYSTEM("user32.dll", RegisterClassA),
    VX_SYSTEM("user32.dll", RegisterClassW), VX_SYSTEM("user32.dll", RegisterClassExA),
    VX_SYSTEM("user32.dll", RegisterClassExW), VX_SYSTEM("user32.dll", SetWindowsHookExA),
    VX_SYSTEM("user32.dll", SetWindowsHookExW), VX_SYSTEM("user32.dll", UnhookWindowsHookEx),
    VX_SYSTEM("user32.dll", BeginDeferWindowPos),
    VX_SYSTEM("user32.dll", GetDC),
    VX_SYSTEM("user32.dll", GetDCEx), VX_SYSTEM("user32.dll", GetWindowDC),
    {"msvcrt.dll", "malloc", reinterpret_cast<void*>(&FakeMalloc), nullptr},
    {"msvcrt.dll", "calloc", reinterpret_cast<void*>(&FakeCalloc), nullptr},
    {"msvcrt.dll", "realloc", reinterpret_cast<void*>(&FakeRealloc), nullptr},
    {"libstdc++-6.dll", sizeof(void*) == 8 ? "_Znwy" : "_Znwj", reinterpret_cast<void*>(&FakeNew), nullptr},
    {"libstdc++-6.dll", sizeof(void*) == 8 ? "_Znay" : "_Znaj", reinterpret_cast<void*>(&FakeNew), nullptr},
};
#undef VX_SYSTEM

} // namespace

const char* RequestName(Request kind)
{
    static const char* const kNames[] = {"allocation", "window", "gdi-object", "timer", "class-registration",
                                         "hook", "device-context", "window-batch"};
    return kNames[static_cast<int>(kind)];
}

FaultInjector::FaultInjector()
{
    g_state = State();
    for (HMODULE hModule : {ControlModule(), SkinEngineModule(), FrameworkModule()}) {
        for (const Replacement& r : kReplacements) {
            auto patch = std::make_unique<ImportPatch>(hModule, r.dll, r.name, r.fake);
            if (!patch->Active())
                continue;
            if (r.original != nullptr && *r.original == nullptr)
                *r.original = patch->Original();
            m_patches.push_back(std::move(patch));
        }
    }
}

FaultInjector::~FaultInjector()
{
    m_patches.clear();
}

void FaultInjector::FailAt(long n, bool fromThenOn)
{
    g_state.failAt = n;
    g_state.fromThenOn = fromThenOn;
}

void FaultInjector::FailNextOf(Request kind)
{
    g_state.nextKind = kind;
    g_state.failNextOfKind = true;
}

void FaultInjector::Stop()
{
    FailAt(0, false);
    g_state.failNextOfKind = false;
}

long FaultInjector::Requests() const
{
    return g_state.requests;
}

long FaultInjector::Count(Request kind) const
{
    return g_state.counts[static_cast<int>(kind)];
}

long FaultInjector::LiveHooks() const
{
    return g_state.liveHooks;
}

bool FaultInjector::Failed() const
{
    return g_state.failed != 0;
}

Request FaultInjector::FailedKind() const
{
    return g_state.failedKind;
}

namespace {

std::string PlaceOf(void* address)
{
    HMODULE hModule = NULL;
    if (address == nullptr ||
        !::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                              static_cast<LPCSTR>(address), &hModule))
        return "-";
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(hModule, path, MAX_PATH);
    std::string name = path;
    name = name.substr(name.find_last_of("\\/") + 1);
    char offset[32];
    std::snprintf(offset, sizeof(offset), "+0x%llx",
                  static_cast<unsigned long long>(static_cast<BYTE*>(address) - reinterpret_cast<BYTE*>(hModule)));
    return name + offset;
}

} // namespace

std::string FaultInjector::FailedCaller() const
{
    std::string places = PlaceOf(g_state.failedCaller);
    for (USHORT i = 0; i < g_state.failedDepth; ++i)
        places += " < " + PlaceOf(g_state.failedStack[i]);
    return places;
}

} // namespace vxtest
