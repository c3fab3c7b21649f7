// Writes the combination file the program ships (see completeCombinationFile).
#include <cstdio>
#include <string>

#include "model/combination_table.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_combinations OUTPUT\n");
        return 2;
    }
    const std::string bytes = krizovky::completeCombinationFile();
    std::string temporary = std::string(argv[1]) + ".tmp";
    std::FILE* out = std::fopen(temporary.c_str(), "wb");
    if (!out) {
        std::perror(temporary.c_str());
        return 1;
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size()) {
        std::perror(temporary.c_str());
        std::fclose(out);
        return 1;
    }
    if (std::fclose(out) != 0 || std::rename(temporary.c_str(), argv[1]) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
