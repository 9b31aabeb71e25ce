// The locker frames of a clear-tiles level: glowing frames around the tiles the
// player must clear. They fly in from the middle of the screen when the board
// is ready, fly back out while the board is away (a shuffle, time up), now and
// then one of them spins, and a frame whose tile was matched is cleared.
#pragma once

#include <cstdint>
#include <functional>

#include "AnimDataClass.h"
#include "BoardDataClass.h"
#include "GameTypesClass.h"

class TOmegaImageList;
class TImageListItem;

using TLockerFrameEffectRequest = std::function<void(TObject* Sender, TPoint ATilePos)>;

class TLockerFrames : public TObject {
public:
    // Frame states: none, flying in, in place, flying out, present but hidden.
    enum TFrameState : uint8_t { fsNone = 0, fsFlyingIn = 1, fsInPlace = 2, fsFlyingOut = 3, fsHidden = 4 };
    static constexpr const char* PulseSequence =
        "AABBCCDEEFFGGHHIIJJKKLLMMNNOOPPQQRRQQPPOONNMMLLKKJJIIHHGGFFEEDDCCBB";
    static constexpr int32_t FlyInSpeed = 18;
    static constexpr int32_t FlyOutSpeed = 30;

    TOmegaImageList* OmgImgList = nullptr;
    int32_t Left = 0;  // the board's top-left tile corner
    int32_t Top = 0;
    bool Visible = true;
    int32_t CenterPosX = 425;  // where frames fly from and back to
    int32_t CenterPosY = 300;
    int32_t FrameAdjustX = -3;  // a frame's place from its tile's cell corner
    int32_t FrameAdjustY = -6;
    int32_t RotaterInterval = 2500;  // milliseconds between two chances of a spin
    int32_t RotaterOnePerXProb = 3;
    int32_t RotationAngleStep = 12;
    TLockerFrameEffectRequest OnLockerFrameEffectRequest;  // a frame was cleared at the tile

    TLockerFrames();
    // The level's frames, present but hidden until they fly in.
    void Set(const TSimpleObjectArray& Mask);
    void FlyIn();
    void FlyOut();
    // Every tile of Mask that has a frame loses it and reports it.
    void Remove(const TSimpleObjectArray& Mask);
    void Clear();
    int32_t Count() const;
    void UpdateAndDraw();

    TFrameState State(TPoint P) const { return FFrames[P.X - 1][P.Y - 1].State; }
    TFloatPoint Position(TPoint P) const { return FFrames[P.X - 1][P.Y - 1].Pos; }
    float Angle(TPoint P) const { return FFrames[P.X - 1][P.Y - 1].Angle; }

private:
    struct TFrame {
        TFrameState State = fsNone;
        TFloatPoint Pos;
        TFloatPoint Speed;
        TFloatPoint Target;
        TFloatPoint Trail[3];  // the last three positions, newest first
        float Angle = 0.0f;    // above 0 while spinning back to 0
    };
    void StartFlight(TFrame& Frame, TFrameState State, TFloatPoint From, TFloatPoint To, int32_t Speed);
    TFloatPoint PlaceOf(int32_t X, int32_t Y) const;
    void UpdateRotater();
    void Move(TFrame& Frame);
    void Draw(const TFrame& Frame, int32_t Pattern);

    TFrame FFrames[BoardSize][BoardSize];
    TAnimData FPulse{PulseSequence, true};
    int32_t FRotaterTimer = 0;
    TImageListItem* FImage = nullptr;
};
