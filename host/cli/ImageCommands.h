// Commands on a station image: create it, describe it, show, read and change its fields,
// compare it with another image. Each answers the tool's exit code.
#pragma once

#include "cli/CommandContext.h"

namespace g20seq::host {

int CommandNew(const TCommandContext& Context, const TArgs& Args);
int CommandInfo(const TCommandContext& Context, const TArgs& Args);
int CommandDump(const TCommandContext& Context, const TArgs& Args);
int CommandGet(const TCommandContext& Context, const TArgs& Args);
int CommandSet(const TCommandContext& Context, const TArgs& Args);
int CommandDiff(const TCommandContext& Context, const TArgs& Args);

} // namespace g20seq::host
