#pragma once

// Conversions between core's UTF-8 std::string / std::filesystem::path and QString.

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace tessaly::ui {

inline QString qs(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline QString qs(const std::string& utf8) { return QString::fromStdString(utf8); }
inline QString qs(const char* utf8) { return QString::fromUtf8(utf8); }
inline std::string utf8(const QString& text) { return text.toStdString(); }
inline QString qpath(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }
inline std::filesystem::path toPath(const QString& text) { return std::filesystem::path(text.toStdString()); }

}  // namespace tessaly::ui
