// The gallery host: shows one page per control family. Command line:
//   --page TITLE           start on that page
//   --screenshot FILE.png  save the window with the start page, then exit
//   --screenshot-dir DIR   save every page as DIR/NN_title.png (and every further scene of
//                          a page as DIR/NN_title_scene.png), then exit
#include "gallery_window.h"
#include "screenshot.h"

#include <cstdio>
#include <cstdlib>
#include <tchar.h>

namespace {

// A line on the console, written in the ANSI code page whatever the build's character set.
void WriteLine(FILE* pFile, const char* pszText)
{
    std::fprintf(pFile, "%s\n", pszText);
}

inline void WriteLine(FILE* pFile, const wchar_t* pszText)
{
    const int nBytes = ::WideCharToMultiByte(CP_ACP, 0, pszText, -1, NULL, 0, NULL, NULL);
    char* pszNarrow = nBytes > 0 ? new char[nBytes] : NULL;
    if (pszNarrow != NULL && ::WideCharToMultiByte(CP_ACP, 0, pszText, -1, pszNarrow, nBytes, NULL, NULL) > 0)
        WriteLine(pFile, pszNarrow);
    delete[] pszNarrow;
}

struct Options {
    LPCTSTR page = NULL;
    LPCTSTR screenshot = NULL;
    LPCTSTR screenshotDir = NULL;
};

Options ParseOptions()
{
    Options options;
    for (int i = 1; i + 1 < __argc; ++i) {
        if (_tcscmp(__targv[i], _T("--page")) == 0)
            options.page = __targv[++i];
        else if (_tcscmp(__targv[i], _T("--screenshot")) == 0)
            options.screenshot = __targv[++i];
        else if (_tcscmp(__targv[i], _T("--screenshot-dir")) == 0)
            options.screenshotDir = __targv[++i];
    }
    return options;
}

// "Combo box" -> "combo_box"
CString FileStem(const CString& title)
{
    CString stem(title);
    stem.MakeLower();
    stem.Replace(' ', '_');
    return stem;
}

const DWORD kSettleMs = 600;

} // namespace

class GalleryApp : public CWinApp
{
public:
    virtual BOOL InitInstance();
    virtual int ExitInstance();

private:
    BOOL SaveAllPages(LPCTSTR pszDir);
    GalleryWindow* m_pGallery = NULL;
    int m_nExitCode = 0;
};

GalleryApp theApp;

BOOL GalleryApp::InitInstance()
{
    const Options options = ParseOptions();
    m_pGallery = new GalleryWindow;
    if (!m_pGallery->CreateGallery())
        return FALSE;
    m_pMainWnd = m_pGallery;
    m_pGallery->ShowWindow(SW_SHOW);
    int nStart = options.page != NULL ? m_pGallery->FindPage(options.page) : 0;
    if (nStart < 0) {
        CString strError;
        strError.Format(_T("gallery: no page \"%s\""), options.page);
        WriteLine(stderr, strError);
        m_nExitCode = 2;
        nStart = 0;
    }
    m_pGallery->ShowPage(nStart);
    m_pGallery->UpdateWindow();

    if (options.screenshot == NULL && options.screenshotDir == NULL)
        return TRUE;
    BOOL bSaved = TRUE;
    if (options.screenshotDir != NULL)
        bSaved = SaveAllPages(options.screenshotDir);
    if (options.screenshot != NULL) {
        m_pGallery->ShowPage(nStart);
        m_pGallery->Settle(kSettleMs);
        bSaved = SaveWindowScreenshot(m_pGallery->GetSafeHwnd(), options.screenshot) && bSaved;
        WriteLine(stdout, CString(bSaved ? _T("saved ") : _T("could not save ")) + options.screenshot);
    }
    if (!bSaved)
        m_nExitCode = 1;
    m_pGallery->DestroyWindow();
    return TRUE;
}

BOOL GalleryApp::SaveAllPages(LPCTSTR pszDir)
{
    BOOL bAll = TRUE;
    for (int i = 0; i < m_pGallery->GetPageCount(); ++i) {
        m_pGallery->ShowPage(i);
        GalleryPage* pPage = m_pGallery->GetPage();
        const int nScenes = pPage != NULL ? pPage->GetSceneCount() : 1;
        for (int nScene = 0; nScene < nScenes; ++nScene) {
            CString path;
            path.Format(_T("%s\\%02d_%s"), pszDir, i + 1, (LPCTSTR)FileStem(m_pGallery->GetPageTitle(i)));
            if (nScene > 0) {
                pPage->ShowScene(nScene);
                path += _T("_") + FileStem(pPage->GetSceneName(nScene));
            }
            path += _T(".png");
            m_pGallery->Settle(kSettleMs);
            const BOOL bSaved = SaveWindowScreenshot(m_pGallery->GetSafeHwnd(), path);
            WriteLine(stdout, CString(bSaved ? _T("saved ") : _T("could not save ")) + path);
            bAll = bAll && bSaved;
        }
    }
    return bAll;
}

int GalleryApp::ExitInstance()
{
    delete m_pGallery;
    m_pGallery = NULL;
    CWinApp::ExitInstance();
    return m_nExitCode;
}
