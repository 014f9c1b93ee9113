#pragma once

#include <QString>

#include <stdexcept>

namespace platform {

// A failure of a platform service, numbered as the handlers that trap it expect.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const QString& description)
        : std::runtime_error(description.toStdString()), number_(number) {}
    int number() const { return number_; }

private:
    int number_;
};

namespace error {
inline constexpr int FileNotFound = 53;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathNotFound = 76;
inline constexpr int PathFileAccess = 75;
inline constexpr int DeviceUnavailable = 68;
inline constexpr int DeviceIo = 57;
inline constexpr int InvalidPicture = 481;
inline constexpr int OutOfMemory = 7;
} // namespace error

} // namespace platform
