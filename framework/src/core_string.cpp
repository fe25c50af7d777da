// CString: shared, reference-counted buffers copied on write, in the build's character set.
// Narrow operations are multibyte-aware: they step over double-byte characters with
// CharNextA/IsDBCSLeadByte. The character-set specific calls are the overloads below.
#include <afx.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <mbstring.h>

namespace {

// The shared empty string: never freed, its count is never changed.
struct EmptyStringData {
    long nRefs = -1;
    int nDataLength = 0;
    int nAllocLength = 0;
    TCHAR chars[1] = {0};
} s_empty;

bool IsShared(long nRefs) { return nRefs > 1; }

// Overloads for either character set; a build uses those of its own (hence inline).
inline const unsigned char* Bytes(const char* psz) { return reinterpret_cast<const unsigned char*>(psz); }
inline unsigned char* Bytes(char* psz) { return reinterpret_cast<unsigned char*>(psz); }

inline int Length(const char* psz) { return psz == NULL ? 0 : (int)std::strlen(psz); }
inline int Length(const wchar_t* psz) { return psz == NULL ? 0 : (int)std::wcslen(psz); }
// The length of psz, but no more than nMax: a count may be longer than the string it names.
template <typename Char> int LengthUpTo(const Char* psz, int nMax)
{
    int n = 0;
    while (n < nMax && psz[n] != 0)
        ++n;
    return n;
}
inline int CompareText(const char* a, const char* b) { return _mbscmp(Bytes(a), Bytes(b)); }
inline int CompareText(const wchar_t* a, const wchar_t* b) { return std::wcscmp(a, b); }
inline int CompareTextNoCase(const char* a, const char* b) { return _mbsicmp(Bytes(a), Bytes(b)); }
inline int CompareTextNoCase(const wchar_t* a, const wchar_t* b) { return _wcsicmp(a, b); }
inline int CollateText(const char* a, const char* b, DWORD dwFlags)
{
    return ::CompareStringA(LOCALE_USER_DEFAULT, dwFlags, a, -1, b, -1) - 2;
}
inline int CollateText(const wchar_t* a, const wchar_t* b, DWORD dwFlags)
{
    return ::CompareStringW(LOCALE_USER_DEFAULT, dwFlags, a, -1, b, -1) - 2;
}
inline int Span(const char* psz, const char* set) { return (int)_mbsspn(Bytes(psz), Bytes(set)); }
inline int Span(const wchar_t* psz, const wchar_t* set) { return (int)std::wcsspn(psz, set); }
inline int SpanNot(const char* psz, const char* set) { return (int)_mbscspn(Bytes(psz), Bytes(set)); }
inline int SpanNot(const wchar_t* psz, const wchar_t* set) { return (int)std::wcscspn(psz, set); }
inline void Upper(char* psz) { _mbsupr(Bytes(psz)); }
inline void Upper(wchar_t* psz) { _wcsupr(psz); }
inline void Lower(char* psz) { _mbslwr(Bytes(psz)); }
inline void Lower(wchar_t* psz) { _wcslwr(psz); }
inline void Reverse(char* psz) { _mbsrev(Bytes(psz)); }
inline void Reverse(wchar_t* psz) { _wcsrev(psz); }
inline const char* FindChar(const char* psz, char ch) { return (const char*)_mbschr(Bytes(psz), (BYTE)ch); }
inline const wchar_t* FindChar(const wchar_t* psz, wchar_t ch) { return std::wcschr(psz, ch); }
inline const char* FindLastChar(const char* psz, char ch) { return (const char*)_mbsrchr(Bytes(psz), (BYTE)ch); }
inline const wchar_t* FindLastChar(const wchar_t* psz, wchar_t ch) { return std::wcsrchr(psz, ch); }
inline const char* FindText(const char* psz, const char* sub) { return (const char*)_mbsstr(Bytes(psz), Bytes(sub)); }
inline const wchar_t* FindText(const wchar_t* psz, const wchar_t* sub) { return std::wcsstr(psz, sub); }
inline const char* FindAny(const char* psz, const char* set) { return (const char*)_mbspbrk(Bytes(psz), Bytes(set)); }
inline const wchar_t* FindAny(const wchar_t* psz, const wchar_t* set) { return std::wcspbrk(psz, set); }
// True for the first byte of a double-byte character; UTF-16 units are taken one by one.
inline bool IsLeadUnit(char ch) { return ::IsDBCSLeadByte((BYTE)ch) != FALSE; }
inline bool IsLeadUnit(wchar_t) { return false; }
inline const char* NextChar(const char* psz) { return ::CharNextA(psz); }
inline const wchar_t* NextChar(const wchar_t* psz) { return ::CharNextW(psz); }
inline int BoundedLength(const char* psz, int nMax) { return (int)strnlen(psz, nMax); }
inline int BoundedLength(const wchar_t* psz, int nMax) { return (int)wcsnlen(psz, nMax); }
inline int FormattedLength(const char* pszFormat, va_list args) { return std::vsnprintf(NULL, 0, pszFormat, args); }
inline int FormattedLength(const wchar_t* pszFormat, va_list args) { return _vscwprintf(pszFormat, args); }
inline void FormatInto(char* pszOut, int nCount, const char* pszFormat, va_list args)
{
    std::vsnprintf(pszOut, nCount, pszFormat, args);
}
inline void FormatInto(wchar_t* pszOut, int nCount, const wchar_t* pszFormat, va_list args)
{
    _vsnwprintf(pszOut, nCount, pszFormat, args);
}
inline int LoadText(HINSTANCE hInstance, UINT nID, char* pszBuffer, int nMax)
{
    return ::LoadStringA(hInstance, nID, pszBuffer, nMax);
}
inline int LoadText(HINSTANCE hInstance, UINT nID, wchar_t* pszBuffer, int nMax)
{
    return ::LoadStringW(hInstance, nID, pszBuffer, nMax);
}
// Text of the other character set, converted through the ANSI code page.
inline int Convert(const char* psz, int nLength, wchar_t* pszOut, int nOut)
{
    return ::MultiByteToWideChar(CP_ACP, 0, psz, nLength, pszOut, nOut);
}
inline int Convert(const wchar_t* psz, int nLength, char* pszOut, int nOut)
{
    return ::WideCharToMultiByte(CP_ACP, 0, psz, nLength, pszOut, nOut, NULL, NULL);
}

} // namespace

