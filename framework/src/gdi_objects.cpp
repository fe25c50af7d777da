// GDI object wrappers and the thread's temporary wrappers for foreign handles.
#include <afxwin.h>

#include "wnd_internal.h"

#include <unordered_map>

IMPLEMENT_DYNAMIC(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

namespace {

// Temporary wrappers hold handles they do not own; they are detached before deletion.
struct TempGdiMap {
    std::unordered_map<HGDIOBJ, CGdiObject*> objects;
    std::unordered_map<HDC, CDC*> dcs;
    ~TempGdiMap() { Clear(); }
    void Clear()
    {
        for (auto& entry : objects) {
            entry.second->m_hObject = NULL;
            delete entry.second;
        }
        objects.clear();
        for (auto& entry : dcs) {
            entry.second->m_hDC = NULL;
            entry.second->m_hAttribDC = NULL;
            delete entry.second;
        }
        dcs.clear();
    }
};

TempGdiMap& TempMap()
{
    return AfxPerThread<TempGdiMap>();
}

CGdiObject* NewWrapperFor(HGDIOBJ hObject)
{
    switch (::GetObjectType(hObject)) {
    case OBJ_PEN:
    case OBJ_EXTPEN:
        return new CPen;
    case OBJ_BRUSH:
        return new CBrush;
    case OBJ_FONT:
        return new CFont;
    case OBJ_BITMAP:
        return new CBitmap;
    case OBJ_REGION:
        return new CRgn;
    default:
        return new CGdiObject;
    }
}

} // namespace

CDC* AfxTempDCFromHandle(HDC hDC);

CDC* AfxTempDCFromHandle(HDC hDC)
{
    auto& dcs = TempMap().dcs;
    auto found = dcs.find(hDC);
    if (found != dcs.end())
        return found->second;
    CDC* pDC = new CDC;
    pDC->m_hDC = pDC->m_hAttribDC = hDC;
    dcs[hDC] = pDC;
    return pDC;
}

void AFXAPI AfxDeleteTempGdiMaps()
{
    TempMap().Clear();
}

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject)
{
    if (hObject == NULL)
        return NULL;
    auto& objects = TempMap().objects;
    auto found = objects.find(hObject);
    if (found != objects.end())
        return found->second;
    CGdiObject* pObject = NewWrapperFor(hObject);
    pObject->m_hObject = hObject;
    objects[hObject] = pObject;
    return pObject;
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject == NULL || m_hObject != NULL)
        return FALSE;
    m_hObject = hObject;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    m_hObject = NULL;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == NULL)
        return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    return m_hObject == NULL ? 0 : ::GetObject(m_hObject, nCount, lpObject);
}

UINT CGdiObject::GetObjectType() const
{
    return m_hObject == NULL ? 0 : ::GetObjectType(m_hObject);
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    return Attach(::GetStockObject(nIndex));
}

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor)
{
    if (!CreatePen(nPenStyle, nWidth, crColor))
        AfxThrowResourceException();
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    return Attach(::CreatePen(nPenStyle, nWidth, crColor));
}

BOOL CPen::CreatePenIndirect(LPLOGPEN lpLogPen)
{
    return lpLogPen != NULL && Attach(::CreatePenIndirect(lpLogPen));
}

CBrush::CBrush(COLORREF crColor)
{
    if (!CreateSolidBrush(crColor))
        AfxThrowResourceException();
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    return Attach(::CreateSolidBrush(crColor));
}

BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor)
{
    return Attach(::CreateHatchBrush(nIndex, crColor));
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap)
{
    return pBitmap != NULL && Attach(::CreatePatternBrush((HBITMAP)pBitmap->GetSafeHandle()));
}

