// The rooms of src/ form layers. A core file of a room (every file whose name
// does not start with "TForm") includes its own room and the rooms below it
// only, and never a Qt header; the window folders (app, widgets) sit above
// every room. The order of the rooms is stated here and nowhere else.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

// Bottom to top.
const std::vector<std::string> kRooms = {"base", "engine", "runs", "tables1d", "mask2d", "tables2d", "lattice"};
const std::vector<std::string> kWindowFolders = {"app", "widgets"};

// Position of a folder of src/ in the layers: the rooms in their order, the
// window folders above them all; -1 for a name that is no folder of src/.
int Level(const std::string& folder)
{
    const auto room = std::find(kRooms.begin(), kRooms.end(), folder);
    if (room != kRooms.end()) return static_cast<int>(room - kRooms.begin());
    if (std::find(kWindowFolders.begin(), kWindowFolders.end(), folder) != kWindowFolders.end())
        return static_cast<int>(kRooms.size());
    return -1;
}

bool IsCoreFile(const std::filesystem::path& file)
{
    const std::string ext = file.extension().string();
    return (ext == ".h" || ext == ".cpp") && file.filename().string().rfind("TForm", 0) != 0;
}

// What is wrong with one line of a core file of the given room; "" when the
// line is no include or a right one. Quoted includes name their room
// ("room/File.h"), so one that names none could not be checked and is refused.
std::string IncludeFault(const std::string& room, const std::string& line)
{
    static const std::regex include(R"(^\s*#\s*include\s*([<"])([^>"]*)[>"])");
    std::smatch m;
    if (!std::regex_search(line, m, include)) return "";
    const std::string name = m[2];
    if (!name.empty() && name[0] == 'Q') return "includes the Qt header " + name;
    if (m[1] == "<") return "";
    const size_t slash = name.find('/');
    const int level = slash == std::string::npos ? -1 : Level(name.substr(0, slash));
    if (level < 0) return "includes " + name + ", which names no room";
    if (level > Level(room)) return "includes " + name + " from above " + room;
    return "";
}

TEST(RoomLayers, EveryFolderOfSrcHasItsPlace)
{
    for (const auto& entry : std::filesystem::directory_iterator(WORKBENCH_SOURCE_DIR "/src")) {
        if (!entry.is_directory()) continue;
        const std::string folder = entry.path().filename().string();
        EXPECT_GE(Level(folder), 0) << folder << " is in neither the rooms nor the window folders";
    }
}

TEST(RoomLayers, CoreFilesIncludeTheirRoomAndRoomsBelowOnly)
{
    int files = 0;
    std::vector<std::string> faults;
    for (const std::string& room : kRooms) {
        const std::filesystem::path folder = std::filesystem::path(WORKBENCH_SOURCE_DIR) / "src" / room;
        ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (!entry.is_regular_file() || !IsCoreFile(entry.path())) continue;
            ++files;
            std::ifstream in(entry.path());
            int lineNumber = 0;
            for (std::string line; std::getline(in, line);) {
                ++lineNumber;
                const std::string fault = IncludeFault(room, line);
                if (!fault.empty())
                    faults.push_back("src/" + room + "/" + entry.path().filename().string() + ":" +
                                     std::to_string(lineNumber) + ": " + fault);
            }
        }
    }
    EXPECT_GT(files, 0);
    std::string report;
    for (const std::string& f : faults) report += f + "\n";
    EXPECT_TRUE(faults.empty()) << report;
}

TEST(RoomLayers, WrongIncludesAreFound)
{
    struct Case {
        const char* room;
        const char* line;
        bool wrong;
    };
    const Case cases[] = {
        {"engine", "#include \"engine/StringState.h\"", false},
        {"lattice", "#include \"base/Square.h\"", false},
        {"tables2d", "#include \"mask2d/Mask2dTables.h\"", false},
        {"runs", "#include <vector>", false},
        {"engine", "// #include \"lattice/Square.h\" in a comment", false},
        {"engine", "#include \"lattice/Square.h\"", true},
        {"base", "  #  include \"engine/StringState.h\"", true},
        {"mask2d", "#include \"tables2d/GrowthRun.h\"", true},
        {"lattice", "#include \"widgets/Canvas.h\"", true},
        {"tables1d", "#include \"app/TForm1.h\"", true},
        {"runs", "#include <QString>", true},
        {"base", "#include <QtCore/QFile>", true},
        {"engine", "#include \"StringState.h\"", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(!IncludeFault(c.room, c.line).empty(), c.wrong) << c.room << ": " << c.line;
}

} // namespace
