#pragma once

// The framework's string: bytes in the system code page (UTF-8 here), never null.

#include "WinTypes.h"

#include <compare>
#include <string>
#include <string_view>

class CString {
public:
    CString() = default;
    CString(LPCSTR text) : m_text(text ? text : "") {}
    CString(LPCSTR text, int length) : m_text(text ? std::string(text, length) : std::string()) {}
    CString(std::string text) : m_text(std::move(text)) {}
    CString(std::string_view text) : m_text(text) {}

    int GetLength() const { return static_cast<int>(m_text.size()); }
    BOOL IsEmpty() const { return m_text.empty(); }
    char GetAt(int index) const { return m_text.at(static_cast<std::size_t>(index)); }
    char operator[](int index) const { return GetAt(index); }

    operator LPCSTR() const { return m_text.c_str(); }
    LPCSTR GetString() const { return m_text.c_str(); }
    const std::string& str() const { return m_text; }

    CString& operator+=(const CString& other);
    CString& operator+=(LPCSTR text);
    CString& operator+=(char ch);

    // Loads a string from the program's string table; FALSE (and empty) when there is none.
    BOOL LoadString(UINT id);

    friend CString operator+(const CString& left, const CString& right);
    friend CString operator+(const CString& left, LPCSTR right);
    friend CString operator+(LPCSTR left, const CString& right);
    friend bool operator==(const CString& left, const CString& right) = default;
    friend auto operator<=>(const CString& left, const CString& right) = default;
    friend bool operator==(const CString& left, LPCSTR right) { return left.m_text == right; }

private:
    std::string m_text;
};
