// Core of the framework layer: export macros, diagnostics, run-time classes, CObject,
// exceptions thrown by pointer, the string class of the build's character set and POSITION.
#pragma once

#if defined(UNICODE) != defined(_UNICODE)
#error "UNICODE and _UNICODE are defined together or not at all."
#endif

#include <windows.h>
#include <tchar.h>
#include <stdarg.h>
#include <stddef.h>
#include <new>

// --- export macros -------------------------------------------------------------------
// The framework DLL exports its classes; everything else imports them.
#ifdef VXFRAMEWORK_BUILD
#define AFX_FW_API __declspec(dllexport)
#else
#define AFX_FW_API __declspec(dllimport)
#endif

// Extension DLLs (built with _AFXEXT) export their classes; hosts import them.
#ifdef _AFXEXT
#define AFX_EXT_CLASS __declspec(dllexport)
#define AFX_EXT_API __declspec(dllexport)
#define AFX_EXT_DATA __declspec(dllexport)
#else
#define AFX_EXT_CLASS __declspec(dllimport)
#define AFX_EXT_API __declspec(dllimport)
#define AFX_EXT_DATA __declspec(dllimport)
#endif

#define AFXAPI __stdcall
#define AFX_CDECL __cdecl
#define AFX_INLINE inline
#define AFX_COMDAT
#define AFX_NOVTABLE
#define afx_msg

#ifndef _countof
#define _countof(array) (sizeof(array) / sizeof((array)[0]))
#endif

// printf-style checking of narrow format strings, where the compiler offers it.
#if defined(__GNUC__) && !defined(_UNICODE)
#define AFX_FW_PRINTF(nFormat, nFirst) __attribute__((format(ms_printf, nFormat, nFirst)))
#else
#define AFX_FW_PRINTF(nFormat, nFirst)
#endif

// --- diagnostics ---------------------------------------------------------------------
// Checks are active in debug builds only; VERIFY always evaluates its expression.
AFX_FW_API BOOL AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine);
AFX_FW_API void AFX_CDECL AfxTrace(LPCTSTR lpszFormat, ...) AFX_FW_PRINTF(1, 2);
AFX_FW_API BOOL AFXAPI AfxIsValidAddress(const void* p, UINT_PTR nBytes, BOOL bReadWrite = TRUE);
AFX_FW_API BOOL AFXAPI AfxIsValidString(LPCSTR psz, int nLength = -1);
AFX_FW_API BOOL AFXAPI AfxIsValidString(LPCWSTR psz, int nLength = -1);

#ifdef _DEBUG
#define ASSERT(f) ((void)((f) || !AfxAssertFailedLine(__FILE__, __LINE__) || (DebugBreak(), 0)))
#define VERIFY(f) ASSERT(f)
#define TRACE AfxTrace
#define ASSERT_VALID(pOb) ((pOb)->AssertValid())
#else
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#define TRACE(...) ((void)0)
#define ASSERT_VALID(pOb) ((void)0)
#endif
#define ASSERT_KINDOF(class_name, object) ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))
#define DEBUG_NEW new

class CObject;
class CException;
class CString;

// True for a null object pointer; kept out of line so that member functions may ask it
// about 'this', as callers of GetSafeHwnd, GetSafeHandle and GetSafeHdc rely on.
AFX_FW_API BOOL AFXAPI AfxIsNullObject(const void* p);

// --- run-time classes ----------------------------------------------------------------
// The base class is reached through a function so that classes exported from another DLL
// (whose data is imported) can still be a base.
struct AFX_FW_API CRuntimeClass
{
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;                               // 0xFFFF: not serialisable
    CObject* (PASCAL* m_pfnCreateObject)();       // NULL: no dynamic creation
    CRuntimeClass* (PASCAL* m_pfnGetBaseClass)(); // NULL for CObject

    CObject* CreateObject() const;                // NULL when not creatable or out of memory
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

#define _RUNTIME_CLASS(class_name) ((CRuntimeClass*)(&class_name::class##class_name))
#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

#define DECLARE_DYNAMIC(class_name)                                        \
protected:                                                                 \
    static CRuntimeClass* PASCAL _GetBaseClass();                          \
public:                                                                    \
    static const CRuntimeClass class##class_name;                          \
    static CRuntimeClass* PASCAL GetThisClass();                           \
    virtual CRuntimeClass* GetRuntimeClass() const;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name)       \
    static CObject* PASCAL CreateObject();

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)             \
    CRuntimeClass* PASCAL class_name::_GetBaseClass() { return RUNTIME_CLASS(base_class_name); } \
    const CRuntimeClass class_name::class##class_name = {                                \
        #class_name, sizeof(class class_name), wSchema, pfnNew, &class_name::_GetBaseClass}; \
    CRuntimeClass* PASCAL class_name::GetThisClass() { return _RUNTIME_CLASS(class_name); } \
    CRuntimeClass* class_name::GetRuntimeClass() const { return _RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, NULL)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                    \
    CObject* PASCAL class_name::CreateObject() { return new class_name; }   \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

