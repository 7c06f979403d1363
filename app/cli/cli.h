// The command line apart from its process: main() hands its arguments over,
// and the answer goes to standard output and standard error, so that a test
// can ask it in-process as often as it likes.
#pragma once

namespace cli {

// How the process becomes the window program, given the window program's
// arguments (its path first, then a null pointer); returns the exit status.
using Becomes = int (*)(char* argv[]);

// `kelvane ARGUMENTS...`: the exit status. Without a subcommand, and for the
// labels and the chart, the calling process becomes the window program: by
// exec, or as becomes says where a caller must stay itself.
int answer(int argc, char* argv[], Becomes becomes = nullptr);

} // namespace cli