CString::Data* CString::EmptyData()
{
    return reinterpret_cast<Data*>(&s_empty);
}

CString::Data* CString::Allocate(int nLength)
{
    if (nLength < 0)
        AfxThrowInvalidArgException();
    // Counted in size_t and refused before it could wrap (a 32-bit size_t holds no 2^31
    // wide characters).
    if (static_cast<size_t>(nLength) >= (SIZE_MAX - sizeof(Data)) / sizeof(TCHAR))
        AfxThrowMemoryException();
    void* p = ::operator new(sizeof(Data) + (static_cast<size_t>(nLength) + 1) * sizeof(TCHAR), std::nothrow);
    if (p == NULL)
        AfxThrowMemoryException();
    Data* pData = static_cast<Data*>(p);
    pData->nRefs = 1;
    pData->nDataLength = nLength;
    pData->nAllocLength = nLength;
    pData->chars()[nLength] = '\0';
    return pData;
}

void CString::Release(Data* pData)
{
    if (pData == EmptyData())
        return;
    if (::InterlockedDecrement(&pData->nRefs) <= 0)
        ::operator delete(pData);
}

CString::CString() : m_pszData(EmptyData()->chars())
{
}

CString::CString(const CString& stringSrc) : m_pszData(EmptyData()->chars())
{
    *this = stringSrc;
}

CString::CString(LPCTSTR lpsz) : m_pszData(EmptyData()->chars())
{
    if (lpsz != NULL && IS_INTRESOURCE(lpsz))
        LoadString((UINT)(UINT_PTR)lpsz);
    else
        Assign(lpsz, Length(lpsz));
}

CString::CString(LPCTSTR lpch, int nLength) : m_pszData(EmptyData()->chars())
{
    Assign(lpch, lpch == NULL ? 0 : nLength);
}

CString::CString(const unsigned char* psz) : m_pszData(EmptyData()->chars())
{
    *this = reinterpret_cast<const char*>(psz);
}

CString::CString(PCYSTR lpsz) : m_pszData(EmptyData()->chars())
{
    *this = lpsz;
}

