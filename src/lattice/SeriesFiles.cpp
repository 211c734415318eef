#include "lattice/SeriesFiles.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <span>

#include "base/BinaryFile.h"
#include "base/NumericHelpers.h"

int32_t uuRowCount = 0;
int8_t medianClass[kSeriesLength] = {};
int32_t medianSeries[kSeriesLength] = {};
int8_t medianSign[kSeriesLength] = {};
int32_t signedSum[kSeriesLength] = {};
uint8_t lastMedianClass = 0;
int32_t lambdaFit[kSeriesLength] = {};
int32_t lambdaTarget[kSeriesLength] = {};
std::FILE* seriesFile = nullptr;

namespace {

// The columns the result files print from series that no command fills.
constexpr int32_t kUnfilledSeries = 0;

// Reads integers the way "%d" does: white space skipped, an optional sign,
// at least one digit. A number outside int32 counts as unreadable.
class IntegerScanner {
public:
    explicit IntegerScanner(std::span<const uint8_t> text) : text_(text) {}

    bool next(int32_t& value)
    {
        while (pos_ < text_.size() && IsSpace(text_[pos_]))
            ++pos_;
        const char* begin = reinterpret_cast<const char*>(text_.data()) + pos_;
        const char* end = reinterpret_cast<const char*>(text_.data()) + text_.size();
        const char* digits = begin;
        if (digits != end && *digits == '+')
            ++digits;   // from_chars takes a minus sign but not a plus sign
        if (digits == end || (*digits == '-' && digits != begin))
            return false;
        int32_t v = 0;
        const auto [ptr, ec] = std::from_chars(digits, end, v);
        if (ec != std::errc())
            return false;
        pos_ += static_cast<size_t>(ptr - begin);
        value = v;
        return true;
    }

private:
    static bool IsSpace(uint8_t c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

    std::span<const uint8_t> text_;
    size_t pos_ = 0;
};

void AppendNumber(std::string& out, int64_t v)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    out.append(buffer, result.ptr);
}

// "%f": six decimals, a point whatever the user's locale.
void AppendFixed(std::string& out, double v)
{
    char buffer[400];   // the longest double in fixed notation has 309 digits before the point
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, 6);
    if (result.ec == std::errc())
        out.append(buffer, result.ptr);
}

// Each number followed by its separator.
void AppendRow(std::string& out, std::initializer_list<std::pair<int64_t, const char*>> cells)
{
    for (const auto& [value, separator] : cells) {
        AppendNumber(out, value);
        out += separator;
    }
    out += '\n';
}

// Which of the three values lies strictly between the other two: 1 for s1,
// 2 for s2, else 0.
int8_t StrictMedianClass(int32_t s0, int32_t s1, int32_t s2)
{
    if ((s2 < s1 && s1 < s0) || (s0 < s1 && s1 < s2))
        return 1;
    if ((s0 < s2 && s2 < s1) || (s1 < s2 && s2 < s0))
        return 2;
    return 0;
}

} // namespace

SeriesFileStatus ReadPairSeries(const std::string& path, PairSeries& series)
{
    const auto bytes = ReadWholeFile(path);
    if (!bytes)
        return SeriesFileStatus::Missing;
    IntegerScanner scanner(*bytes);
    PairSeries read;
    int32_t i = 0;
    for (; i < kPairRowLimit; ++i) {
        int32_t time = 0, first = 0, second = 0;
        if (!(scanner.next(time) && scanner.next(first) && scanner.next(second))) {
            if (i == 0)
                return SeriesFileStatus::Malformed;
            break;   // the row counts, as zeros
        }
        read.first[i] = first;
        read.second[i] = second;
        if (first == 0 && i > 0)
            break;
    }
    read.rowCount = i + 1;
    series = std::move(read);
    return SeriesFileStatus::Ok;
}

std::string ReversedPairSeriesText(const PairSeries& series)
{
    std::string text;
    const int32_t n = std::clamp(series.rowCount, 0, kSeriesLength);
    text.reserve(static_cast<size_t>(n) * 30);
    for (int32_t j = 0; j < n; ++j)
        AppendRow(text, {{j, "  "}, {series.first[n - 1 - j], "  "}, {series.second[n - 1 - j], "  "}});
    return text;
}

