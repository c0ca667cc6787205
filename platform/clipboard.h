// The clipboard as the exports use it: ClipboardService, and the desktop's
// own clipboard behind it (DesktopClipboard). Tests give a recorder.
#pragma once

#include <QImage>

#include "platform/metafile_clip.h"

namespace platform {

class ClipboardService {
 public:
  virtual ~ClipboardService() = default;
  virtual void Clear() = 0;
  // The metafile as image/x-wmf, with the same plot as image/svg+xml and
  // image/png. False when the clipboard did not take it.
  virtual bool PutMetafile(const MetafileClip& clip) = 0;
  // An image (offered as image/png and the desktop's other image types).
  // False when the clipboard did not take it.
  virtual bool PutImage(const QImage& image) = 0;
};

class DesktopClipboard : public ClipboardService {
 public:
  void Clear() override;
  bool PutMetafile(const MetafileClip& clip) override;
  bool PutImage(const QImage& image) override;
};

}  // namespace platform
