#include "LockerFramesClass.h"

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "RandomClass.h"

namespace {
constexpr int32_t TrailAlphas[3] = {120, 90, 60};
constexpr float SpinScale = 1.2f;
}  // namespace

TLockerFrames::TLockerFrames() { Clear(); }

void TLockerFrames::Clear() {
    for (auto& Column : FFrames)
        for (TFrame& Frame : Column) Frame = TFrame{};
    FRotaterTimer = 0;
}

void TLockerFrames::Set(const TSimpleObjectArray& Mask) {
    Clear();
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            if (!Mask.At(X, Y)) continue;
            TFrame& Frame = FFrames[X - 1][Y - 1];
            Frame.State = fsHidden;
            Frame.Pos = FloatPoint(CenterPosX, CenterPosY);
        }
    }
}

TFloatPoint TLockerFrames::PlaceOf(int32_t X, int32_t Y) const {
    const TPoint Cell = EffectCellCorner(Left, Top, X, Y);
    return FloatPoint(Cell.X + FrameAdjustX, Cell.Y + FrameAdjustY);
}

void TLockerFrames::StartFlight(TFrame& Frame, TFrameState State, TFloatPoint From, TFloatPoint To, int32_t Speed) {
    Frame.State = State;
    Frame.Pos = From;
    Frame.Target = To;
    Frame.Speed = AxisSpeeds(From, To, Speed);
    for (TFloatPoint& Point : Frame.Trail) Point = From;
}

void TLockerFrames::FlyIn() {
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            TFrame& Frame = FFrames[X - 1][Y - 1];
            if (Frame.State == fsNone) continue;
            StartFlight(Frame, fsFlyingIn, FloatPoint(CenterPosX, CenterPosY), PlaceOf(X, Y), FlyInSpeed);
        }
    }
}

void TLockerFrames::FlyOut() {
    for (auto& Column : FFrames) {
        for (TFrame& Frame : Column) {
            if (Frame.State == fsNone) continue;
            StartFlight(Frame, fsFlyingOut, Frame.Pos, FloatPoint(CenterPosX, CenterPosY), FlyOutSpeed);
        }
    }
}

void TLockerFrames::Remove(const TSimpleObjectArray& Mask) {
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            if (!Mask.At(X, Y) || FFrames[X - 1][Y - 1].State == fsNone) continue;
            FFrames[X - 1][Y - 1] = TFrame{};
            if (OnLockerFrameEffectRequest) OnLockerFrameEffectRequest(this, TPoint{X, Y});
        }
    }
}

int32_t TLockerFrames::Count() const {
    int32_t Count = 0;
    for (const auto& Column : FFrames)
        for (const TFrame& Frame : Column) Count += Frame.State != fsNone ? 1 : 0;
    return Count;
}

void TLockerFrames::UpdateAndDraw() {
    if (!Visible) return;
    FImage = EffectImage(OmgImgList, "LockerFrame");
    FPulse.Advance();
    const int32_t Pattern = FPulse.CurrentPattern();
    for (auto& Column : FFrames) {
        for (TFrame& Frame : Column) {
            if (Frame.Angle <= 0.0f) continue;
            Frame.Angle -= static_cast<float>(RotationAngleStep);
            if (Frame.Angle < 0.0f) Frame.Angle = 0.0f;
        }
    }
    UpdateRotater();
    if (FImage) SetEffectFiltering(OmgImgList, true);
    for (auto& Column : FFrames) {
        for (TFrame& Frame : Column) {
            if (Frame.State == fsNone) continue;
            Move(Frame);
            if (Frame.State != fsHidden) Draw(Frame, Pattern);
        }
    }
    if (FImage) SetEffectFiltering(OmgImgList, false);
}

// Every RotaterInterval, by a chance of 1 in RotaterOnePerXProb, one still frame starts a turn.
void TLockerFrames::UpdateRotater() {
    FRotaterTimer += FrameStep;
    if (FRotaterTimer < RotaterInterval) return;
    FRotaterTimer = 0;
    if (RotaterOnePerXProb <= 0 || CosmeticRandomInt(RotaterOnePerXProb) != 0) return;
    int32_t Candidates = 0;
    for (const auto& Column : FFrames)
        for (const TFrame& Frame : Column) Candidates += Frame.State != fsNone && Frame.Angle <= 0.0f ? 1 : 0;
    if (Candidates == 0) return;
    int32_t Chosen = CosmeticRandomInt(Candidates);
    for (auto& Column : FFrames) {
        for (TFrame& Frame : Column) {
            if (Frame.State == fsNone || Frame.Angle > 0.0f) continue;
            if (Chosen-- == 0) {
                Frame.Angle = static_cast<float>(360 - RotationAngleStep);
                return;
            }
        }
    }
}

void TLockerFrames::Move(TFrame& Frame) {
    if (Frame.State != fsFlyingIn && Frame.State != fsFlyingOut) return;
    Frame.Trail[2] = Frame.Trail[1];
    Frame.Trail[1] = Frame.Trail[0];
    Frame.Trail[0] = Frame.Pos;
    MoveTowards(Frame.Pos.X, Frame.Pos.Y, Frame.Speed.X, Frame.Speed.Y, Frame.Target.X, Frame.Target.Y);
    if (SameFloatPoint(Frame.Pos, Frame.Target)) Frame.State = Frame.State == fsFlyingIn ? fsInPlace : fsHidden;
}

void TLockerFrames::Draw(const TFrame& Frame, int32_t Pattern) {
    if (!FImage) return;
    const float Scale = Frame.Angle > 0.0f ? SpinScale : 1.0f;
    if (Frame.State == fsFlyingIn || Frame.State == fsFlyingOut) {
        for (int32_t I = 2; I >= 0; --I)
            FImage->DrawEx(Round(Frame.Trail[I].X), Round(Frame.Trail[I].Y), Frame.Angle, 0.5f, 0.5f, Scale, Scale,
                           255, 255, 255, TrailAlphas[I], Pattern, -1);
    }
    FImage->DrawEx(Round(Frame.Pos.X), Round(Frame.Pos.Y), Frame.Angle, 0.5f, 0.5f, Scale, Scale, 255, 255, 255, 255,
                   Pattern, -1);
}