void RebuildPhaseSeries(const PairSeries& series)
{
    const int32_t n = std::clamp(series.rowCount, 0, kPairRowLimit + 1);
    const std::vector<int32_t>& a = series.first;
    const std::vector<int32_t>& b = series.second;
    // k below 0 mirrors at 0, k from n on runs on beyond the rows (2k - n).
    const auto fold = [n](int32_t k) { return k < 0 ? -k : k < n ? k : 2 * k - n; };
    int32_t* phase[3] = {colourSeries0, colourSeries1, colourSeries2};
    for (int32_t i = 0; i < n; ++i) {
        const int p = i % 3;
        phase[p][i] = SaturateToInt32(2 * int64_t{a[fold(i)]});
        phase[(p + 1) % 3][i] = SaturateToInt32(2 * int64_t{a[fold(i + 1)]});
        phase[(p + 2) % 3][i] = SaturateToInt32(int64_t{a[fold(i - 1)]} + a[fold(i + 2)]);

        const int32_t s0 = colourSeries0[i], s1 = colourSeries1[i], s2 = colourSeries2[i];
        if (i > 0 && (s0 == s1 || s0 == s2 || s2 == s1)) {
            medianClass[i] = medianClass[i - 1];
            medianSeries[i] = s0 == s1 ? s1 : s2;
        } else {
            medianClass[i] = StrictMedianClass(s0, s1, s2);
            medianSeries[i] = medianClass[i] == 1 ? s1 : medianClass[i] == 2 ? s2 : s0;
        }
        if (i == 0) {
            lastMedianClass = static_cast<uint8_t>(medianClass[0]);
            medianSign[0] = 1;
            signedSum[0] = b[0];
            continue;
        }
        if (medianClass[i] == lastMedianClass) {
            medianSign[i] = medianSign[i - 1];
        } else {
            lastMedianClass = static_cast<uint8_t>(medianClass[i]);
            medianSign[i] = static_cast<int8_t>(-medianSign[i - 1]);
        }
        signedSum[i] = SaturateToInt32(int64_t{medianSign[i]} * b[i] + signedSum[i - 1]);
    }
}

LambdaFitResult FitLambda(int32_t n)
{
    LambdaFitResult fit;
    fit.n = std::clamp(n, 0, kSeriesLength);
    fit.x.resize(static_cast<size_t>(fit.n));
    fit.y.resize(static_cast<size_t>(fit.n));
    for (int32_t i = 0; i < fit.n; ++i) {
        fit.x[i] = SaturateToInt32(int64_t{medianSeries[i]} - medianSeries[1]);
        fit.y[i] = SaturateToInt32(int64_t{lambdaTarget[i]} - lambdaTarget[1]);
    }
    int32_t k = 0;
    int64_t largest = 0;
    for (int32_t j = 1; j < fit.n; ++j)
        if (std::llabs(fit.y[j]) > largest) {
            largest = std::llabs(fit.y[j]);
            k = j;
        }
    fit.degenerate = fit.n == 0 || fit.x[k] == 0 || fit.y[k] == 0;
    if (!fit.degenerate) {
        fit.ratio = static_cast<double>(fit.y[k]) / fit.x[k];
        fit.inverse = 1.0 / fit.ratio;
    }
    for (int32_t i = 0; i < fit.n; ++i) {
        // The product stays finite (|ratio| < 2^32, |x| < 2^31); it is held
        // inside int32 before truncating.
        const double scaled = fit.x[i] * fit.ratio;
        lambdaFit[i] = static_cast<int32_t>(std::clamp(
            scaled, double(std::numeric_limits<int32_t>::min()), double(std::numeric_limits<int32_t>::max())));
        lambdaResidual[i] = SaturateToInt32(int64_t{fit.y[i]} - lambdaFit[i]);
    }
    return fit;
}

std::string RatioFileText(const LambdaFitResult& fit)
{
    std::string text;
    AppendNumber(text, fit.n);
    text += "  ";
    AppendFixed(text, fit.ratio);
    text += "  ";
    AppendFixed(text, fit.inverse);
    text += "  ";
    return text;
}

std::string FitFileText(const LambdaFitResult& fit)
{
    std::string text;
    text.reserve(static_cast<size_t>(fit.n) * 60);
    for (int32_t i = 0; i < fit.n; ++i)
        AppendRow(text, {{kUnfilledSeries, "    "},
                         {fit.y[i], "   "},
                         {lambdaFit[i], "   "},
                         {kUnfilledSeries / 19600 * 100, "  "},
                         {50 * int64_t{medianSign[i]} - 50, "  "},
                         {lambdaResidual[i], "   "},
                         {fit.x[i], "   "}});
    return text;
}

std::string LevelFileText(int32_t n)
{
    n = std::clamp(n, 0, kSeriesLength);
    std::string text;
    text.reserve(static_cast<size_t>(n) * 80);
    for (int32_t i = 0; i < n; ++i)
        AppendRow(text, {{kUnfilledSeries, "    "},
                         {kUnfilledSeries, "    "},
                         {colourSeries0[i], " "},
                         {colourSeries1[i], " "},
                         {colourSeries2[i], "     "},
                         {medianSeries[i], "     "},
                         {kUnfilledSeries, " "},
                         {kUnfilledSeries, " "},
                         {kUnfilledSeries, "    "},
                         {lambdaTarget[i], "   "},
                         {medianSign[i], "    "},
                         {medianClass[i], "    "}});
    return text;
}

SeriesFileStatus WriteSeriesText(const std::string& path, const std::string& text)
{
    const auto* data = reinterpret_cast<const uint8_t*>(text.data());
    return SaveFileSafely(path, std::span<const uint8_t>(data, text.size())) ? SeriesFileStatus::Ok
                                                                             : SeriesFileStatus::WriteFailed;
}

std::string SeriesFileMessage(SeriesFileStatus status, const std::string& path)
{
    switch (status) {
    case SeriesFileStatus::Ok:
        return {};
    case SeriesFileStatus::Missing:
        return "\"" + path + "\" not found: nothing changed";
    case SeriesFileStatus::Malformed:
        return "\"" + path + "\" holds no rows of three numbers: nothing changed";
    case SeriesFileStatus::WriteFailed:
        return "\"" + path + "\" could not be written";
    }
    return {};
}
