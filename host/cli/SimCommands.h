// The simulated controller on the command line, and whole images to and from a controller
// reached over TCP.
#pragma once

#include "cli/CommandContext.h"

namespace g20seq::host {

// "simulate --port N --station NAME [--image FILE]": answers hosts until SIGINT or SIGTERM.
int CommandSimulate(const TCommandContext& Context, const TArgs& Args);
// "send FILE --to HOST:PORT": writes the zones a controller takes from the image.
int CommandSend(const TCommandContext& Context, const TArgs& Args);
// "receive FILE --to HOST:PORT": reads the controller's zones into the image.
int CommandReceive(const TCommandContext& Context, const TArgs& Args);

} // namespace g20seq::host