// --- CObject -------------------------------------------------------------------------
class AFX_FW_API CObject
{
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject();
    virtual void AssertValid() const;             // debug check of the object's invariants

    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    BOOL IsSerializable() const;

    static const CRuntimeClass classCObject;
    static CRuntimeClass* PASCAL GetThisClass();
    static CRuntimeClass* PASCAL _GetBaseClass();

protected:
    CObject() {}

private:
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};

// The object as a pointer to the class when it is one (or derives from it), else null.
inline CObject* AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject)
{
    return pObject != NULL && pObject->IsKindOf(pClass) ? pObject : NULL;
}
#define DYNAMIC_DOWNCAST(class_name, object) \
    static_cast<class_name*>(AfxDynamicDownCast(RUNTIME_CLASS(class_name), object))

// --- exceptions ----------------------------------------------------------------------
// Thrown by pointer and released by Delete(); pre-allocated ones are not freed.
class AFX_FW_API CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
    explicit CException(BOOL bAutoDelete = TRUE) : m_bAutoDelete(bAutoDelete) {}
    virtual ~CException();

    void Delete();                                // deletes the object if it is heap-owned
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);

    BOOL m_bAutoDelete;                           // TRUE: Delete() frees the object
};

// An exception with a fixed message, often pre-allocated.
class AFX_FW_API CSimpleException : public CException
{
    DECLARE_DYNAMIC(CSimpleException)
public:
    explicit CSimpleException(BOOL bAutoDelete = TRUE, LPCTSTR lpszMessage = NULL)
        : CException(bAutoDelete), m_lpszMessage(lpszMessage) {}
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;

protected:
    LPCTSTR m_lpszMessage;                        // static text, not owned
};

class AFX_FW_API CMemoryException : public CSimpleException
{
    DECLARE_DYNAMIC(CMemoryException)
public:
    explicit CMemoryException(BOOL bAutoDelete = TRUE)
        : CSimpleException(bAutoDelete, _T("Out of memory.")) {}
};

class AFX_FW_API CResourceException : public CSimpleException
{
    DECLARE_DYNAMIC(CResourceException)
public:
    explicit CResourceException(BOOL bAutoDelete = TRUE)
        : CSimpleException(bAutoDelete, _T("A required resource was unavailable.")) {}
};

class AFX_FW_API CNotSupportedException : public CSimpleException
{
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    explicit CNotSupportedException(BOOL bAutoDelete = TRUE)
        : CSimpleException(bAutoDelete, _T("Operation not supported.")) {}
};

// Thrown for an index, position or argument that names nothing.
class AFX_FW_API CInvalidArgException : public CSimpleException
{
    DECLARE_DYNAMIC(CInvalidArgException)
public:
    explicit CInvalidArgException(BOOL bAutoDelete = TRUE)
        : CSimpleException(bAutoDelete, _T("Invalid argument.")) {}
};

[[noreturn]] AFX_FW_API void AFXAPI AfxThrowMemoryException();
[[noreturn]] AFX_FW_API void AFXAPI AfxThrowResourceException();
[[noreturn]] AFX_FW_API void AFXAPI AfxThrowNotSupportedException();
[[noreturn]] AFX_FW_API void AFXAPI AfxThrowInvalidArgException();

#define ENSURE_THROW(cond, exception) do { if (!(cond)) { exception; } } while (0)
#define ENSURE(cond) ENSURE_THROW(cond, AfxThrowInvalidArgException())
#define ENSURE_ARG(cond) ENSURE(cond)

// Frees a caught exception when its handler ends, unless it is thrown on.
class CAfxCatchGuard
{
public:
    explicit CAfxCatchGuard(CException* e) : m_e(e) {}
    ~CAfxCatchGuard() { if (m_e != NULL) m_e->Delete(); }
    void Release() { m_e = NULL; }
private:
    CException* m_e;
    CAfxCatchGuard(const CAfxCatchGuard&) = delete;
    CAfxCatchGuard& operator=(const CAfxCatchGuard&) = delete;
};

