// Board drawing figures: level 1-01 set up by the level start and drawn with the
// game's images, all 100 tiles shaking: CPU per board frame routine, and wall
// time per whole frame read back (the renderer finishes its work before the read).
// Runs on SDL's offscreen driver unless a display driver is chosen.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "BenchSetup.h"
#include "FormMainClass.h"
#include "GameBoardClass.h"
#include "RoundLevelClass.h"

int main(int Argc, char** Argv) {
    const std::string GameFolder = Argc > 1 ? Argv[1] : QUELLOW_GAME_DIR;
    const int Frames = Argc > 2 ? std::atoi(Argv[2]) : 300;
    UseOffscreenDevices();
    const TFreshUserFolder UserFolder;
    if (!UserFolder.Made()) return 1;

    double BoardCpu = 0, FrameWall = 0;
    {
        TFormMainSetup Setup;
        Setup.AppFolder = GameFolder;
        Setup.PresentFrames = false;
        Setup.ShowWindow = false;
        TFormMain Form(Setup);
        if (!Form.FormCreate()) {
            std::fprintf(stderr, "start-up failed\n");
            return 1;
        }
        Form.FormShow();
        int Guard = 0;
        while (!Form.MainImagesLoaded() && Guard++ < 2000) Form.OmegaTimer1Timer(nullptr);
        // The loader shows a frame per image it reads: read the background before our frames open.
        if (!Form.OmegaImageList1.Find("GameBG1")) Form.LoadImageFile(icMain, "GameBG1.jpg", 0, true, true);
        const bool HasBackground = Form.OmegaImageList1.Find("GameBG1") != nullptr;

        TGameBoard Board;
        Board.OmgImgList = &Form.OmegaImageList1;
        Board.Left = BoardScreenLeft;
        Board.Top = BoardScreenTop;
        TRoundLevel Round;
        if (!StartRoundLevel(TLevelStartContext{1, 1, toNone, false}, Board, Round)) {
            std::fprintf(stderr, "level 1-01 did not start\n");
            return 1;
        }
        TPicture Frame;
        const auto WallStart = std::chrono::steady_clock::now();
        for (int I = 0; I < Frames; ++I) {
            for (auto& Column : ShakeAmplitude)
                for (int32_t& Value : Column) Value = 3;
            Form.OmegaScreen1.BeginFrame();
            Form.OmegaScreen1.Clear(0, 0, 0, 255);
            if (HasBackground) Form.DrawLateLoadImage("GameBG1", 0, 0, true);
            const double CpuBefore = ProcessCpuSeconds();
            Board.BoardFrame();
            BoardCpu += ProcessCpuSeconds() - CpuBefore;
            Form.OmegaScreen1.EndFrame();
            Form.OmegaScreen1.ReadFrame(Frame);
        }
        FrameWall = std::chrono::duration<double>(std::chrono::steady_clock::now() - WallStart).count();
    }
    std::printf("board frame routine, CPU:      %.3f ms per frame\n", BoardCpu / Frames * 1000.0);
    std::printf("whole frame with read-back:    %.3f ms per frame (target: under 30 ms)\n", FrameWall / Frames * 1000.0);
    return 0;
}
