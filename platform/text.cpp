#include "platform/text.h"

#include <QFile>

namespace platform {

QString FromPath(const std::string& path) {
  return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::string ToPath(const QString& path) {
  const QByteArray b = QFile::encodeName(path);
  return std::string(b.constData(), static_cast<size_t>(b.size()));
}

}  // namespace platform
