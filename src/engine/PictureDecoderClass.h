// Decodes a list of image files on worker threads while the game thread takes
// the pictures one by one in the list's order: the main image set is read and
// decoded ahead of the loader, which still adds each image, moves the loading
// bar and runs its frame on the game thread. Nothing else runs on the workers.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "PictureClass.h"

struct TPictureFile {
    std::string Path;
    bool IsJpeg = false;  // read as JPEG whatever the name says; otherwise by the extension
};

class TPictureDecoder {
public:
    TPictureDecoder() = default;
    ~TPictureDecoder();
    TPictureDecoder(const TPictureDecoder&) = delete;
    TPictureDecoder& operator=(const TPictureDecoder&) = delete;

    // Starts decoding Files in their order on Workers threads (at least one).
    void Start(std::vector<TPictureFile> Files, int32_t Workers);
    // Waits (sleeping) until file Index is decoded and moves its picture into Out;
    // false when the file could not be read. Each file is taken once.
    bool Take(size_t Index, TPicture& Out);
    // Stops the workers once the files being decoded are done; the rest are dropped.
    void Stop();

    // A worker count that leaves the game thread its core: one less than the
    // machine has, at least one, at most four.
    static int32_t DefaultWorkers();

private:
    enum TState : uint8_t { dsWaiting, dsDecoded, dsFailed };
    void Work();

    std::mutex FLock;
    std::condition_variable FDone;
    std::vector<TPictureFile> FFiles;
    std::vector<TPicture> FPictures;
    std::vector<TState> FStates;
    size_t FNext = 0;
    bool FStopping = false;
    std::vector<std::thread> FWorkers;
};

// Reads one image file as the loader does: JPEG when IsJpeg, else by its extension.
bool ReadPictureFile(const TPictureFile& File, TPicture& Out);
