// The start-up exceptions. They carry the standard texts of the string table and are
// caught once, at the start-up boundary, which shows the text and abandons start-up.
// No exception ever crosses a window procedure.
#pragma once

#include <windows.h>

#include <exception>
#include <string>

class CStartupException : public std::exception {
public:
    // The text shown to the user.
    virtual std::string GetErrorMessage() const = 0;
    const char* what() const noexcept override { return "start-up failure"; }
};

// "Out of memory." (string 61475): failed window creation, memory or display context shortage.
class CMemoryException : public CStartupException {
public:
    std::string GetErrorMessage() const override;
};

// "A required resource was unavailable." (string 61474): a class, font or resource missing.
class CResourceException : public CStartupException {
public:
    std::string GetErrorMessage() const override;
};

// A file that could not be read (the program file's version resource): names the file and
// the system's reason for the error code.
class CFileException : public CStartupException {
public:
    CFileException(DWORD error, std::string path) : m_dwError(error), m_strPath(std::move(path)) {}
    std::string GetErrorMessage() const override;
    DWORD m_dwError;
    std::string m_strPath;
};
