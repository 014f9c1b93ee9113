#pragma once

#include <QString>

#include <stdexcept>

namespace platform {

// What a platform service could not do.
enum class Failure {
    FileNotFound,
    FileNotAccessible, // a folder, or a file that may not be read
    PathNotFound,
    DeviceUnavailable, // a drive with no disk in it
    NotAPicture,       // not a whole JPEG, GIF, PNG or BMP picture
    UnreadableKind,    // a picture of a kind not read (HEIC, WebP); description: the kind
    PictureTooLarge,   // more pixels than may be decoded
};

// A platform service's failure and its words.
class PlatformError : public std::runtime_error {
public:
    PlatformError(Failure failure, const QString& description)
        : std::runtime_error(description.toStdString()), failure_(failure) {}
    Failure failure() const { return failure_; }

private:
    Failure failure_;
};

} // namespace platform