CString::CString(TCHAR ch, int nRepeat) : m_pszData(EmptyData()->chars())
{
    if (nRepeat > 0) {
        PrepareWrite(nRepeat);
        for (int i = 0; i < nRepeat; ++i)
            m_pszData[i] = ch;
        SetLength(nRepeat);
    }
}

CString::~CString()
{
    Release(GetData());
}

void CString::Empty()
{
    Release(GetData());
    m_pszData = EmptyData()->chars();
}

// Copies nLength characters (which may lie inside this string's own buffer).
void CString::Assign(LPCTSTR lpch, int nLength)
{
    if (nLength < 0)
        AfxThrowInvalidArgException();
    if (nLength == 0) {
        Empty();
        return;
    }
    Data* pNew = Allocate(nLength);
    std::memcpy(pNew->chars(), lpch, nLength * sizeof(TCHAR));
    Release(GetData());
    m_pszData = pNew->chars();
}

// Makes the buffer this string's own, with room for nLength characters, keeping its text.
void CString::PrepareWrite(int nLength)
{
    Data* pOld = GetData();
    if (!IsShared(pOld->nRefs) && pOld != EmptyData() && pOld->nAllocLength >= nLength)
        return;
    int nAlloc = nLength;
    if (nAlloc > pOld->nAllocLength && pOld->nAllocLength > 0) // grow geometrically for repeated appends
        nAlloc = nLength <= INT_MAX / 3 * 2 ? nLength + nLength / 2 : INT_MAX;
    Data* pNew = Allocate(nAlloc);
    const int nKeep = pOld->nDataLength < nLength ? pOld->nDataLength : nLength;
    std::memcpy(pNew->chars(), pOld->chars(), nKeep * sizeof(TCHAR));
    pNew->nDataLength = nKeep;
    pNew->chars()[nKeep] = '\0';
    Release(pOld);
    m_pszData = pNew->chars();
}

void CString::SetLength(int nLength)
{
    Data* pData = GetData();
    if (pData == EmptyData())
        return;
    pData->nDataLength = nLength;
    m_pszData[nLength] = '\0';
}

TCHAR CString::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetLength())
        AfxThrowInvalidArgException();
    return m_pszData[nIndex];
}

void CString::SetAt(int nIndex, TCHAR ch)
{
    if (nIndex < 0 || nIndex >= GetLength())
        AfxThrowInvalidArgException();
    PrepareWrite(GetLength());
    m_pszData[nIndex] = ch;
}

CString& CString::operator=(const CString& stringSrc)
{
    if (m_pszData == stringSrc.m_pszData)
        return *this;
    Data* pSrc = stringSrc.GetData();
    if (pSrc == EmptyData()) {
        Empty();
        return *this;
    }
    ::InterlockedIncrement(&pSrc->nRefs);
    Release(GetData());
    m_pszData = stringSrc.m_pszData;
    return *this;
}

CString& CString::operator=(LPCTSTR lpsz)
{
    Assign(lpsz, Length(lpsz));
    return *this;
}

CString& CString::operator=(PCYSTR lpsz)
{
    if (lpsz != NULL && IS_INTRESOURCE(lpsz)) {
        Empty();
        LoadString((UINT)(UINT_PTR)lpsz);
        return *this;
    }
    const int nLength = Length(lpsz);
    const int nConverted = nLength == 0 ? 0 : Convert(lpsz, nLength, NULL, 0);
    if (nConverted <= 0) {
        Empty();
        return *this;
    }
    CString converted;
    Convert(lpsz, nLength, converted.GetBuffer(nConverted), nConverted);
    converted.ReleaseBuffer(nConverted);
    return *this = converted;
}

CString& CString::operator=(const unsigned char* psz)
{
    return *this = reinterpret_cast<const char*>(psz); // narrow text, as MFC takes it
}

CString& CString::operator=(TCHAR ch)
{
    Assign(&ch, 1);
    return *this;
}

void CString::Append(LPCTSTR lpsz, int nLength)
{
    if (lpsz == NULL || nLength <= 0)
        return;
    nLength = LengthUpTo(lpsz, nLength);
    const int nOld = GetLength();
    if (nLength > INT_MAX - nOld)
        AfxThrowMemoryException();
    if (lpsz >= m_pszData && lpsz <= m_pszData + nOld) {
        CString copy(lpsz, nLength); // appending a part of itself
        Append(copy, nLength);
        return;
    }
    PrepareWrite(nOld + nLength);
    std::memcpy(m_pszData + nOld, lpsz, nLength * sizeof(TCHAR));
    SetLength(nOld + nLength);
}

