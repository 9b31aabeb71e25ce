// levelc: the level compiler. It turns the level sources in assets/levels into
// the game's level files, refusing any source that breaks a level rule, and
// writes a source back from a level file.
//
//   levelc build <output folder> <source>...   check every source and the set, then write <i>-<NN>.qel
//   levelc check <source>...                   check only
//   levelc source <level file> [<source>]      write the source of a level file (to standard output without <source>)
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "LevelCompilerClass.h"
#include "LevelFileClass.h"
#include "LevelSourceClass.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: levelc build <output folder> <source>...\n"
                 "       levelc check <source>...\n"
                 "       levelc source <level file> [<source>]\n");
    return 2;
}

bool ReadText(const std::string& Path, std::string& Text) {
    std::ifstream File(Path, std::ios::binary);
    if (!File) return false;
    std::ostringstream Buffer;
    Buffer << File.rdbuf();
    Text = Buffer.str();
    return true;
}

// Reads and checks every source; Levels receives each that could be read.
std::vector<TLevelProblem> CompileAll(const std::vector<std::string>& Paths, std::vector<TLevelSource>& Levels) {
    std::vector<TLevelProblem> Problems;
    for (const std::string& Path : Paths) {
        std::string Text;
        if (!ReadText(Path, Text)) {
            Problems.push_back({Path, 0, "file", "cannot be read"});
            continue;
        }
        TLevelSource Source;
        const std::vector<TLevelProblem> Found = CompileLevelSource(Text, Path, Source);
        Problems.insert(Problems.end(), Found.begin(), Found.end());
        Levels.push_back(Source);
    }
    const std::vector<TLevelProblem> SetProblems = CheckIslandRules(Levels);
    Problems.insert(Problems.end(), SetProblems.begin(), SetProblems.end());
    std::stable_sort(Problems.begin(), Problems.end(), [](const TLevelProblem& A, const TLevelProblem& B) {
        return A.File != B.File ? A.File < B.File : A.Line < B.Line;
    });
    return Problems;
}

void Report(const std::vector<TLevelProblem>& Problems) {
    for (const TLevelProblem& Problem : Problems) std::fprintf(stderr, "%s\n", Problem.Text().c_str());
}

void NoteIncompleteIslands(const std::vector<TLevelSource>& Levels) {
    for (int32_t Island = 1; Island <= LevelIslandCount; ++Island) {
        const auto Count = std::count_if(Levels.begin(), Levels.end(),
                                         [&](const TLevelSource& Source) { return Source.Island == Island; });
        if (Count > 0 && Count < IslandLevelCount(Island))
            std::printf("levelc: island %d has %d of its %d levels; its last level is checked once all are there\n",
                        Island, static_cast<int>(Count), IslandLevelCount(Island));
    }
}

int Build(const std::string& Folder, const std::vector<std::string>& Paths) {
    std::vector<TLevelSource> Levels;
    const std::vector<TLevelProblem> Problems = CompileAll(Paths, Levels);
    if (!Problems.empty()) {
        Report(Problems);
        std::fprintf(stderr, "levelc: %zu problem(s); no level file written\n", Problems.size());
        return 1;
    }
    std::error_code Error;
    std::filesystem::create_directories(Folder, Error);
    std::vector<std::string> Written;
    for (const TLevelSource& Source : Levels) {
        char Name[16];
        std::snprintf(Name, sizeof Name, "%d-%02d.qel", Source.Island, Source.Level);
        const std::string Path = (std::filesystem::path(Folder) / Name).string();
        std::string WriteError;
        if (!WriteLevelFile(Path, Source.Record, WriteError)) {
            std::fprintf(stderr, "levelc: %s\n", WriteError.c_str());
            return 1;
        }
        Written.push_back(Name);
    }
    // The folder holds exactly the levels built: a level file left from a removed
    // source would still show on the map.
    for (const auto& Entry : std::filesystem::directory_iterator(Folder, Error)) {
        const std::string Name = Entry.path().filename().string();
        if (Entry.path().extension() == ".qel" && std::find(Written.begin(), Written.end(), Name) == Written.end())
            std::filesystem::remove(Entry.path(), Error);
    }
    NoteIncompleteIslands(Levels);
    return 0;
}

int Check(const std::vector<std::string>& Paths) {
    std::vector<TLevelSource> Levels;
    const std::vector<TLevelProblem> Problems = CompileAll(Paths, Levels);
    Report(Problems);
    NoteIncompleteIslands(Levels);
    return Problems.empty() ? 0 : 1;
}

int WriteSource(const std::string& LevelFile, const std::string& OutPath) {
    TLevelRecord Record;
    std::string Problem;
    if (ReadLevelFile(LevelFile, Record, Problem) != TLevelReadResult::Loaded) {
        std::fprintf(stderr, "levelc: %s\n", Problem.c_str());
        return 1;
    }
    const std::string Name = std::filesystem::path(LevelFile).stem().string();
    std::string Text;
    std::string Error;
    if (!WriteLevelSource(Record, "Level " + Name + ", written from its level file.", Text, Error)) {
        std::fprintf(stderr, "levelc: %s: %s\n", LevelFile.c_str(), Error.c_str());
        return 1;
    }
    if (OutPath.empty()) {
        std::fwrite(Text.data(), 1, Text.size(), stdout);
        return 0;
    }
    std::ofstream Out(OutPath, std::ios::binary | std::ios::trunc);
    Out << Text;
    if (!Out.flush()) {
        std::fprintf(stderr, "levelc: cannot write %s\n", OutPath.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> Args(argv + 1, argv + argc);
    if (Args.empty()) return Usage();
    const std::string& Command = Args[0];
    if (Command == "build" && Args.size() >= 2) return Build(Args[1], {Args.begin() + 2, Args.end()});
    if (Command == "check") return Check({Args.begin() + 1, Args.end()});
    if (Command == "source" && (Args.size() == 2 || Args.size() == 3))
        return WriteSource(Args[1], Args.size() == 3 ? Args[2] : "");
    return Usage();
}
