#include "tga_corpus.h"

namespace wed::test {

namespace {

struct Shape {
    uint16_t width, height;
};
constexpr Shape kShapes[] = {{1, 1}, {7, 5}, {33, 17}};

std::string describe(const TgaParts& p) {
    return "type" + std::to_string(p.imageType) + "_depth" + std::to_string(p.pixelDepth) + "_" +
           std::to_string(p.width) + "x" + std::to_string(p.height) + "_desc" +
           std::to_string(p.descriptor) + "_id" + std::to_string(p.id.size()) + "_map" +
           std::to_string(p.colorMapDepth) + "x" + std::to_string(p.colorMap.size());
}

void add(std::vector<CorpusFile>& corpus, TgaParts p) {
    corpus.push_back({describe(p) + "_" + std::to_string(corpus.size()), p, buildTga(p)});
}

// True colour and grey, plain and run-length, every depth.
void addDirectColour(std::vector<CorpusFile>& corpus) {
    struct Kind {
        uint8_t type, depth;
    };
    const Kind kinds[] = {{2, 15},  {2, 16},  {2, 24},  {2, 32}, {2, 8},  {10, 15},
                          {10, 16}, {10, 24}, {10, 32}, {3, 8},  {3, 16}, {3, 24},
                          {11, 8},  {11, 16}, {11, 32}, {10, 8}};
    uint32_t seed = 1;
    for (const Kind& k : kinds)
        for (const Shape& s : kShapes)
            for (uint8_t descriptor : {uint8_t(0x00), uint8_t(0x20), uint8_t(0x28)}) {
                TgaParts p;
                p.imageType = k.type;
                p.pixelDepth = k.depth;
                p.width = s.width;
                p.height = s.height;
                p.descriptor = descriptor;
                if (seed % 2 == 0)
                    p.id = QByteArray("picture id", int(seed % 11));
                if (seed % 3 == 0)
                    p.footer = QByteArray(26, 'F');
                p.pixels = patternPixels(s.width * s.height, (k.depth + 7) / 8, seed++);
                add(corpus, p);
            }
}

// Colour-mapped, plain and run-length, every map entry depth, 8- and 16-bit indices.
void addColourMapped(std::vector<CorpusFile>& corpus) {
    uint32_t seed = 100;
    for (uint8_t type : {uint8_t(1), uint8_t(9)})
        for (uint8_t mapDepth : {uint8_t(8), uint8_t(15), uint8_t(16), uint8_t(24), uint8_t(32)})
            for (uint8_t indexDepth : {uint8_t(8), uint8_t(16)})
                for (const Shape& s : kShapes) {
                    const int entries = indexDepth == 8 ? 256 : 300;
                    TgaParts p;
                    p.imageType = type;
                    p.pixelDepth = indexDepth;
                    p.width = s.width;
                    p.height = s.height;
                    p.descriptor = seed % 2 ? 0x20 : 0x00;
                    p.colorMapType = 1;
                    p.colorMapDepth = mapDepth;
                    p.colorMap = patternPixels(entries, (mapDepth + 7) / 8, seed);
                    if (seed % 3 == 0)
                        p.id = QByteArray(7, 'i');
                    if (indexDepth == 8) {
                        p.pixels = patternPixels(s.width * s.height, 1, seed + 1);
                    } else {
                        // Little-endian indices below the map's length.
                        const QByteArray low = patternPixels(s.width * s.height, 1, seed + 1);
                        for (char c : low) {
                            const int index = static_cast<uint8_t>(c) + (c & 1 ? 44 : 0);
                            p.pixels.append(char(index & 0xff));
                            p.pixels.append(char(index >> 8));
                        }
                    }
                    ++seed;
                    add(corpus, p);
                }
}

// Long runs: a run of one colour over several rows, then a raw stretch across a row end.
void addLongRuns(std::vector<CorpusFile>& corpus) {
    for (uint8_t type : {uint8_t(10), uint8_t(11)}) {
        TgaParts p;
        p.imageType = type;
        p.pixelDepth = type == 10 ? 24 : 8;
        p.width = 3;
        p.height = 200;
        const int n = p.pixelDepth / 8;
        p.pixels = QByteArray(300 * n, '\x40') + patternPixels(300, n, 7);
        add(corpus, p);
    }
}

} // namespace

std::vector<CorpusFile> oracleCorpus() {
    std::vector<CorpusFile> corpus;
    addDirectColour(corpus);
    addColourMapped(corpus);
    addLongRuns(corpus);
    return corpus;
}

} // namespace wed::test
