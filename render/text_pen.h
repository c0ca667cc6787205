// Helpers of the text procedures of render/plot.h: the pen some targets
// select around their text output, and the text height a procedure uses.
#pragma once

#include <optional>
#include <string>

#include "render/page_layout.h"
#include "render/plot.h"
#include "render/target.h"

namespace render {

// A solid black pen of `width` selected while the scope lives; width 0 (the
// screen) selects none.
class TextPenScope {
 public:
  TextPenScope(Target& t, int width) {
    if (width > 0) pen_.emplace(t, Pen{width, kBlack});
  }

 private:
  std::optional<PenScope> pen_;
};

// The text height of a procedure: the argument, or on a page that measures
// its text the height of `first`, the first string the procedure measures.
inline double TextHeightOf(const PageLayout& page, const TextArg& a, Target& t,
                           const std::string& first) {
  return page.measuresTextHeight ? t.TextExtent(first).cy : a.textH;
}

}  // namespace render
