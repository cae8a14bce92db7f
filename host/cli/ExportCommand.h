// "g20seq export FILE OUT [--sections LIST] [--programs LIST] [--electrodes LIST]": the text
// export of a station image (one column per zone number, cells separated by ";"), written by
// the module.
#pragma once

#include "cli/CommandContext.h"

namespace g20seq::host {

int CommandExport(const TCommandContext& Context, const TArgs& Args);
// Every section of the export: what it writes when no section is named (the studio's export).
TExportTypes EverySection();

} // namespace g20seq::host
