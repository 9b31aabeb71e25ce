// Small helpers shared by the tests: a temporary folder that cleans up after
// itself, and a capture of the message boxes a test provokes.
#pragma once

#include <string>
#include <vector>

class TTempFolder {
public:
    TTempFolder();
    ~TTempFolder();
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;
    // The folder's path, ending in "/".
    const std::string& Path() const { return FPath; }
private:
    std::string FPath;
};

// While alive, message boxes are recorded here instead of shown.
class TMessageCapture {
public:
    struct TMessage {
        std::string Text;
        std::string Caption;
    };
    TMessageCapture();
    ~TMessageCapture();
    const std::vector<TMessage>& Messages() const { return FMessages; }
    void Clear() { FMessages.clear(); }
private:
    std::vector<TMessage> FMessages;
};

std::string ReadWholeFile(const std::string& Path);
void WriteWholeFile(const std::string& Path, const std::string& Bytes);
