#include "LockerPiecesClass.h"

#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "RandomClass.h"

namespace {

// Where each piece sits in its box, from the cell corner + (2, 2).
constexpr TPoint PieceOffsets[6] = {{3, 1}, {18, 2}, {27, 2}, {2, 12}, {2, 18}, {20, 19}};
constexpr double StartSize = 30.0;
constexpr double SizeStep = 1.6;
constexpr double VanishSize = 4.0;
constexpr double VanishY = 600.0;

}  // namespace

void TLockerPieces::Clear() {
    for (TPiece& Piece : FPieces) Piece.Active = false;
}

int32_t TLockerPieces::ActiveCount() const {
    int32_t Count = 0;
    for (const TPiece& Piece : FPieces) Count += Piece.Active ? 1 : 0;
    return Count;
}

void TLockerPieces::Start(const TBoardData& BoardData, const TSimpleObjectArray& Lockers) {
    const int32_t PiecesPerLocker = MaxPieceIdx < 6 ? MaxPieceIdx : 6;
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            if (!Lockers.At(X, Y)) continue;
            const TPoint Cell = EffectCellCorner(Left, Top, X, Y);
            for (int32_t N = 1; N <= PiecesPerLocker; ++N) {
                TPiece& Piece = FPieces[FNext];
                FNext = (FNext + 1) % SlotCount;
                Piece.Active = true;
                Piece.LockerKind = BoardData.At(X, Y).LockerKind;
                Piece.Index = N;
                Piece.Size = StartSize;
                Piece.Flight = TThrownFlight{};
                Piece.Flight.X = Cell.X + 2 + PieceOffsets[N - 1].X;
                Piece.Flight.Y = Cell.Y + 2 + PieceOffsets[N - 1].Y;
                const int32_t Sideways = 2 * CosmeticRandomInt(5);
                Piece.Flight.HorzSpeed = CosmeticRandomInt(2) == 0 ? Sideways : -Sideways;
                Piece.Flight.Impulse = -(2 * CosmeticRandomInt(5) + 12);
            }
        }
    }
}

void TLockerPieces::UpdateAndDraw() {
    if (!Visible) return;
    TImageListItem* Image = EffectImage(OmgImgList, "LockerPieces");
    if (Image) SetEffectFiltering(OmgImgList, true);
    for (TPiece& Piece : FPieces) {
        if (!Piece.Active) continue;
        Piece.Flight.Step();
        Piece.Size -= SizeStep;
        if (Piece.Size < VanishSize || Piece.Flight.Y > VanishY) {
            Piece.Active = false;
            continue;
        }
        if (!Image) continue;
        const float ScaleX = static_cast<float>(Piece.Size / OrigPieceHeight);
        const float ScaleY = static_cast<float>(Piece.Size / OrigPieceWidth);
        Image->DrawEx(Round(Piece.Flight.X), Round(Piece.Flight.Y), 0.0f, 0.5f, 0.5f,
                      ScaleX, ScaleY, 255, 255, 255, 255, (Piece.LockerKind - 1) * 6 + (Piece.Index - 1), -1);
    }
    if (Image) SetEffectFiltering(OmgImgList, false);
}
