// Writes a register of N entries for the open-to-shown measurement:
//   tw_make_register N FILE
// The entries are those of the benchmarks; no automatic entry is kept, so opening it asks
// nothing.
#include "BenchRegister.h"
#include <cstdio>
#include <cstdlib>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tw_make_register N FILE\n");
        return 2;
    }
    const int nEntries = std::atoi(argv[1]);
    if (nEntries < 0 || nEntries > 65535) {
        std::fprintf(stderr, "N must be 0 to 65535\n");
        return 2;
    }
    CBenchDoc bench;
    CTallywiseDoc& doc = bench.Doc();
    FillRegister(doc, nEntries);
    doc.SetAutoEntries({});
    const std::vector<std::uint8_t> bytes = doc.SaveToBuffer();
    std::ofstream file(argv[2], std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
