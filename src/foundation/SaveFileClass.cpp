#include "SaveFileClass.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <set>

#include "MessageBoxClass.h"
#include "Win1252Class.h"

namespace {
// Temporary files are hidden and end in this suffix. Player files always end in
// ".sav" or ".bmp", so the clean-up can never take one of them for a leftover.
constexpr const char* TemporarySuffix = ".tmp";

std::set<std::string>& ReportedFailures() {
    static std::set<std::string> Reported;
    return Reported;
}

struct TSplitName {
    std::string Folder;  // "." for a bare name
    std::string Leaf;
};

TSplitName SplitFileName(const std::string& FileName) {
    const size_t Slash = FileName.rfind('/');
    if (Slash == std::string::npos) return {".", FileName};
    return {Slash == 0 ? std::string("/") : FileName.substr(0, Slash), FileName.substr(Slash + 1)};
}

bool EndsWith(const std::string& Text, const std::string& Tail) {
    return Text.size() >= Tail.size() && Text.compare(Text.size() - Tail.size(), Tail.size(), Tail) == 0;
}

// Temporary names are "." + the file's name + "." + process id + "-" + counter + ".tmp".
bool IsTemporaryName(const std::string& Name) {
    const size_t SuffixLength = std::strlen(TemporarySuffix);
    if (Name.size() < 2 + SuffixLength || Name[0] != '.' || !EndsWith(Name, TemporarySuffix)) return false;
    const std::string Stem = Name.substr(0, Name.size() - SuffixLength);
    const size_t Dot = Stem.rfind('.');
    if (Dot == std::string::npos || Dot == 0) return false;
    const std::string Unique = Stem.substr(Dot + 1);
    const size_t Dash = Unique.find('-');
    if (Dash == std::string::npos || Dash == 0 || Dash + 1 == Unique.size()) return false;
    for (size_t I = 0; I < Unique.size(); ++I) {
        if (I != Dash && (Unique[I] < '0' || Unique[I] > '9')) return false;
    }
    return true;
}

std::string ErrorText(int Error) { return std::strerror(Error); }

bool WriteAll(int Fd, std::span<const uint8_t> Bytes) {
    size_t Done = 0;
    while (Done < Bytes.size()) {
        const ssize_t Written = ::write(Fd, Bytes.data() + Done, Bytes.size() - Done);
        if (Written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (Written == 0) {
            errno = EIO;
            return false;
        }
        Done += static_cast<size_t>(Written);
    }
    return true;
}

// Creates a new, empty temporary file next to the target; the name is returned in TempName.
int CreateTemporary(const TSplitName& Target, std::string& TempName) {
    static unsigned Counter = 0;
    for (int Attempt = 0; Attempt < 100; ++Attempt) {
        char Unique[48];
        std::snprintf(Unique, sizeof(Unique), ".%ld-%u", static_cast<long>(::getpid()), Counter++);
        // A shortened name keeps the temporary's name within the system's limit.
        TempName = Target.Folder + "/." + Target.Leaf.substr(0, 100) + Unique + TemporarySuffix;
        // 0666 lets the user's umask decide, as for any file the user creates.
        const int Fd = ::open(TempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (Fd >= 0 || errno != EEXIST) return Fd;
    }
    errno = EEXIST;
    return -1;
}

// Makes the rename itself durable. Some file systems cannot flush a folder; the
// new file is in place by then, so that is not worth a message.
void FlushFolder(const std::string& Folder) {
    const int Fd = ::open(Folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (Fd < 0) return;
    ::fsync(Fd);
    ::close(Fd);
}
}  // namespace

void ReportSaveFailure(const std::string& FileName, const std::string& Reason) {
    if (!ReportedFailures().insert(FileName).second) return;
    struct stat Info {};
    const bool OldFileThere = ::stat(FileName.c_str(), &Info) == 0;
    std::string Text = "Could not save " + Utf8ToWin1252(FileName) + "\n(" + Utf8ToWin1252(Reason) + ").";
    if (OldFileThere) Text += "\nThe file already on disk was left as it was.";
    ShowMessageBox(Text, "Error", TMessageBoxIcon::Error);
}

void ForgetReportedSaveFailures() { ReportedFailures().clear(); }

bool WriteSaveFile(const std::string& FileName, std::span<const uint8_t> Bytes) {
    const TSplitName Target = SplitFileName(FileName);
    if (Target.Leaf.empty() || FileName.find('\0') != std::string::npos) {
        ReportSaveFailure(FileName, "not a file name");
        return false;
    }
    std::string TempName;
    const int Fd = CreateTemporary(Target, TempName);
    if (Fd < 0) {
        ReportSaveFailure(FileName, ErrorText(errno));
        return false;
    }
    bool Ok = WriteAll(Fd, Bytes) && ::fsync(Fd) == 0;
    int Error = errno;
    if (::close(Fd) != 0 && Ok) {
        Ok = false;
        Error = errno;
    }
    if (Ok && ::rename(TempName.c_str(), FileName.c_str()) != 0) {
        Ok = false;
        Error = errno;
    }
    if (!Ok) {
        ::unlink(TempName.c_str());
        ReportSaveFailure(FileName, ErrorText(Error));
        return false;
    }
    FlushFolder(Target.Folder);
    // A later failure of this file deserves a new message.
    ReportedFailures().erase(FileName);
    return true;
}

TSaveFileContent ReadSaveFile(const std::string& FileName, size_t MaxBytes) {
    TSaveFileContent Content;
    if (FileName.find('\0') != std::string::npos) {
        Content.State = sfMissing;
        return Content;
    }
    const int Fd = ::open(FileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (Fd < 0) {
        Content.Error = errno;
        Content.State = (errno == ENOENT || errno == ENOTDIR) ? sfMissing : sfUnreadable;
        return Content;
    }
    struct stat Info {};
    if (::fstat(Fd, &Info) != 0 || !S_ISREG(Info.st_mode)) {
        Content.Error = S_ISDIR(Info.st_mode) ? EISDIR : EINVAL;
        Content.State = sfUnreadable;
        ::close(Fd);
        return Content;
    }
    Content.Bytes.resize(MaxBytes + 1);
    size_t Done = 0;
    while (Done < Content.Bytes.size()) {
        const ssize_t Got = ::read(Fd, Content.Bytes.data() + Done, Content.Bytes.size() - Done);
        if (Got < 0) {
            if (errno == EINTR) continue;
            Content.Error = errno;
            Content.State = sfUnreadable;
            Content.Bytes.clear();
            ::close(Fd);
            return Content;
        }
        if (Got == 0) break;
        Done += static_cast<size_t>(Got);
    }
    ::close(Fd);
    Content.Bytes.resize(Done);
    Content.State = sfRead;
    return Content;
}

std::string DamagedFileName(const std::string& FileName) { return FileName + ".damaged"; }

bool SetAsideDamagedFile(const std::string& FileName) {
    return ::rename(FileName.c_str(), DamagedFileName(FileName).c_str()) == 0;
}

void SetAsideDamagedFileAndTell(const std::string& FileName) {
    const std::string Shown = Utf8ToWin1252(FileName);
    std::string Text = "The file " + Shown + " is damaged and could not be read.";
    if (SetAsideDamagedFile(FileName)) {
        Text += "\nIt was kept as " + Utf8ToWin1252(DamagedFileName(FileName)) + ".";
    }
    Text += "\nThe game goes on with default values in its place.";
    ShowMessageBox(Text, "Message");
}

bool DeleteSaveFile(const std::string& FileName) {
    if (FileName.find('\0') != std::string::npos) return true;
    if (::unlink(FileName.c_str()) == 0 || errno == ENOENT) return true;
    ReportSaveFailure(FileName, ErrorText(errno));
    return false;
}

bool IsFileDirectlyIn(const std::string& Folder, const std::string& FileName) {
    if (Folder.empty() || Folder.back() != '/') return false;
    if (FileName.size() <= Folder.size() || FileName.compare(0, Folder.size(), Folder) != 0) return false;
    const std::string Leaf = FileName.substr(Folder.size());
    if (Leaf == "." || Leaf == "..") return false;
    return Leaf.find('/') == std::string::npos && Leaf.find('\0') == std::string::npos;
}

int RemoveStaleSaveTemporaries(const std::string& Folder) {
    DIR* Dir = ::opendir(Folder.c_str());
    if (!Dir) return 0;
    const std::string Prefix = (Folder.empty() || Folder.back() == '/') ? Folder : Folder + "/";
    int Removed = 0;
    while (const dirent* Entry = ::readdir(Dir)) {
        const std::string Name = Entry->d_name;
        if (!IsTemporaryName(Name)) continue;
        struct stat Info {};
        const std::string Path = Prefix + Name;
        if (::lstat(Path.c_str(), &Info) == 0 && S_ISREG(Info.st_mode) && ::unlink(Path.c_str()) == 0) ++Removed;
    }
    ::closedir(Dir);
    return Removed;
}
