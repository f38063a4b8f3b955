// Which of the framework's file-error texts (the string table's "Calyx could not ..."
// entries) names the reason a file could not be used, by the system's error code.
#pragma once

#include <cstdint>

// The system error codes that have a text of their own (Windows' numbers).
constexpr std::uint32_t kErrorFileNotFound = 2;
constexpr std::uint32_t kErrorPathNotFound = 3;
constexpr std::uint32_t kErrorTooManyOpenFiles = 4;
constexpr std::uint32_t kErrorAccessDenied = 5;
constexpr std::uint32_t kErrorInvalidHandle = 6;
constexpr std::uint32_t kErrorBadFormat = 11;
constexpr std::uint32_t kErrorInvalidDrive = 15;
constexpr std::uint32_t kErrorCrc = 23;
constexpr std::uint32_t kErrorWriteFault = 29;
constexpr std::uint32_t kErrorReadFault = 30;
constexpr std::uint32_t kErrorSharingViolation = 32;
constexpr std::uint32_t kErrorLockViolation = 33;
constexpr std::uint32_t kErrorHandleEof = 38;
constexpr std::uint32_t kErrorHandleDiskFull = 39;
constexpr std::uint32_t kErrorDiskFull = 112;
constexpr std::uint32_t kErrorBadPathname = 161;
constexpr std::uint32_t kErrorResourceDataNotFound = 1812;
constexpr std::uint32_t kErrorResourceTypeNotFound = 1813;

// The string id of the text for `error`; the generic "could not read" text for any other.
int FileErrorStringId(std::uint32_t error);
