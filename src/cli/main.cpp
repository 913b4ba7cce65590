#include <iostream>

#include "cli/cli.h"

int main(int argc, char** argv) {
    return pixmora::cli::RunCli(argc, argv, pixmora::cli::ExecutableDir(argv[0]), std::cout,
                                std::cerr);
}