CString& CString::operator+=(const CString& string)
{
    Append(string, string.GetLength());
    return *this;
}

CString& CString::operator+=(LPCTSTR lpsz)
{
    Append(lpsz, Length(lpsz));
    return *this;
}

CString& CString::operator+=(TCHAR ch)
{
    Append(&ch, 1);
    return *this;
}

void CString::SetString(LPCTSTR lpsz, int nLength)
{
    Assign(lpsz, lpsz == NULL ? 0 : nLength);
}

int CString::Compare(LPCTSTR lpsz) const
{
    return CompareText(m_pszData, lpsz ? lpsz : _T(""));
}

int CString::CompareNoCase(LPCTSTR lpsz) const
{
    return CompareTextNoCase(m_pszData, lpsz ? lpsz : _T(""));
}

int CString::Collate(LPCTSTR lpsz) const
{
    return CollateText(m_pszData, lpsz ? lpsz : _T(""), 0);
}

int CString::CollateNoCase(LPCTSTR lpsz) const
{
    return CollateText(m_pszData, lpsz ? lpsz : _T(""), NORM_IGNORECASE);
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0)
        nFirst = 0;
    if (nCount < 0)
        nCount = 0;
    const int nLength = GetLength();
    if (nFirst > nLength)
        nFirst = nLength;
    if (nCount > nLength - nFirst)
        nCount = nLength - nFirst;
    if (nFirst == 0 && nCount == nLength)
        return *this;
    return CString(m_pszData + nFirst, nCount);
}

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    const int nLength = GetLength();
    return nCount >= nLength ? *this : Mid(nLength - nCount, nCount);
}

CString CString::SpanIncluding(LPCTSTR lpszCharSet) const
{
    if (lpszCharSet == NULL)
        return CString();
    return Left(Span(m_pszData, lpszCharSet));
}

CString CString::SpanExcluding(LPCTSTR lpszCharSet) const
{
    if (lpszCharSet == NULL)
        return *this;
    return Left(SpanNot(m_pszData, lpszCharSet));
}

CString CString::Tokenize(LPCTSTR pszTokens, int& iStart) const
{
    if (iStart < 0 || pszTokens == NULL || iStart >= GetLength()) {
        if (pszTokens == NULL && iStart >= 0 && iStart < GetLength())
            return Mid(iStart);
        iStart = -1;
        return CString();
    }
    const TCHAR* p = m_pszData + iStart;
    p += Span(p, pszTokens);
    if (*p == '\0') {
        iStart = -1;
        return CString();
    }
    const int n = SpanNot(p, pszTokens);
    const int nFirst = (int)(p - m_pszData);
    iStart = nFirst + (int)n + 1;
    return Mid(nFirst, (int)n);
}

CString& CString::MakeUpper()
{
    if (!IsEmpty()) {
        PrepareWrite(GetLength());
        Upper(m_pszData);
    }
    return *this;
}

CString& CString::MakeLower()
{
    if (!IsEmpty()) {
        PrepareWrite(GetLength());
        Lower(m_pszData);
    }
    return *this;
}

CString& CString::MakeReverse()
{
    if (!IsEmpty()) {
        PrepareWrite(GetLength());
        Reverse(m_pszData);
    }
    return *this;
}

int CString::Replace(TCHAR chOld, TCHAR chNew)
{
    int nCount = 0;
    for (int i = 0; i < GetLength(); ++i) {
        if (IsLeadUnit(m_pszData[i])) {
            ++i;
            continue;
        }
        if (m_pszData[i] == chOld) {
            if (nCount++ == 0)
                PrepareWrite(GetLength());
            m_pszData[i] = chNew;
        }
    }
    return nCount;
}

int CString::Replace(LPCTSTR lpszOld, LPCTSTR lpszNew)
{
    const int nOld = Length(lpszOld);
    if (nOld == 0)
        return 0;
    CString result;
    int nCount = 0, nFrom = 0;
    for (int nAt = Find(lpszOld); nAt >= 0; nAt = Find(lpszOld, nFrom)) {
        result.Append(m_pszData + nFrom, nAt - nFrom);
        result += lpszNew;
        nFrom = nAt + nOld;
        ++nCount;
    }
    if (nCount > 0) {
        result.Append(m_pszData + nFrom, GetLength() - nFrom);
        *this = result;
    }
    return nCount;
}

