#include "painters.h"
#include "pixel_tools.h"
#include "value_noise.h"
#include "variation.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace {

// Slight random brightness per thread, so woven cloth does not look printed.
std::vector<double> threadJitter(int count, double strength, Variation& variation) {
    std::vector<double> jitter(static_cast<std::size_t>(count));
    for (double& value : jitter) value = 1.0 + variation.between(-strength, strength);
    return jitter;
}

// Each pixel shows either the thread running across or the one running down,
// in a plain over-under order; threadWidth pixels per thread.
struct PlainWeave {
    PlainWeave(QSize size, int threadWidth, double strength, std::uint64_t startValue) : width(threadWidth) {
        Variation variation(startValue);
        across = threadJitter(size.height() / threadWidth + 1, strength, variation);
        down = threadJitter(size.width() / threadWidth + 1, strength, variation);
    }

    double at(int x, int y) const {
        const int column = x / width;
        const int row = y / width;
        const bool acrossOnTop = (column + row) % 2 == 0;
        const auto index = static_cast<std::size_t>(acrossOnTop ? row : column);
        return acrossOnTop ? across[index] : down[index] * 0.96;
    }

    int width;
    std::vector<double> across;
    std::vector<double> down;
};

// Soft light and shade of cloth lying in loose folds.
double folds(const ValueNoise& noise, int x, int y) { return 0.9 + 0.12 * noise.layered(x / 280.0, y / 210.0, 3); }

QImage paintGingham(QSize size, QRgb ground, QRgb stripe, int check, std::uint32_t startValue) {
    const PlainWeave weave(size, 2, 0.035, startValue);
    const ValueNoise drape(startValue);
    QImage image = blankCanvas(size);
    fillPixels(image, [&](int x, int y) {
        const bool across = (y / check) % 2 == 0;
        const bool down = (x / check) % 2 == 0;
        // One stripe gives the light tone, two crossing stripes the full colour.
        const double strength = across && down ? 1.0 : (across || down ? 0.48 : 0.0);
        return scaled(blend(ground, stripe, strength), weave.at(x, y) * folds(drape, x, y));
    });
    return image;
}

}  // namespace

QImage paintCheckedTablecloth(QSize size) {
    return paintGingham(size, qRgb(250, 246, 240), qRgb(178, 28, 38), 50, 101);
}

QImage paintHerbGingham(QSize size) { return paintGingham(size, qRgb(248, 250, 240), qRgb(86, 134, 64), 26, 107); }

QImage paintLinenWeave(QSize size) {
    // Linen has uneven threads: most vary a little, a few thick slubs stand out.
    const PlainWeave weave(size, 2, 0.05, 104);
    Variation slubs(1104);
    std::vector<double> slubRows(static_cast<std::size_t>(size.height()), 1.0);
    for (double& row : slubRows) {
        if (slubs.unit() < 0.05) row = slubs.between(0.9, 1.08);
    }
    const ValueNoise drape(104);
    const QRgb oatmeal = qRgb(226, 214, 190);
    QImage image = blankCanvas(size);
    fillPixels(image, [&](int x, int y) {
        const double slub = slubRows[static_cast<std::size_t>(y)];
        return scaled(oatmeal, weave.at(x, y) * slub * folds(drape, x, y));
    });
    return image;
}

QImage paintStripedTowel(QSize size) {
    // A cream tea towel with a navy and mustard band repeated down its length.
    const QRgb cream = qRgb(242, 236, 222);
    const QRgb navy = qRgb(38, 58, 108);
    const QRgb mustard = qRgb(216, 164, 48);
    struct Stripe {
        int top;
        int bottom;
        QRgb colour;
    };
    const Stripe band[] = {
        {40, 50, navy},
        {62, 110, navy},
        {122, 134, mustard},
        {146, 156, navy},
    };
    const int period = 300;
    const ValueNoise drape(110);
    QImage image = blankCanvas(size);
    fillPixels(image, [&](int x, int y) {
        const int inBand = y % period;
        QRgb colour = cream;
        for (const Stripe& stripe : band) {
            if (inBand >= stripe.top && inBand < stripe.bottom) colour = stripe.colour;
        }
        // Twill: fine diagonal ribs.
        const double twill = ((x + y) % 4 < 2) ? 1.0 : 0.95;
        return scaled(colour, twill * folds(drape, x, y));
    });
    return image;
}

QImage paintWicker(QSize size) {
    // Basket weave: square blocks of three cane strands, turning a quarter
    // from block to block; strand ends darken where they dip under.
    const int block = 60;
    const int strands = 3;
    const double strandWidth = static_cast<double>(block) / strands;
    const QRgb cane[] = {qRgb(96, 62, 30), qRgb(168, 118, 60), qRgb(214, 172, 104), qRgb(240, 212, 150)};
    const ValueNoise fibre(115);
    Variation variation(115);
    std::vector<double> strandTone(
        static_cast<std::size_t>((size.width() / block + 1) * (size.height() / block + 1) * strands));
    for (double& tone : strandTone) tone = variation.between(-0.08, 0.08);
    const int blocksAcross = size.width() / block + 1;

    QImage image = blankCanvas(size);
    fillPixels(image, [&](int x, int y) {
        const int bx = x / block;
        const int by = y / block;
        const bool horizontal = (bx + by) % 2 == 0;
        const double along = horizontal ? x % block : y % block;
        const double acrossPos = horizontal ? y % block : x % block;
        const int strand = static_cast<int>(acrossPos / strandWidth);
        const double inStrand = (acrossPos - strand * strandWidth) / strandWidth;
        // Round cane: bright along its middle, dark at its sides.
        const double roundness = std::sin(std::numbers::pi * inStrand);
        const double dip = smoothstep(0.0, 10.0, along) * smoothstep(0.0, 10.0, block - along);
        const double grain = horizontal ? fibre.at(x / 30.0, y / 1.5) : fibre.at(x / 1.5, y / 30.0);
        const auto index = static_cast<std::size_t>(((by * blocksAcross) + bx) * strands + strand);
        const double tone =
            0.18 + 0.62 * std::pow(roundness, 0.7) * (0.55 + 0.45 * dip) + 0.18 * (grain - 0.5) + strandTone[index];
        return ramp(cane, tone);
    });
    return image;
}