BOOL CBrush::CreateSysColorBrush(int nIndex)
{
    // A system colour brush is owned by the system: keep a solid brush of our own instead,
    // so that DeleteObject is always right.
    return Attach(::CreateSolidBrush(::GetSysColor(nIndex)));
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lpLogBrush)
{
    return lpLogBrush != NULL && Attach(::CreateBrushIndirect(lpLogBrush));
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont)
{
    return lpLogFont != NULL && Attach(::CreateFontIndirect(lpLogFont));
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                       BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                       BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality,
                       BYTE nPitchAndFamily, LPCTSTR lpszFacename)
{
    return Attach(::CreateFont(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic,
                               bUnderline, cStrikeOut, nCharSet, nOutPrecision, nClipPrecision,
                               nQuality, nPitchAndFamily, lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC)
{
    LOGFONT lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = nPointSize;
    if (lpszFaceName != NULL)
        lstrcpyn(lf.lfFaceName, lpszFaceName, LF_FACESIZE);
    return CreatePointFontIndirect(&lf, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC)
{
    if (lpLogFont == NULL)
        return FALSE;
    HDC hDC = pDC != NULL ? pDC->m_hAttribDC : ::GetDC(NULL);
    LOGFONT lf = *lpLogFont;
    // Tenths of a point to device pixels, rounded.
    lf.lfHeight = -MulDiv(lpLogFont->lfHeight, ::GetDeviceCaps(hDC, LOGPIXELSY), 720);
    if (pDC == NULL)
        ::ReleaseDC(NULL, hDC);
    return CreateFontIndirect(&lf);
}

int CFont::GetLogFont(LOGFONT* pLogFont) const
{
    return pLogFont == NULL ? 0 : GetObject(sizeof(LOGFONT), pLogFont);
}

BOOL CBitmap::LoadBitmap(LPCTSTR lpszResourceName)
{
    if (lpszResourceName == NULL)
        return FALSE;
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
    return Attach(::LoadBitmap(hInst, lpszResourceName));
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits)
{
    return Attach(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    return pDC != NULL && Attach(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}

CSize CBitmap::GetBitmapDimension() const
{
    SIZE size = {0, 0};
    if (m_hObject != NULL)
        ::GetBitmapDimensionEx((HBITMAP)m_hObject, &size);
    return size;
}

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2)
{
    return Attach(::CreateRectRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect)
{
    return lpRect != NULL && Attach(::CreateRectRgnIndirect(lpRect));
}

BOOL CRgn::CreateEllipticRgn(int x1, int y1, int x2, int y2)
{
    return Attach(::CreateEllipticRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return Attach(::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3));
}

BOOL CRgn::CreatePolygonRgn(LPPOINT lpPoints, int nCount, int nMode)
{
    return lpPoints != NULL && nCount > 0 && Attach(::CreatePolygonRgn(lpPoints, nCount, nMode));
}

void CRgn::SetRectRgn(int x1, int y1, int x2, int y2)
{
    if (m_hObject != NULL)
        ::SetRectRgn((HRGN)m_hObject, x1, y1, x2, y2);
}

void CRgn::SetRectRgn(LPCRECT lpRect)
{
    if (lpRect != NULL)
        SetRectRgn(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CRgn::CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode)
{
    HRGN h1 = (HRGN)pRgn1->GetSafeHandle();
    HRGN h2 = (HRGN)pRgn2->GetSafeHandle();
    if (m_hObject == NULL || h1 == NULL || (h2 == NULL && nCombineMode != RGN_COPY))
        return ERROR;
    return ::CombineRgn((HRGN)m_hObject, h1, h2, nCombineMode);
}

int CRgn::CopyRgn(const CRgn* pRgnSrc)
{
    HRGN hSrc = (HRGN)pRgnSrc->GetSafeHandle();
    if (m_hObject == NULL || hSrc == NULL)
        return ERROR;
    return ::CombineRgn((HRGN)m_hObject, hSrc, NULL, RGN_COPY);
}

BOOL CRgn::EqualRgn(const CRgn* pRgn) const
{
    HRGN hOther = (HRGN)pRgn->GetSafeHandle();
    return m_hObject != NULL && hOther != NULL && ::EqualRgn((HRGN)m_hObject, hOther);
}

int CRgn::OffsetRgn(int x, int y)
{
    return m_hObject == NULL ? ERROR : ::OffsetRgn((HRGN)m_hObject, x, y);
}

int CRgn::GetRgnBox(LPRECT lpRect) const
{
    return m_hObject == NULL || lpRect == NULL ? ERROR : ::GetRgnBox((HRGN)m_hObject, lpRect);
}

BOOL CRgn::PtInRegion(int x, int y) const
{
    return m_hObject != NULL && ::PtInRegion((HRGN)m_hObject, x, y);
}

BOOL CRgn::RectInRegion(LPCRECT lpRect) const
{
    return m_hObject != NULL && lpRect != NULL && ::RectInRegion((HRGN)m_hObject, lpRect);
}
