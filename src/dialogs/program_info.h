#pragma once

#include <QString>

// The program's own title and version, as the About window shows them.
namespace program_info {

inline const QString Title = QStringLiteral("Tovrin");
inline constexpr int Major = STATIONERY_VERSION_MAJOR;
inline constexpr int Minor = STATIONERY_VERSION_MINOR;
inline constexpr int Revision = STATIONERY_VERSION_PATCH;

} // namespace program_info
