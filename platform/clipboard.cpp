#include "platform/clipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace platform {

namespace {

// The desktop's clipboard; none without a GUI application.
QClipboard* Clipboard() {
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard()
                                                                      : nullptr;
}

// Hands `data` to the clipboard (which owns it from then on) and reads back
// whether the clipboard holds it: when the desktop would not give the
// clipboard to this program it holds another owner's data, or none.
bool Put(QMimeData* data, bool (*held)(const QMimeData&)) {
  QClipboard* clipboard = Clipboard();
  if (!clipboard) {
    delete data;
    return false;
  }
  clipboard->setMimeData(data);
  const QMimeData* now = clipboard->mimeData();
  return now && held(*now);
}

}  // namespace

void DesktopClipboard::Clear() {
  if (QClipboard* clipboard = Clipboard()) clipboard->clear();
}

bool DesktopClipboard::PutMetafile(const MetafileClip& clip) {
  auto* data = new QMimeData;
  data->setData(QString::fromLatin1(kWmfMime), clip.wmf);
  data->setData(QString::fromLatin1(kSvgMime), clip.svg);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  clip.image.save(&buffer, "PNG");
  data->setData(QString::fromLatin1(kPngMime), png);
  return Put(data, [](const QMimeData& m) { return m.hasFormat(QString::fromLatin1(kWmfMime)); });
}

bool DesktopClipboard::PutImage(const QImage& image) {
  auto* data = new QMimeData;
  data->setImageData(image);
  return Put(data, [](const QMimeData& m) { return m.hasImage(); });
}

}  // namespace platform
