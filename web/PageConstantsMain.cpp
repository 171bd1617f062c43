// Writes the page's constants module to the file named; the page's build runs it
// under node.
#include <cstdio>
#include <fstream>

#include "web/PageConstants.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: lotra-page-constants OUTPUT.js\n", stderr);
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << web::pageConstants();
    out.close();
    if (!out) {
        std::fprintf(stderr, "lotra-page-constants: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