int CString::Remove(TCHAR chRemove)
{
    CString result;
    int nCount = 0;
    for (int i = 0; i < GetLength(); ++i) {
        if (IsLeadUnit(m_pszData[i]) && i + 1 < GetLength()) {
            result.Append(m_pszData + i, 2);
            ++i;
        } else if (m_pszData[i] == chRemove) {
            ++nCount;
        } else {
            result += m_pszData[i];
        }
    }
    if (nCount > 0)
        *this = result;
    return nCount;
}

int CString::Insert(int nIndex, TCHAR ch)
{
    return Insert(nIndex, CString(ch));
}

int CString::Insert(int nIndex, LPCTSTR pstr)
{
    if (nIndex < 0)
        nIndex = 0;
    if (nIndex > GetLength())
        nIndex = GetLength();
    const int nInsert = Length(pstr);
    if (nInsert > 0) {
        CString result(m_pszData, nIndex);
        result.Append(pstr, nInsert);
        result.Append(m_pszData + nIndex, GetLength() - nIndex);
        *this = result;
    }
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    if (nIndex < 0)
        nIndex = 0;
    const int nLength = GetLength();
    if (nCount > 0 && nIndex < nLength) {
        if (nCount > nLength - nIndex)
            nCount = nLength - nIndex;
        CString result(m_pszData, nIndex);
        result.Append(m_pszData + nIndex + nCount, nLength - nIndex - nCount);
        *this = result;
    }
    return GetLength();
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(TCHAR chTarget) { return TrimRight(chTarget).TrimLeft(chTarget); }
CString& CString::Trim(LPCTSTR lpszTargets) { return TrimRight(lpszTargets).TrimLeft(lpszTargets); }
CString& CString::TrimLeft() { return TrimLeft(_T(" \t\r\n\v\f")); }
CString& CString::TrimRight() { return TrimRight(_T(" \t\r\n\v\f")); }

CString& CString::TrimLeft(TCHAR chTarget)
{
    const TCHAR set[2] = {chTarget, '\0'};
    return TrimLeft(set);
}

CString& CString::TrimRight(TCHAR chTarget)
{
    const TCHAR set[2] = {chTarget, '\0'};
    return TrimRight(set);
}

CString& CString::TrimLeft(LPCTSTR lpszTargets)
{
    if (lpszTargets == NULL || *lpszTargets == '\0')
        return *this;
    const int n = Span(m_pszData, lpszTargets);
    if (n > 0)
        *this = Mid(n);
    return *this;
}

CString& CString::TrimRight(LPCTSTR lpszTargets)
{
    if (lpszTargets == NULL || *lpszTargets == '\0')
        return *this;
    // Walk forward by characters, remembering where the trailing run of targets begins.
    const TCHAR* pEnd = NULL;
    for (const TCHAR* p = m_pszData; *p; p = NextChar(p)) {
        const bool bTarget = !IsLeadUnit(*p) && FindChar(lpszTargets, *p) != NULL;
        if (bTarget) {
            if (pEnd == NULL)
                pEnd = p;
        } else {
            pEnd = NULL;
        }
    }
    if (pEnd != NULL)
        *this = Left((int)(pEnd - m_pszData));
    return *this;
}

int CString::Find(TCHAR ch, int nStart) const
{
    if (nStart < 0 || nStart >= GetLength())
        return -1;
    const TCHAR* p = FindChar(m_pszData + nStart, ch);
    return p == NULL ? -1 : (int)(p - m_pszData);
}

int CString::Find(LPCTSTR lpszSub, int nStart) const
{
    if (lpszSub == NULL || nStart < 0 || nStart > GetLength())
        return -1;
    const TCHAR* p = FindText(m_pszData + nStart, lpszSub);
    return p == NULL ? -1 : (int)(p - m_pszData);
}

int CString::ReverseFind(TCHAR ch) const
{
    const TCHAR* p = FindLastChar(m_pszData, ch);
    return p == NULL ? -1 : (int)(p - m_pszData);
}

int CString::FindOneOf(LPCTSTR lpszCharSet) const
{
    if (lpszCharSet == NULL)
        return -1;
    const TCHAR* p = FindAny(m_pszData, lpszCharSet);
    return p == NULL ? -1 : (int)(p - m_pszData);
}

void CString::FormatV(LPCTSTR lpszFormat, va_list argList)
{
    Empty();
    AppendFormatV(lpszFormat, argList);
}

void CString::AppendFormatV(LPCTSTR lpszFormat, va_list argList)
{
    if (lpszFormat == NULL)
        return;
    va_list copy;
    va_copy(copy, argList);
    const int n = FormattedLength(lpszFormat, copy);
    va_end(copy);
    if (n <= 0)
        return;
    const int nOld = GetLength();
    if (n > INT_MAX - nOld)
        AfxThrowMemoryException();
    PrepareWrite(nOld + n);
    FormatInto(m_pszData + nOld, n + 1, lpszFormat, argList);
    SetLength(nOld + n);
}

void AFX_CDECL CString::Format(LPCTSTR lpszFormat, ...)
{
    va_list args;
    va_start(args, lpszFormat);
    FormatV(lpszFormat, args);
    va_end(args);
}

void AFX_CDECL CString::Format(UINT nFormatID, ...)
{
    CString format;
    if (!format.LoadString(nFormatID))
        return;
    va_list args;
    va_start(args, nFormatID);
    FormatV(format, args);
    va_end(args);
}

void AFX_CDECL CString::AppendFormat(LPCTSTR lpszFormat, ...)
{
    va_list args;
    va_start(args, lpszFormat);
    AppendFormatV(lpszFormat, args);
    va_end(args);
}

BOOL CString::LoadString(UINT nID)
{
    // String tables live in blocks of 16 ids.
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE((nID >> 4) + 1), RT_STRING);
    return LoadString(hInst, nID);
}

