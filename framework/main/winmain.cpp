// The entry point of a framework host program: the application object does the rest.
#include <afxwin.h>

// _tWinMain is wWinMain in a Unicode build (linked with -municode there).
extern "C" int WINAPI _tWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
