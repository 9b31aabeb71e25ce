#include "TestSupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "MessageBoxClass.h"

TTempFolder::TTempFolder() {
    std::string Template = (std::filesystem::temp_directory_path() / "quellow-test-XXXXXX").string();
    if (!mkdtemp(Template.data())) throw std::runtime_error("cannot make a temporary folder");
    FPath = Template + "/";
}

TTempFolder::~TTempFolder() {
    std::error_code Ignored;
    // Tests may leave read-only folders behind; make them writable before removing.
    for (auto It = std::filesystem::recursive_directory_iterator(FPath, Ignored);
         It != std::filesystem::recursive_directory_iterator(); It.increment(Ignored)) {
        std::filesystem::permissions(It->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, Ignored);
    }
    std::filesystem::remove_all(FPath, Ignored);
}

TMessageCapture::TMessageCapture() {
    SetMessageBoxSink([this](const std::string& Text, const std::string& Caption) {
        FMessages.push_back({Text, Caption});
    });
}

TMessageCapture::~TMessageCapture() { SetMessageBoxSink(nullptr); }

std::string ReadWholeFile(const std::string& Path) {
    std::ifstream File(Path, std::ios::binary);
    std::ostringstream Buffer;
    Buffer << File.rdbuf();
    return Buffer.str();
}

void WriteWholeFile(const std::string& Path, const std::string& Bytes) {
    std::ofstream File(Path, std::ios::binary | std::ios::trunc);
    File.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
}
