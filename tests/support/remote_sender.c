/* A second process that sends or posts one message to a window of another process, as any
 * program on the desktop may: "send|post HWND MESSAGE WPARAM LPARAM", numbers in hex. Prints
 * the answer of a send in hex; exits 0 when the message went out. */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv)
{
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD_PTR result = 0;
    if (argc < 6)
        return 2;
    hwnd = (HWND)(INT_PTR)_strtoui64(argv[2], NULL, 16);
    message = (UINT)strtoul(argv[3], NULL, 16);
    wParam = (WPARAM)_strtoui64(argv[4], NULL, 16);
    lParam = (LPARAM)_strtoui64(argv[5], NULL, 16);
    if (strcmp(argv[1], "post") == 0)
        return PostMessageA(hwnd, message, wParam, lParam) ? 0 : 1;
    if (!SendMessageTimeoutA(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG, 10000, &result))
        return 1;
    printf("%llx\n", (unsigned long long)result);
    return 0;
}
