// "g20seq export FILE OUT [--sections LIST] [--programs LIST] [--electrodes LIST]": the text
// export of a station image (one column per zone number, cells separated by ";"), written by
// the module.
#pragma once

#include "cli/CommandContext.h"

namespace g20seq::host {

int CommandExport(const TCommandContext& Context, const TArgs& Args);

} // namespace g20seq::host
