// CString: shared, reference-counted buffers copied on write. Multibyte-aware operations
// step over double-byte characters with CharNextA/IsDBCSLeadByte.
#include <afx.h>

#include <cstdio>
#include <cstring>
#include <mbstring.h>

namespace {

// The shared empty string: never freed, its count is never changed.
struct EmptyStringData {
    long nRefs = -1;
    int nDataLength = 0;
    int nAllocLength = 0;
    char chars[1] = {'\0'};
} s_empty;

bool IsShared(long nRefs) { return nRefs > 1; }

int SafeLength(LPCSTR psz) { return psz == NULL ? 0 : (int)std::strlen(psz); }

} // namespace

CString::Data* CString::EmptyData()
{
    return reinterpret_cast<Data*>(&s_empty);
}

CString::Data* CString::Allocate(int nLength)
{
    if (nLength < 0)
        AfxThrowInvalidArgException();
    void* p = ::operator new(sizeof(Data) + nLength + 1, std::nothrow);
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

CString::CString(LPCSTR lpsz) : m_pszData(EmptyData()->chars())
{
    if (lpsz != NULL && IS_INTRESOURCE(lpsz))
        LoadString((UINT)(UINT_PTR)lpsz);
    else
        Assign(lpsz, SafeLength(lpsz));
}

CString::CString(LPCSTR lpch, int nLength) : m_pszData(EmptyData()->chars())
{
    Assign(lpch, lpch == NULL ? 0 : nLength);
}

CString::CString(const unsigned char* psz) : m_pszData(EmptyData()->chars())
{
    Assign(reinterpret_cast<LPCSTR>(psz), SafeLength(reinterpret_cast<LPCSTR>(psz)));
}

CString::CString(char ch, int nRepeat) : m_pszData(EmptyData()->chars())
{
    if (nRepeat > 0) {
        PrepareWrite(nRepeat);
        std::memset(m_pszData, ch, nRepeat);
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
void CString::Assign(LPCSTR lpch, int nLength)
{
    if (nLength < 0)
        AfxThrowInvalidArgException();
    if (nLength == 0) {
        Empty();
        return;
    }
    Data* pNew = Allocate(nLength);
    std::memcpy(pNew->chars(), lpch, nLength);
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
    if (nAlloc > pOld->nAllocLength && pOld->nAllocLength > 0)
        nAlloc = nLength + nLength / 2; // grow geometrically for repeated appends
    Data* pNew = Allocate(nAlloc);
    const int nKeep = pOld->nDataLength < nLength ? pOld->nDataLength : nLength;
    std::memcpy(pNew->chars(), pOld->chars(), nKeep);
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

char CString::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetLength())
        AfxThrowInvalidArgException();
    return m_pszData[nIndex];
}

void CString::SetAt(int nIndex, char ch)
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

CString& CString::operator=(LPCSTR lpsz)
{
    Assign(lpsz, SafeLength(lpsz));
    return *this;
}

CString& CString::operator=(const unsigned char* psz)
{
    return *this = reinterpret_cast<LPCSTR>(psz);
}

CString& CString::operator=(char ch)
{
    Assign(&ch, 1);
    return *this;
}

void CString::Append(LPCSTR lpsz, int nLength)
{
    if (lpsz == NULL || nLength <= 0)
        return;
    const int nOld = GetLength();
    if (lpsz >= m_pszData && lpsz <= m_pszData + nOld) {
        CString copy(lpsz, nLength); // appending a part of itself
        Append(copy, nLength);
        return;
    }
    PrepareWrite(nOld + nLength);
    std::memcpy(m_pszData + nOld, lpsz, nLength);
    SetLength(nOld + nLength);
}

CString& CString::operator+=(const CString& string)
{
    Append(string, string.GetLength());
    return *this;
}

CString& CString::operator+=(LPCSTR lpsz)
{
    Append(lpsz, SafeLength(lpsz));
    return *this;
}

CString& CString::operator+=(char ch)
{
    Append(&ch, 1);
    return *this;
}

void CString::SetString(LPCSTR lpsz, int nLength)
{
    Assign(lpsz, lpsz == NULL ? 0 : nLength);
}

int CString::Compare(LPCSTR lpsz) const
{
    return _mbscmp(reinterpret_cast<const unsigned char*>(m_pszData),
                   reinterpret_cast<const unsigned char*>(lpsz ? lpsz : ""));
}

int CString::CompareNoCase(LPCSTR lpsz) const
{
    return _mbsicmp(reinterpret_cast<const unsigned char*>(m_pszData),
                    reinterpret_cast<const unsigned char*>(lpsz ? lpsz : ""));
}

int CString::Collate(LPCSTR lpsz) const
{
    return ::CompareStringA(LOCALE_USER_DEFAULT, 0, m_pszData, -1, lpsz ? lpsz : "", -1) - 2;
}

int CString::CollateNoCase(LPCSTR lpsz) const
{
    return ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, m_pszData, -1, lpsz ? lpsz : "", -1) - 2;
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

CString CString::SpanIncluding(LPCSTR lpszCharSet) const
{
    if (lpszCharSet == NULL)
        return CString();
    return Left((int)_mbsspn(reinterpret_cast<const unsigned char*>(m_pszData),
                             reinterpret_cast<const unsigned char*>(lpszCharSet)));
}

CString CString::SpanExcluding(LPCSTR lpszCharSet) const
{
    if (lpszCharSet == NULL)
        return *this;
    return Left((int)_mbscspn(reinterpret_cast<const unsigned char*>(m_pszData),
                              reinterpret_cast<const unsigned char*>(lpszCharSet)));
}

CString CString::Tokenize(LPCSTR pszTokens, int& iStart) const
{
    if (iStart < 0 || pszTokens == NULL || iStart >= GetLength()) {
        if (pszTokens == NULL && iStart >= 0 && iStart < GetLength())
            return Mid(iStart);
        iStart = -1;
        return CString();
    }
    const unsigned char* p = reinterpret_cast<const unsigned char*>(m_pszData) + iStart;
    const unsigned char* tokens = reinterpret_cast<const unsigned char*>(pszTokens);
    p += _mbsspn(p, tokens);
    if (*p == '\0') {
        iStart = -1;
        return CString();
    }
    const size_t n = _mbscspn(p, tokens);
    const int nFirst = (int)(p - reinterpret_cast<const unsigned char*>(m_pszData));
    iStart = nFirst + (int)n + 1;
    return Mid(nFirst, (int)n);
}

CString& CString::MakeUpper()
{
    if (!IsEmpty()) {
        PrepareWrite(GetLength());
        _mbsupr(reinterpret_cast<unsigned char*>(m_pszData));
    }
    return *this;
}

CString& CString::MakeLower()
{
    if (!IsEmpty()) {
        PrepareWrite(GetLength());
        _mbslwr(reinterpret_cast<unsigned char*>(m_pszData));
    }
    return *this;
}

CString& CString::MakeReverse()
{
    if (!IsEmpty()) {
        PrepareWrite(GetLength());
        _mbsrev(reinterpret_cast<unsigned char*>(m_pszData));
    }
    return *this;
}

int CString::Replace(char chOld, char chNew)
{
    int nCount = 0;
    for (int i = 0; i < GetLength(); ++i) {
        if (::IsDBCSLeadByte((BYTE)m_pszData[i])) {
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

int CString::Replace(LPCSTR lpszOld, LPCSTR lpszNew)
{
    const int nOld = SafeLength(lpszOld);
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

int CString::Remove(char chRemove)
{
    CString result;
    int nCount = 0;
    for (int i = 0; i < GetLength(); ++i) {
        if (::IsDBCSLeadByte((BYTE)m_pszData[i]) && i + 1 < GetLength()) {
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

int CString::Insert(int nIndex, char ch)
{
    return Insert(nIndex, CString(ch));
}

int CString::Insert(int nIndex, LPCSTR pstr)
{
    if (nIndex < 0)
        nIndex = 0;
    if (nIndex > GetLength())
        nIndex = GetLength();
    const int nInsert = SafeLength(pstr);
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
CString& CString::Trim(char chTarget) { return TrimRight(chTarget).TrimLeft(chTarget); }
CString& CString::Trim(LPCSTR lpszTargets) { return TrimRight(lpszTargets).TrimLeft(lpszTargets); }
CString& CString::TrimLeft() { return TrimLeft(" \t\r\n\v\f"); }
CString& CString::TrimRight() { return TrimRight(" \t\r\n\v\f"); }

CString& CString::TrimLeft(char chTarget)
{
    const char set[2] = {chTarget, '\0'};
    return TrimLeft(set);
}

CString& CString::TrimRight(char chTarget)
{
    const char set[2] = {chTarget, '\0'};
    return TrimRight(set);
}

CString& CString::TrimLeft(LPCSTR lpszTargets)
{
    if (lpszTargets == NULL || *lpszTargets == '\0')
        return *this;
    const int n = (int)_mbsspn(reinterpret_cast<const unsigned char*>(m_pszData),
                               reinterpret_cast<const unsigned char*>(lpszTargets));
    if (n > 0)
        *this = Mid(n);
    return *this;
}

CString& CString::TrimRight(LPCSTR lpszTargets)
{
    if (lpszTargets == NULL || *lpszTargets == '\0')
        return *this;
    // Walk forward by characters, remembering where the trailing run of targets begins.
    const char* pEnd = NULL;
    for (const char* p = m_pszData; *p; p = ::CharNextA(p)) {
        const bool bTarget = !::IsDBCSLeadByte((BYTE)*p) && std::strchr(lpszTargets, *p) != NULL;
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

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0 || nStart >= GetLength())
        return -1;
    const unsigned char* p = _mbschr(reinterpret_cast<const unsigned char*>(m_pszData) + nStart, (BYTE)ch);
    return p == NULL ? -1 : (int)(p - reinterpret_cast<const unsigned char*>(m_pszData));
}

int CString::Find(LPCSTR lpszSub, int nStart) const
{
    if (lpszSub == NULL || nStart < 0 || nStart > GetLength())
        return -1;
    const unsigned char* p = _mbsstr(reinterpret_cast<const unsigned char*>(m_pszData) + nStart,
                                     reinterpret_cast<const unsigned char*>(lpszSub));
    return p == NULL ? -1 : (int)(p - reinterpret_cast<const unsigned char*>(m_pszData));
}

int CString::ReverseFind(char ch) const
{
    const unsigned char* p = _mbsrchr(reinterpret_cast<const unsigned char*>(m_pszData), (BYTE)ch);
    return p == NULL ? -1 : (int)(p - reinterpret_cast<const unsigned char*>(m_pszData));
}

int CString::FindOneOf(LPCSTR lpszCharSet) const
{
    if (lpszCharSet == NULL)
        return -1;
    const unsigned char* p = _mbspbrk(reinterpret_cast<const unsigned char*>(m_pszData),
                                      reinterpret_cast<const unsigned char*>(lpszCharSet));
    return p == NULL ? -1 : (int)(p - reinterpret_cast<const unsigned char*>(m_pszData));
}

void CString::FormatV(LPCSTR lpszFormat, va_list argList)
{
    Empty();
    AppendFormatV(lpszFormat, argList);
}

void CString::AppendFormatV(LPCSTR lpszFormat, va_list argList)
{
    if (lpszFormat == NULL)
        return;
    va_list copy;
    va_copy(copy, argList);
    const int n = std::vsnprintf(NULL, 0, lpszFormat, copy);
    va_end(copy);
    if (n <= 0)
        return;
    const int nOld = GetLength();
    PrepareWrite(nOld + n);
    std::vsnprintf(m_pszData + nOld, n + 1, lpszFormat, argList);
    SetLength(nOld + n);
}

void AFX_CDECL CString::Format(LPCSTR lpszFormat, ...)
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

void AFX_CDECL CString::AppendFormat(LPCSTR lpszFormat, ...)
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
    char buffer[1024];
    const int n = ::LoadStringA(hInstance, nID, buffer, sizeof buffer);
    if (n <= 0)
        return FALSE;
    Assign(buffer, n);
    return TRUE;
}

LPSTR CString::GetBuffer(int nMinBufLength)
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

LPSTR CString::GetBufferSetLength(int nNewLength)
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
        nNewLength = (int)strnlen(m_pszData, pData->nAllocLength);
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
