// Run-time classes, CObject, exceptions and diagnostics.
#include <afx.h>
#include <afxcoll.h>

#include <cstdio>

BOOL AFXAPI AfxIsNullObject(const void* p)
{
    return p == NULL;
}

// --- run-time classes ----------------------------------------------------------------
CObject* CRuntimeClass::CreateObject() const
{
    if (m_pfnCreateObject == NULL)
        return NULL;
    try {
        return (*m_pfnCreateObject)();
    } catch (CException* e) {
        e->Delete();
        return NULL;
    } catch (const std::bad_alloc&) {
        return NULL;
    }
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    if (pBaseClass == NULL)
        return FALSE;
    for (const CRuntimeClass* p = this; p != NULL;
         p = p->m_pfnGetBaseClass != NULL ? (*p->m_pfnGetBaseClass)() : NULL) {
        if (p == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

const CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), 0xFFFF, NULL, NULL};

CRuntimeClass* PASCAL CObject::GetThisClass()
{
    return const_cast<CRuntimeClass*>(&classCObject);
}

CRuntimeClass* PASCAL CObject::_GetBaseClass()
{
    return NULL;
}

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return GetThisClass();
}

CObject::~CObject()
{
}

void CObject::AssertValid() const
{
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != 0xFFFF;
}

// --- exceptions ----------------------------------------------------------------------
IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CSimpleException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CSimpleException)
IMPLEMENT_DYNAMIC(CResourceException, CSimpleException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CSimpleException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CSimpleException)

CException::~CException()
{
}

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    if (lpszError != NULL && nMaxError > 0)
        *lpszError = '\0';
    return FALSE;
}

int CException::ReportError(UINT nType, UINT /*nMessageID*/)
{
    TCHAR text[256];
    if (!GetErrorMessage(text, _countof(text)))
        lstrcpyn(text, _T("An unexpected error occurred."), _countof(text));
    return ::MessageBox(NULL, text, NULL, nType);
}

BOOL CSimpleException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    if (lpszError == NULL || nMaxError == 0)
        return FALSE;
    if (m_lpszMessage == NULL) {
        *lpszError = '\0';
        return FALSE;
    }
    lstrcpyn(lpszError, m_lpszMessage, (int)nMaxError);
    return TRUE;
}

void AFXAPI AfxThrowMemoryException()
{
    // One object that needs no allocation and that its catcher's Delete() keeps: out of
    // memory there may be no room for an exception object.
    static CMemoryException s_memoryException(FALSE);
    throw &s_memoryException;
}

void AFXAPI AfxThrowResourceException()
{
    throw new CResourceException;
}

void AFXAPI AfxThrowNotSupportedException()
{
    throw new CNotSupportedException;
}

void AFXAPI AfxThrowInvalidArgException()
{
    throw new CInvalidArgException;
}

// --- diagnostics ---------------------------------------------------------------------
BOOL AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine)
{
    char text[MAX_PATH + 64];
    std::snprintf(text, sizeof text, "Assertion failed: %s(%d)\n", lpszFileName ? lpszFileName : "?", nLine);
    ::OutputDebugStringA(text);
    return FALSE;
}

void AFX_CDECL AfxTrace(LPCTSTR lpszFormat, ...)
{
    if (lpszFormat == NULL)
        return;
    TCHAR text[512];
    va_list args;
    va_start(args, lpszFormat);
    const int n = _vsntprintf(text, _countof(text) - 1, lpszFormat, args);
    va_end(args);
    text[n < 0 ? _countof(text) - 1 : n] = _T('\0');
    ::OutputDebugString(text);
}

BOOL AFXAPI AfxIsValidAddress(const void* p, UINT_PTR nBytes, BOOL /*bReadWrite*/)
{
    return p != NULL || nBytes == 0;
}

BOOL AFXAPI AfxIsValidString(LPCSTR psz, int /*nLength*/)
{
    return psz != NULL;
}

BOOL AFXAPI AfxIsValidString(LPCWSTR psz, int /*nLength*/)
{
    return psz != NULL;
}

// --- collections with run-time classes -----------------------------------------------
IMPLEMENT_DYNAMIC(CPtrArray, CObject)
IMPLEMENT_DYNAMIC(CObArray, CObject)
IMPLEMENT_DYNAMIC(CStringArray, CObject)
IMPLEMENT_DYNAMIC(CByteArray, CObject)
IMPLEMENT_DYNAMIC(CWordArray, CObject)
IMPLEMENT_DYNAMIC(CDWordArray, CObject)
IMPLEMENT_DYNAMIC(CUIntArray, CObject)
IMPLEMENT_DYNAMIC(CPtrList, CObject)
IMPLEMENT_DYNAMIC(CObList, CObject)
IMPLEMENT_DYNAMIC(CStringList, CObject)
IMPLEMENT_DYNAMIC(CMapPtrToPtr, CObject)
IMPLEMENT_DYNAMIC(CMapPtrToWord, CObject)
IMPLEMENT_DYNAMIC(CMapWordToPtr, CObject)
IMPLEMENT_DYNAMIC(CMapStringToPtr, CObject)
IMPLEMENT_DYNAMIC(CMapStringToString, CObject)