#define TRY try
#define CATCH(class_name, e) catch (class_name* e) { CAfxCatchGuard _afxCatchGuard(e);
#define AND_CATCH(class_name, e) } catch (class_name* e) { CAfxCatchGuard _afxCatchGuard(e);
#define END_CATCH }
#define CATCH_ALL(e) CATCH(CException, e)
#define AND_CATCH_ALL(e) AND_CATCH(CException, e)
#define END_CATCH_ALL END_CATCH
#define THROW(e) throw e
#define THROW_LAST() do { _afxCatchGuard.Release(); throw; } while (0)

// --- CString -------------------------------------------------------------------------
// A reference-counted string of TCHAR: narrow in the ANSI code page in an ANSI build, UTF-16
// in a Unicode build. Narrow searches and case changes are multibyte-aware (they never split
// a double-byte character); lengths and indices count TCHARs. A string of the other character
// set converts on construction and assignment, through the ANSI code page. The object is one
// pointer to the characters, so it reads as a C string.
class AFX_FW_API CString
{
public:
    typedef TCHAR XCHAR;                           // the string's own character type
#ifdef _UNICODE
    typedef char YCHAR;                            // the other character set's type
#else
    typedef wchar_t YCHAR;
#endif
    typedef XCHAR* PXSTR;
    typedef const XCHAR* PCXSTR;
    typedef const YCHAR* PCYSTR;

    // construction
    CString();
    CString(const CString& stringSrc);
    CString(LPCTSTR lpsz);                          // NULL: empty; MAKEINTRESOURCE(id): loads the string
    CString(LPCTSTR lpch, int nLength);
    CString(PCYSTR lpsz);                          // converted; MAKEINTRESOURCE(id) as above
    CString(const unsigned char* psz);
    explicit CString(TCHAR ch, int nRepeat = 1);
    ~CString();

    // attributes
    int GetLength() const { return GetData()->nDataLength; }
    int GetAllocLength() const { return GetData()->nAllocLength; }
    bool IsEmpty() const { return GetData()->nDataLength == 0; }
    void Empty();
    TCHAR GetAt(int nIndex) const;                  // throws CInvalidArgException out of range
    TCHAR operator[](int nIndex) const { return GetAt(nIndex); }
    void SetAt(int nIndex, TCHAR ch);               // throws CInvalidArgException out of range
    operator LPCTSTR() const { return m_pszData; }
    LPCTSTR GetString() const { return m_pszData; }

    // assignment and concatenation
    CString& operator=(const CString& stringSrc);
    CString& operator=(LPCTSTR lpsz);
    CString& operator=(PCYSTR lpsz);
    CString& operator=(const unsigned char* psz);
    CString& operator=(TCHAR ch);
    CString& operator+=(const CString& string);
    CString& operator+=(LPCTSTR lpsz);
    CString& operator+=(TCHAR ch);
    void Append(LPCTSTR lpsz, int nLength);
    void AppendChar(TCHAR ch) { *this += ch; }
    void SetString(LPCTSTR lpsz, int nLength);

    // comparison (multibyte-aware; Collate uses the locale)
    int Compare(LPCTSTR lpsz) const;
    int CompareNoCase(LPCTSTR lpsz) const;
    int Collate(LPCTSTR lpsz) const;
    int CollateNoCase(LPCTSTR lpsz) const;

