#pragma once
// How much a tool may add to a text. A count field takes any number, and a
// count typed by mistake must not make a tool build gigabytes of spaces or
// line breaks until memory runs out: past this limit the tool refuses.
#include "core/text_ops.h"

namespace scribbet {

inline constexpr Pos kMaxGrowth = Pos{1} << 30;  // 1 GiB

}  // namespace scribbet
