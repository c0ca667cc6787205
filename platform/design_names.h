// Every control of a window carries its design name as its object name and
// as its accessible description, so that tests (findChild) and assistive
// tools find it by the same word.
#pragma once

#include <QWidget>

namespace platform {

// Call once the window's controls exist: the window and each named control
// get their object name as accessible description.
inline void ExposeDesignNames(QWidget& window) {
  window.setAccessibleDescription(window.objectName());
  for (QWidget* w : window.findChildren<QWidget*>())
    if (!w->objectName().isEmpty() && w->accessibleDescription().isEmpty())
      w->setAccessibleDescription(w->objectName());
}

// Creates a child control of `parent` with its design name.
template <class W, class... Args>
W* Named(QWidget* parent, const char* name, Args&&... args) {
  W* w = new W(std::forward<Args>(args)..., parent);
  w->setObjectName(QString::fromLatin1(name));
  return w;
}

}  // namespace platform
