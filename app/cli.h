// The command line apart from its process: main() hands its arguments over,
// and the answer goes to standard output and standard error, so that a test
// can ask it in-process as often as it likes.
#pragma once

namespace cli {

// `kelvane ARGUMENTS...`: the exit status. Without a subcommand, the calling
// process becomes the window program.
int answer(int argc, char* argv[]);

} // namespace cli