    // extraction (counts are clamped to the string)
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCTSTR lpszCharSet) const;
    CString SpanExcluding(LPCTSTR lpszCharSet) const;
    CString Tokenize(LPCTSTR pszTokens, int& iStart) const; // iStart -1 after the last token

    // changes
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();
    int Replace(TCHAR chOld, TCHAR chNew);
    int Replace(LPCTSTR lpszOld, LPCTSTR lpszNew);
    int Remove(TCHAR chRemove);
    int Insert(int nIndex, TCHAR ch);
    int Insert(int nIndex, LPCTSTR pstr);
    int Delete(int nIndex, int nCount = 1);
    CString& Trim();
    CString& Trim(TCHAR chTarget);
    CString& Trim(LPCTSTR lpszTargets);
    CString& TrimLeft();
    CString& TrimLeft(TCHAR chTarget);
    CString& TrimLeft(LPCTSTR lpszTargets);
    CString& TrimRight();
    CString& TrimRight(TCHAR chTarget);
    CString& TrimRight(LPCTSTR lpszTargets);

    // searching: index of the match, or -1
    int Find(TCHAR ch, int nStart = 0) const;
    int Find(LPCTSTR lpszSub, int nStart = 0) const;
    int ReverseFind(TCHAR ch) const;
    int FindOneOf(LPCTSTR lpszCharSet) const;

    // formatting (printf rules of the system's C runtime)
    void AFX_CDECL Format(LPCTSTR lpszFormat, ...) AFX_FW_PRINTF(2, 3);
    void AFX_CDECL Format(UINT nFormatID, ...);
    void FormatV(LPCTSTR lpszFormat, va_list argList) AFX_FW_PRINTF(2, 0);
    void AFX_CDECL AppendFormat(LPCTSTR lpszFormat, ...) AFX_FW_PRINTF(2, 3);
    void AppendFormatV(LPCTSTR lpszFormat, va_list argList) AFX_FW_PRINTF(2, 0);

    // resources: the string table entry, looked up in the EXE and extension modules
    BOOL LoadString(UINT nID);
    BOOL LoadString(HINSTANCE hInstance, UINT nID);

    // raw buffer access; ReleaseBuffer(-1) takes the length up to the first zero
    LPTSTR GetBuffer(int nMinBufLength);
    LPTSTR GetBuffer() { return GetBuffer(0); }
    LPTSTR GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);
    void ReleaseBufferSetLength(int nNewLength) { ReleaseBuffer(nNewLength); }
    void Preallocate(int nLength);
    void FreeExtra();
    void Truncate(int nNewLength);

private:
    struct Data
    {
        long nRefs;                                // shared owners; the empty string is never freed
        int nDataLength;
        int nAllocLength;
        TCHAR* chars() { return reinterpret_cast<TCHAR*>(this + 1); }
    };
    Data* GetData() const { return reinterpret_cast<Data*>(m_pszData) - 1; }
    static Data* EmptyData();
    static Data* Allocate(int nLength);            // throws CMemoryException
    static void Release(Data* pData);
    void Assign(LPCTSTR lpch, int nLength);
    void PrepareWrite(int nLength);                // unshared buffer with room for nLength
    void SetLength(int nLength);

    LPTSTR m_pszData;
};

inline CString operator+(const CString& s1, const CString& s2) { CString s(s1); s += s2; return s; }
inline CString operator+(const CString& s1, LPCTSTR s2) { CString s(s1); s += s2; return s; }
inline CString operator+(LPCTSTR s1, const CString& s2) { CString s(s1); s += s2; return s; }
inline CString operator+(const CString& s1, TCHAR ch) { CString s(s1); s += ch; return s; }
inline CString operator+(TCHAR ch, const CString& s2) { CString s(ch); s += s2; return s; }

inline bool operator==(const CString& s1, const CString& s2) { return s1.Compare(s2) == 0; }
inline bool operator==(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) == 0; }
inline bool operator==(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) == 0; }
inline bool operator==(const CString& s1, CString::PCYSTR s2) { return s1 == CString(s2); }
inline bool operator==(CString::PCYSTR s1, const CString& s2) { return CString(s1) == s2; }
inline bool operator!=(const CString& s1, const CString& s2) { return s1.Compare(s2) != 0; }
inline bool operator!=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) != 0; }
inline bool operator!=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) != 0; }
inline bool operator!=(const CString& s1, CString::PCYSTR s2) { return s1 != CString(s2); }
inline bool operator!=(CString::PCYSTR s1, const CString& s2) { return CString(s1) != s2; }
inline bool operator<(const CString& s1, const CString& s2) { return s1.Compare(s2) < 0; }
inline bool operator<(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) < 0; }
inline bool operator<(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) > 0; }
inline bool operator>(const CString& s1, const CString& s2) { return s1.Compare(s2) > 0; }
inline bool operator>(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) > 0; }
inline bool operator>(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) < 0; }
inline bool operator<=(const CString& s1, const CString& s2) { return s1.Compare(s2) <= 0; }
inline bool operator<=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) <= 0; }
inline bool operator<=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) >= 0; }
inline bool operator>=(const CString& s1, const CString& s2) { return s1.Compare(s2) >= 0; }
inline bool operator>=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) >= 0; }
inline bool operator>=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) <= 0; }

// --- positions in collections --------------------------------------------------------
struct __POSITION {};
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION ((POSITION)(INT_PTR)-1)

// --- module handles (defined with the module state of the window half) ---------------
// Without an application object they answer the EXE's module handle.
AFX_FW_API HINSTANCE AFXAPI AfxGetInstanceHandle();
AFX_FW_API HINSTANCE AFXAPI AfxGetResourceHandle();
AFX_FW_API void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
// The module holding a resource: the resource handle, then the extension modules.
AFX_FW_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);
