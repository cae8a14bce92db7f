// "g20seq demo DIR": a guided tour of the main job on a demo station, printing every
// command it runs and what the command answered.
#pragma once

#include "cli/CommandContext.h"

namespace g20seq::host {

int CommandDemo(const TCommandContext& Context, const TArgs& Args);

} // namespace g20seq::host
