#include "common/ui/contrast.h"

#include <algorithm>
#include <cmath>

namespace tarnwick {
namespace {

double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) +
           0.0722 * Linear(rgb.blueF());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& colour, const QColor& ground, double ratio) {
    if (ContrastRatio(colour, ground) >= ratio) {
        return colour;
    }
    // Towards whichever of black and white stands out more from the ground; one of them
    // always reaches 4.5. With hue and saturation kept, luminance grows with lightness, so
    // halving the lightness interval finds the least change that is enough.
    const bool darken = ContrastRatio(Qt::black, ground) >= ContrastRatio(Qt::white, ground);
    const QColor hsl = colour.toHsl();
    const auto at = [&](double lightness) {  // as drawn, with 8 bits a channel
        return QColor(QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), lightness).rgb());
    };
    double enough = darken ? 0.0 : 1.0;
    double tooLittle = hsl.lightnessF();
    for (int step = 0; step < 16; ++step) {
        const double middle = (enough + tooLittle) / 2;
        (ContrastRatio(at(middle), ground) >= ratio ? enough : tooLittle) = middle;
    }
    return at(enough);
}

}  // namespace tarnwick
