// merivox-bench-data BYTES FILE: writes a generated measured-data file for scripts/bench.
#include "GeneratorSdt.h"

#include <cstdlib>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: merivox-bench-data BYTES FILE\n";
        return 2;
    }
    const std::string text = GenerujSdt(std::strtoull(argv[1], nullptr, 10));
    std::ofstream out(argv[2], std::ios::binary);
    out.write(text.data(), std::streamsize(text.size()));
    return out ? 0 : 1;
}
