// The audit of a plant: every station image compared with its reference, in parallel.
#pragma once

#include "cli/CommandContext.h"

namespace g20seq::host {

int CommandAudit(const TCommandContext& Context, const TArgs& Args);

} // namespace g20seq::host
