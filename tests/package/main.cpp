// Links against the installed headers and import libraries and loads the DLLs.
#include <afxwin.h>
#include <vexelcore.h>
#include <cstdio>

int main()
{
    CString text("package");
    HFONT font = vxGetFont("default");
    if (font != NULL)
        ::DeleteObject(font);
    std::printf("installed package works: %s\n", (LPCTSTR)text);
    return text.GetLength() == 7 ? 0 : 1;
}
