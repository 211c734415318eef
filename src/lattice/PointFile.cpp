#include "lattice/PointFile.h"

#include "base/Random.h"
#include "lattice/TextNumbers.h"

#include <algorithm>
#include <limits>
#include <string>

int32_t pointRecordIndex = 0;

namespace {

FileOutcome OutcomeOf(TextItem item) { return item == TextItem::End ? FileOutcome::Short : FileOutcome::Malformed; }

int16_t Coordinate(int32_t v) {
    return static_cast<int16_t>(
        std::clamp<int32_t>(v, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

}  // namespace

FileOutcome ReadPointRecord(const std::filesystem::path& path, int32_t index, PointRecord& out) {
    std::optional<TextNumbers> text = TextNumbers::FromFile(path);
    if (!text) return FileOutcome::Missing;
    int32_t value = 0;
    // Skipping stops at the end of the file, so a huge index costs no more
    // than the file's length.
    for (int64_t skip = int64_t{std::max(index, 0)} * kNumbersPerPointRecord; skip > 0; --skip) {
        const TextItem item = text->readInt(value);
        if (item != TextItem::Ok) return OutcomeOf(item);
    }
    int32_t numbers[kNumbersPerPointRecord];
    for (int32_t& n : numbers) {
        const TextItem item = text->readInt(n);
        if (item != TextItem::Ok) return OutcomeOf(item);
    }
    for (int i = 0; i < kPointsPerRecord; ++i) {
        out.x[i] = Coordinate(numbers[1 + 2 * i]);
        out.y[i] = Coordinate(numbers[2 + 2 * i]);
    }
    return FileOutcome::Read;
}

int QhistBin(int32_t t) {
    static constexpr int32_t kBounds[kQhistBins - 1] = {31, 100, 310, 1000, 3100, 10000, 30998};
    return int(std::upper_bound(std::begin(kBounds), std::end(kBounds), t) - std::begin(kBounds));
}

QhistHistogram ReadQhistHistogram(const std::filesystem::path& path) {
    QhistHistogram h;
    std::optional<TextNumbers> text = TextNumbers::FromFile(path);
    if (!text) return h;
    h.outcome = FileOutcome::Read;
    while (h.records < kQhistRecords) {
        int32_t record[4];
        for (int32_t& n : record) {
            const TextItem item = text->readInt(n);
            if (item != TextItem::Ok) {
                h.outcome = OutcomeOf(item);
                return h;
            }
        }
        ++h.counts[QhistBin(record[0])];
        ++h.records;
    }
    return h;
}

std::vector<uint8_t> RandomPointLines(int lines) {
    std::string text;
    for (int line = 0; line < lines; ++line) {
        for (int k = 0; k < 2 * kPointsPerRecord; ++k) text += std::to_string(Rand() % 51) + "  ";
        text += '\n';
    }
    return {text.begin(), text.end()};
}
