#include "vxtest.h"

#include <cstdio>
#include <cstdlib>

namespace vxtest {

std::string RunProgramBesideThis(const std::string& program, const std::string& arguments, int* exitCode,
                                 DWORD timeoutMs)
{
    if (exitCode != nullptr)
        *exitCode = -1;
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string folder = path;
    folder = folder.substr(0, folder.find_last_of("\\/") + 1);
    std::string command = "\"" + folder + program + "\" " + arguments;

    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), NULL, TRUE};
    HANDLE readEnd = NULL, writeEnd = NULL;
    if (!::CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return std::string();
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process = {};
    const BOOL started = ::CreateProcessA(NULL, &command[0], NULL, NULL, TRUE, 0, NULL, NULL, &startup, &process);
    ::CloseHandle(writeEnd);
    std::string output;
    if (started) {
        const bool ended = PumpUntil([&] { return ::WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; },
                                     timeoutMs);
        DWORD code = 0;
        if (ended && exitCode != nullptr && ::GetExitCodeProcess(process.hProcess, &code))
            *exitCode = static_cast<int>(code);
        if (!ended)
            ::TerminateProcess(process.hProcess, 3);
        char buffer[512];
        DWORD got = 0;
        while (::ReadFile(readEnd, buffer, sizeof(buffer), &got, NULL) && got > 0)
            output.append(buffer, got);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    ::CloseHandle(readEnd);
    while (!output.empty() && (output.back() == '\n' || output.back() == '\r'))
        output.pop_back();
    return output;
}

namespace {

std::string Hex(unsigned long long n)
{
    char text[32];
    std::snprintf(text, sizeof(text), "%llx", n);
    return text;
}

std::string MessageArguments(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return Hex(reinterpret_cast<UINT_PTR>(hwnd)) + " " + Hex(message) + " " + Hex(wParam) + " " +
           Hex(static_cast<ULONG_PTR>(lParam));
}

} // namespace

bool SendFromAnotherProcess(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    int code = -1;
    const std::string answer =
        RunProgramBesideThis("vx_remote_sender.exe", "send " + MessageArguments(hwnd, message, wParam, lParam), &code);
    if (code != 0)
        return false;
    if (result != nullptr)
        *result = static_cast<LRESULT>(std::strtoull(answer.c_str(), nullptr, 16));
    return true;
}

bool PostFromAnotherProcess(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    int code = -1;
    RunProgramBesideThis("vx_remote_sender.exe", "post " + MessageArguments(hwnd, message, wParam, lParam), &code);
    return code == 0;
}

} // namespace vxtest
