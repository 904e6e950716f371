// Writes a generated contest log to standard output:
//   vantor-loggen COUNT [SEED] > log.txt

#include "tools/LogGenerator.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s COUNT [SEED] > log.txt\n", argv[0]);
        return 2;
    }
    vantor::tools::LogGenOptions options;
    options.count = std::atoi(argv[1]);
    if (options.count < 0 || options.count > 11000) {
        std::fprintf(stderr, "COUNT must be 0..11000\n");
        return 2;
    }
    if (argc == 3)
        options.seed = static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10));
    std::cout << vantor::tools::formatLog(vantor::tools::generateContacts(options));
    return std::cout ? 0 : 1;
}
