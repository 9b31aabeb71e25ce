// The aerosol: picked off the tools wall, it follows the mouse; a click
// anywhere but the left panel sprays a growing cloud round the pointer that
// drives off the worms, spiders and the island's monster it reaches. While
// aerosols and enemies are left it stays in hand, otherwise it goes back to its
// hook. Each spray costs one aerosol.
#pragma once

#include <cstdint>
#include <functional>

#include "ToolInHandClass.h"

using TAerosolSpraySizeChangeEvent = std::function<void(TObject* Sender, TRect ASprayRect)>;
using TAerosolEnemiesExistQuestionEvent = std::function<void(TObject* Sender, bool& EnemiesExist)>;

// The aerosol's use: lifting the can, spraying, lowering it.
enum TAerosolPhase : uint8_t { apNone, apLift, apSpray, apLower };

class TAerosol : public TToolInHand {
public:
    TAerosol();

    int32_t OrigSprayWidth = 171;   // the mist's picture, scaled to the spray's square
    int32_t OrigSprayHeight = 158;
    int32_t MaxSpraySize = 200;     // the square's side when the spray stops
    int32_t VanishingSpraySize = 100;  // from this side on the mist fades
    int32_t SprayOutAnimSeqPos = 6; // the hiss starts at this frame of the spray
    int32_t SprayRangeReduce = 15;  // the reach is the square less this on each side
    // A click in here puts the aerosol back (the main form gives the left panel).
    TRect ReturnRect{0, 0, 130, 600};

    // Every frame of a spray: the square it reaches now (screen pixels, edges inside).
    // While the square is small the reach is inverted (left right of right) and holds nothing.
    TAerosolSpraySizeChangeEvent OnSpraySizeChange;
    // After a spray: is some enemy left to spray? (false unanswered: the aerosol goes back)
    TAerosolEnemiesExistQuestionEvent OnEnemiesExistQuestion;

    TAerosolPhase Phase() const { return FPhase; }
    int32_t SpraySize() const { return FSpraySize; }
    // The reach of a square of side Size round (X, Y): never put the right way round.
    TRect SprayReach(int32_t X, int32_t Y, int32_t Size) const;

protected:
    void HeldLeftPress(int32_t X, int32_t Y) override;
    void UsingFrame() override;

private:
    void DrawSpray(int32_t Size);
    void FinishSpray();
    TAerosolPhase FPhase = apNone;
    int32_t FSpraySize = 0;
    bool FHissed = false;
    TAnimData FLiftAnim{"ABCD", false};
    TAnimData FSprayAnim{"DDEEFFFFFFFFFEEEDDD", false};
    TAnimData FLowerAnim{"DCBA", false};
};