BOOL CString::LoadString(HINSTANCE hInstance, UINT nID)
{
    // A string resource holds up to 65,535 characters: the buffer doubles while the text
    // fills it.
    TCHAR buffer[256];
    int n = LoadText(hInstance, nID, buffer, _countof(buffer));
    if (n <= 0)
        return FALSE;
    if (n < static_cast<int>(_countof(buffer)) - 1) {
        Assign(buffer, n);
        return TRUE;
    }
    CString strLong;
    for (int nRoom = 512; ; nRoom *= 2) {
        n = LoadText(hInstance, nID, strLong.GetBuffer(nRoom), nRoom + 1);
        if (n < nRoom || nRoom >= 0x20000)
            break;
    }
    strLong.ReleaseBuffer(n > 0 ? n : 0);
    if (n <= 0)
        return FALSE;
    *this = strLong;
    return TRUE;
}

LPTSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength < 0)
        AfxThrowInvalidArgException();
    const int nLength = GetLength();
    PrepareWrite(nMinBufLength > nLength ? nMinBufLength : nLength);
    if (GetData() == EmptyData()) {
        // An empty request still gets a writable buffer of its own.
        Data* pNew = Allocate(0);
        pNew->nDataLength = 0;
        m_pszData = pNew->chars();
    }
    return m_pszData;
}

LPTSTR CString::GetBufferSetLength(int nNewLength)
{
    GetBuffer(nNewLength);
    SetLength(nNewLength);
    return m_pszData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    Data* pData = GetData();
    if (pData == EmptyData())
        return;
    if (nNewLength < 0)
        nNewLength = BoundedLength(m_pszData, pData->nAllocLength);
    if (nNewLength > pData->nAllocLength)
        nNewLength = pData->nAllocLength;
    SetLength(nNewLength);
}

void CString::Preallocate(int nLength)
{
    if (nLength > GetAllocLength())
        PrepareWrite(nLength);
}

void CString::FreeExtra()
{
    if (GetAllocLength() > GetLength())
        *this = CString(m_pszData, GetLength());
}

void CString::Truncate(int nNewLength)
{
    if (nNewLength < 0 || nNewLength > GetLength())
        AfxThrowInvalidArgException();
    if (nNewLength == 0) {
        Empty();
        return;
    }
    PrepareWrite(GetLength());
    SetLength(nNewLength);
}
