// The simulated controller on the command line, and whole images to and from a controller
// reached over TCP.
#pragma once

#include "cli/CommandContext.h"

namespace g20seq::host {

// "simulate --port N --station NAME [--image FILE] [--rate W]": answers hosts, and welds W
// times a second, until SIGINT or SIGTERM.
int CommandSimulate(const TCommandContext& Context, const TArgs& Args);
// "send FILE --to HOST:PORT": writes the zones a controller takes from the image.
int CommandSend(const TCommandContext& Context, const TArgs& Args);
// "receive FILE --to HOST:PORT": reads the controller's zones into the image.
int CommandReceive(const TCommandContext& Context, const TArgs& Args);

// "watch HOST:PORT [--count N]": one line per signature the controller writes.
int CommandWatch(const TCommandContext& Context, const TArgs& Args);

} // namespace g20seq::host
