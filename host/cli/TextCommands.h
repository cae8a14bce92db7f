// Commands on the canonical text of an image: write it (fmt) and load it back (apply).
#pragma once

#include "cli/CommandContext.h"

namespace g20seq::host {

int CommandFmt(const TCommandContext& Context, const TArgs& Args);
int CommandApply(const TCommandContext& Context, const TArgs& Args);

} // namespace g20seq::host
