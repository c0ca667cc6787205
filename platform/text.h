// Where text crosses between the pure code (UTF-8 bytes in std::string) and
// Qt (QString): box texts, captions and file names cross here only.
#pragma once

#include <QString>
#include <string>

namespace platform {

inline QString FromUtf8(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline QString FromUtf8(const char* s) { return QString::fromUtf8(s); }
inline std::string ToUtf8(const QString& s) {
  const QByteArray b = s.toUtf8();
  return std::string(b.constData(), static_cast<size_t>(b.size()));
}

// File names: the bytes the file system holds, decoded as the locale says.
QString FromPath(const std::string& path);
std::string ToPath(const QString& path);

}  // namespace platform
