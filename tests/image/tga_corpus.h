#pragma once

#include "tga_builder.h"

#include <string>
#include <vector>

namespace wed::test {

// One generated picture file of the test corpus.
struct CorpusFile {
    std::string name;
    TgaParts parts;
    QByteArray bytes;
};

// Files that follow the format in every way the oracle (stb_image) also reads by its rules:
// every image type and depth, both row orders, ID fields, colour maps starting at 0, runs
// across row ends, footers.
std::vector<CorpusFile> oracleCorpus();

} // namespace wed::test
