#include "win/exceptions.h"

#include "base/file_error_text.h"
#include "base/text.h"
#include "resource.h"

#include "win/strings.h"
#include "win/system_error.h"

static_assert(kErrorFileNotFound == ERROR_FILE_NOT_FOUND && kErrorPathNotFound == ERROR_PATH_NOT_FOUND &&
                  kErrorTooManyOpenFiles == ERROR_TOO_MANY_OPEN_FILES && kErrorAccessDenied == ERROR_ACCESS_DENIED &&
                  kErrorInvalidHandle == ERROR_INVALID_HANDLE && kErrorBadFormat == ERROR_BAD_FORMAT &&
                  kErrorInvalidDrive == ERROR_INVALID_DRIVE && kErrorCrc == ERROR_CRC &&
                  kErrorWriteFault == ERROR_WRITE_FAULT && kErrorReadFault == ERROR_READ_FAULT &&
                  kErrorSharingViolation == ERROR_SHARING_VIOLATION && kErrorLockViolation == ERROR_LOCK_VIOLATION &&
                  kErrorHandleEof == ERROR_HANDLE_EOF && kErrorHandleDiskFull == ERROR_HANDLE_DISK_FULL &&
                  kErrorDiskFull == ERROR_DISK_FULL && kErrorBadPathname == ERROR_BAD_PATHNAME &&
                  kErrorResourceDataNotFound == ERROR_RESOURCE_DATA_NOT_FOUND &&
                  kErrorResourceTypeNotFound == ERROR_RESOURCE_TYPE_NOT_FOUND,
              "file error codes");

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
        ReplaceArgs(LoadResString(UINT(FileErrorStringId(m_dwError))), m_strPath.empty() ? "(unknown file)" : m_strPath);
    std::string reason;
    if (m_dwError != 0 && GetSystemErrorText(nullptr, m_dwError, reason) > 0)
        text += "\n\n" + reason;
    return text;
}
