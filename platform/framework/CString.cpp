#include "CString.h"

#include "Resources.h"

CString& CString::operator+=(const CString& other) {
    m_text += other.m_text;
    return *this;
}

CString& CString::operator+=(LPCSTR text) {
    m_text += text ? text : "";
    return *this;
}

CString& CString::operator+=(char ch) {
    m_text += ch;
    return *this;
}

BOOL CString::LoadString(UINT id) {
    LPCSTR text = AfxFindString(id);
    m_text = text ? text : "";
    return text != nullptr;
}

CString operator+(const CString& left, const CString& right) {
    return CString(left.m_text + right.m_text);
}
CString operator+(const CString& left, LPCSTR right) {
    return left + CString(right);
}
CString operator+(LPCSTR left, const CString& right) {
    return CString(left) + right;
}
