#include "cli.h"

int main(int argc, char* argv[]) { return cli::answer(argc, argv); }
