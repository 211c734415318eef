#include "lattice/QhistBatch.h"

#include "lattice/PointFile.h"

#include <filesystem>
#include <system_error>

int32_t qhistRunCount = 50;
int32_t qhistRunIndex = 0;
uint8_t isQhistAnyN = 0;
std::FILE* qhistFile = nullptr;
std::FILE* qhistSecondFile = nullptr;
std::FILE* qhistF6File = nullptr;
std::FILE* qhistNbFile = nullptr;

namespace {

// The four streams are closed when the program ends, however it ends its run.
struct CloseAtExit {
    ~CloseAtExit() {
        CloseStream(qhistFile);
        CloseStream(qhistSecondFile);
        CloseStream(qhistF6File);
        CloseStream(qhistNbFile);
    }
} closeAtExit;

bool CreateAnew(std::FILE*& stream, const char* path) {
    CloseStream(stream);
    std::error_code error;
    const std::filesystem::path file(path);
    std::filesystem::create_directories(file.parent_path(), error);
    std::filesystem::remove(file, error);
    stream = std::fopen(path, "wb");
    return stream != nullptr;
}

}  // namespace

void CloseStream(std::FILE*& stream) {
    if (stream == nullptr) return;
    std::fclose(stream);
    stream = nullptr;
}

void CloseQhistFile() { CloseStream(qhistFile); }

std::string CreateQhistOutputs(bool anyN) {
    struct Output {
        std::FILE*& stream;
        const char* path;
    };
    const Output fromPoints[] = {{qhistSecondFile, kQhistRecordPath}};
    const Output fromRandom[] = {{qhistFile, "LOG/isc.log"},
                                 {qhistSecondFile, "LOG/f3.log"},
                                 {qhistF6File, "LOG/f6.log"},
                                 {qhistNbFile, "LOG/nb.log"}};
    std::string failed;
    auto create = [&failed](const Output& o) {
        if (!CreateAnew(o.stream, o.path)) failed += (failed.empty() ? "" : ", ") + std::string(o.path);
    };
    if (anyN)
        for (const Output& o : fromRandom) create(o);
    else
        for (const Output& o : fromPoints) create(o);
    return failed;
}
