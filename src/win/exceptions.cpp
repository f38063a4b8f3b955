#include "win/exceptions.h"

#include "base/text.h"
#include "resource.h"

#include "win/strings.h"
#include "win/system_error.h"

namespace {
UINT FileErrorStringId(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND: return IDS_FILE_NOT_FOUND;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_PATHNAME: return IDS_FILE_BAD_PATH;
    case ERROR_TOO_MANY_OPEN_FILES: return IDS_FILE_TOO_MANY_OPEN;
    case ERROR_ACCESS_DENIED: return IDS_FILE_ACCESS_DENIED;
    case ERROR_INVALID_HANDLE:
    case ERROR_BAD_FORMAT:
    case ERROR_RESOURCE_DATA_NOT_FOUND:
    case ERROR_RESOURCE_TYPE_NOT_FOUND: return IDS_FILE_INVALID;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return IDS_FILE_SHARING;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return IDS_FILE_DISK_FULL;
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT: return IDS_FILE_HARD_IO;
    case ERROR_HANDLE_EOF: return IDS_FILE_END_OF_FILE;
    default: return IDS_FILE_GENERIC;
    }
}
} // namespace

std::string CMemoryException::GetErrorMessage() const
{
    return LoadResString(IDS_MEMORY_EXCEPTION);
}

std::string CResourceException::GetErrorMessage() const
{
    return LoadResString(IDS_RESOURCE_EXCEPTION);
}

std::string CFileException::GetErrorMessage() const
{
    std::string text =
        InsertArg(LoadResString(FileErrorStringId(m_dwError)), "%1", m_strPath.empty() ? "(unknown file)" : m_strPath);
    std::string reason;
    if (m_dwError != 0 && GetSystemErrorText(nullptr, m_dwError, reason) > 0)
        text += "\n\n" + reason;
    return text;
}
