#include "PictureDecoderClass.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <utility>

bool ReadPictureFile(const TPictureFile& File, TPicture& Out) {
    if (!File.IsJpeg) return LoadPicture(File.Path, Out);
    std::ifstream In(File.Path, std::ios::binary);
    if (!In) return false;
    const std::vector<char> Bytes((std::istreambuf_iterator<char>(In)), std::istreambuf_iterator<char>());
    return DecodeJpeg(Bytes.data(), Bytes.size(), Out);
}

TPictureDecoder::~TPictureDecoder() { Stop(); }

int32_t TPictureDecoder::DefaultWorkers() {
    const auto Cores = static_cast<int32_t>(std::thread::hardware_concurrency());
    return std::clamp(Cores - 1, 1, 4);
}

void TPictureDecoder::Start(std::vector<TPictureFile> Files, int32_t Workers) {
    Stop();
    {
        std::lock_guard<std::mutex> Guard(FLock);
        FFiles = std::move(Files);
        FPictures.assign(FFiles.size(), TPicture{});
        FStates.assign(FFiles.size(), dsWaiting);
        FNext = 0;
        FStopping = false;
    }
    const int32_t Count = std::max<int32_t>(1, std::min<int32_t>(Workers, static_cast<int32_t>(FFiles.size())));
    if (FFiles.empty()) return;
    for (int32_t I = 0; I < Count; ++I) FWorkers.emplace_back([this] { Work(); });
}

void TPictureDecoder::Work() {
    for (;;) {
        size_t Index = 0;
        {
            std::lock_guard<std::mutex> Guard(FLock);
            if (FStopping || FNext >= FFiles.size()) return;
            Index = FNext++;
        }
        TPicture Picture;
        const bool Read = ReadPictureFile(FFiles[Index], Picture);
        {
            std::lock_guard<std::mutex> Guard(FLock);
            FPictures[Index] = std::move(Picture);
            FStates[Index] = Read ? dsDecoded : dsFailed;
        }
        FDone.notify_all();
    }
}

bool TPictureDecoder::Take(size_t Index, TPicture& Out) {
    std::unique_lock<std::mutex> Guard(FLock);
    if (Index >= FStates.size()) return false;
    // A file no worker took before a stop is never decoded.
    FDone.wait(Guard, [&] { return FStates[Index] != dsWaiting || (FStopping && Index >= FNext); });
    const bool Read = FStates[Index] == dsDecoded;
    Out = std::move(FPictures[Index]);
    FPictures[Index] = TPicture{};
    FStates[Index] = dsFailed;  // taken
    return Read;
}

void TPictureDecoder::Stop() {
    {
        std::lock_guard<std::mutex> Guard(FLock);
        FStopping = true;
    }
    for (std::thread& Worker : FWorkers) Worker.join();
    FWorkers.clear();
}
