#include "CString.h"

#include "Resources.h"

#include <cstdarg>
#include <cstdio>

CString CString::Left(int count) const {
    return CString(m_text.substr(0, static_cast<std::size_t>(std::max(count, 0))));
}

CString CString::Right(int count) const {
    std::size_t n = std::min(static_cast<std::size_t>(std::max(count, 0)), m_text.size());
    return CString(m_text.substr(m_text.size() - n));
}

CString CString::Mid(int first, int count) const {
    std::size_t start = std::min(static_cast<std::size_t>(std::max(first, 0)), m_text.size());
    return CString(m_text.substr(start, count < 0 ? std::string::npos : std::size_t(count)));
}

int CString::Find(char ch, int start) const {
    std::size_t found = m_text.find(ch, static_cast<std::size_t>(std::max(start, 0)));
    return found == std::string::npos ? -1 : static_cast<int>(found);
}

int CString::Replace(LPCSTR oldText, LPCSTR newText) {
    std::string_view from(oldText ? oldText : "");
    std::string_view to(newText ? newText : "");
    if (from.empty()) {
        return 0;
    }
    int count = 0;
    for (std::size_t at = m_text.find(from); at != std::string::npos;
         at = m_text.find(from, at + to.size())) {
        m_text.replace(at, from.size(), to);
        ++count;
    }
    return count;
}

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

void CString::Format(LPCSTR format, ...) {
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, args);
    va_end(args);
    text.resize(static_cast<std::size_t>(std::max(length, 0)));
    m_text = std::move(text);
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
