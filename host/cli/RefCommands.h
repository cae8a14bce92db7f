// The reference file of a station: the copy of its parameters last known to be good,
// saved from the image, compared with it and restored into it.
#pragma once

#include "cli/CommandContext.h"

namespace g20seq::host {

// "ref save|restore|diff FILE REF".
int CommandRef(const TCommandContext& Context, const TArgs& Args);

} // namespace g20seq::host
