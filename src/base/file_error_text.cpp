#include "base/file_error_text.h"

#include "resource.h"

namespace {

struct FileErrorRow {
    std::uint32_t error;
    int stringId;
};

constexpr FileErrorRow kFileErrors[] = {
    {kErrorFileNotFound, IDS_FILE_NOT_FOUND},
    {kErrorPathNotFound, IDS_FILE_BAD_PATH},
    {kErrorInvalidDrive, IDS_FILE_BAD_PATH},
    {kErrorBadPathname, IDS_FILE_BAD_PATH},
    {kErrorTooManyOpenFiles, IDS_FILE_TOO_MANY_OPEN},
    {kErrorAccessDenied, IDS_FILE_ACCESS_DENIED},
    {kErrorInvalidHandle, IDS_FILE_INVALID},
    {kErrorBadFormat, IDS_FILE_INVALID},
    {kErrorResourceDataNotFound, IDS_FILE_INVALID},
    {kErrorResourceTypeNotFound, IDS_FILE_INVALID},
    {kErrorSharingViolation, IDS_FILE_SHARING},
    {kErrorLockViolation, IDS_FILE_SHARING},
    {kErrorDiskFull, IDS_FILE_DISK_FULL},
    {kErrorHandleDiskFull, IDS_FILE_DISK_FULL},
    {kErrorCrc, IDS_FILE_HARD_IO},
    {kErrorReadFault, IDS_FILE_HARD_IO},
    {kErrorWriteFault, IDS_FILE_HARD_IO},
    {kErrorHandleEof, IDS_FILE_END_OF_FILE},
};

} // namespace

int FileErrorStringId(std::uint32_t error)
{
    for (const FileErrorRow& row : kFileErrors)
        if (row.error == error)
            return row.stringId;
    return IDS_FILE_GENERIC;
}
