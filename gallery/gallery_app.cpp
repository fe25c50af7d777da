// The gallery host: shows one page per control family. Command line:
//   --page TITLE           start on that page
//   --screenshot FILE.png  save the window with the start page, then exit
//   --screenshot-dir DIR   save every page as DIR/NN_title.png (and every further scene of
//                          a page as DIR/NN_title_scene.png), then exit
#include "gallery_window.h"
#include "screenshot.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Options {
    const char* page = NULL;
    const char* screenshot = NULL;
    const char* screenshotDir = NULL;
};

Options ParseOptions()
{
    Options options;
    for (int i = 1; i + 1 < __argc; ++i) {
        if (std::strcmp(__argv[i], "--page") == 0)
            options.page = __argv[++i];
        else if (std::strcmp(__argv[i], "--screenshot") == 0)
            options.screenshot = __argv[++i];
        else if (std::strcmp(__argv[i], "--screenshot-dir") == 0)
            options.screenshotDir = __argv[++i];
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
    BOOL SaveAllPages(const char* pszDir);
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
        std::fprintf(stderr, "gallery: no page \"%s\"\n", options.page);
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
        std::printf("%s %s\n", bSaved ? "saved" : "could not save", options.screenshot);
    }
    if (!bSaved)
        m_nExitCode = 1;
    m_pGallery->DestroyWindow();
    return TRUE;
}

BOOL GalleryApp::SaveAllPages(const char* pszDir)
{
    BOOL bAll = TRUE;
    for (int i = 0; i < m_pGallery->GetPageCount(); ++i) {
        m_pGallery->ShowPage(i);
        GalleryPage* pPage = m_pGallery->GetPage();
        const int nScenes = pPage != NULL ? pPage->GetSceneCount() : 1;
        for (int nScene = 0; nScene < nScenes; ++nScene) {
            CString path;
            path.Format("%s\\%02d_%s", pszDir, i + 1, (LPCTSTR)FileStem(m_pGallery->GetPageTitle(i)));
            if (nScene > 0) {
                pPage->ShowScene(nScene);
                path += "_" + FileStem(pPage->GetSceneName(nScene));
            }
            path += ".png";
            m_pGallery->Settle(kSettleMs);
            const BOOL bSaved = SaveWindowScreenshot(m_pGallery->GetSafeHwnd(), path);
            std::printf("%s %s\n", bSaved ? "saved" : "could not save", (LPCTSTR)path);
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
