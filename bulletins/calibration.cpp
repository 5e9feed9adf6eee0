#include "bulletins/calibration.h"

#include "bulletins/bulletinprint.h"

#include <cstddef>

namespace {

constexpr int calibrationTitle = 175;  // "Page de calibrage"
constexpr double crossPen = 0.02;      // cm

// Two strokes crossing at the paper point `at`, each arm `calibrationArm` long.
void drawCross(PrintContext &ctx, PaperPoint at)
{
    const int left = pconvertitcm(ctx, Axis::Horizontal, at.x - calibrationArm);
    const int right = pconvertitcm(ctx, Axis::Horizontal, at.x + calibrationArm);
    const int top = pconvertitcm(ctx, Axis::Vertical, at.y - calibrationArm);
    const int bottom = pconvertitcm(ctx, Axis::Vertical, at.y + calibrationArm);
    ctx.printer.moveTo(left, top);
    ctx.printer.lineTo(right, bottom);
    ctx.printer.moveTo(left, bottom);
    ctx.printer.lineTo(right, top);
}

}  // namespace

bool pimprimecalibrage(PrintContext &ctx, const BulletinTypeTable &bulletinTypes, int t)
{
    if (!isBulletinType(t)) {
        showFailure(ctx.boxes, "pimprimecalibrage");
        return false;
    }
    if (!beginPrintJob(ctx, ctx.message(calibrationTitle), "pimprimecalibrage"))
        return false;
    const TBulletinType &type = bulletinTypes[static_cast<std::size_t>(t)];
    ctx.printer.setFont("Fixedsys", 10, true);
    // The name stands at the device corner, as the grid numbers do: shifts move only the marks.
    ctx.printer.textOut(0, 0, type.name);
    // The pen's width is a distance, not a place: the shift cancels out of the difference.
    ctx.printer.setPenWidth(pconvertitcm(ctx, Axis::Vertical, crossPen) -
                            pconvertitcm(ctx, Axis::Vertical, 0));
    const int positions = gridsPerBulletin(type);
    for (int p = 1; p <= positions; ++p) {
        for (int n = 1; n <= calibrationHighestNumber; ++n)
            drawCross(ctx, markPoint(type, n, p));
    }
    ctx.printer.endDoc();
    return true;
}
