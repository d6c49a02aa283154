#include "file_access.h"
#include "point_messages.h"

const char* fileErrorMessage(FileError error) {
    switch (error) {
    case FileError::None:
        return nullptr;
    case FileError::NotFound:
        return MSG_FILE_NOT_FOUND;
    case FileError::AccessDenied:
        return MSG_ACCESS_DENIED;
    case FileError::SharingViolation:
        return MSG_SHARING_VIOLATION;
    case FileError::TooLarge:
    case FileError::Other:
        break;
    }
    return MSG_READ_FAILED;
}
