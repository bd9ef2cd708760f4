// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ThemeColours.h"

#include <QPalette>
#include <cmath>

namespace tollwick {
namespace {

double Linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

} // namespace

QColor DesignColour(FixedHue hue)
{
    switch (hue) {
    case FixedHue::Navy:
        return {0, 0, 128};
    case FixedHue::Maroon:
        return {128, 0, 0};
    case FixedHue::Teal:
        return {0, 128, 128};
    case FixedHue::Red:
        return {255, 0, 0};
    }
    return {};
}

double RelativeLuminance(const QColor& colour)
{
    return 0.2126 * Linear(colour.redF()) + 0.7152 * Linear(colour.greenF()) + 0.0722 * Linear(colour.blueF());
}

double ContrastRatio(const QColor& first, const QColor& second)
{
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

bool IsDark(const QColor& colour)
{
    // Where black and white text would meet: a luminance of about 0.18.
    return ContrastRatio(colour, Qt::white) > ContrastRatio(colour, Qt::black);
}

QColor ReadableShade(FixedHue hue, const QColor& background)
{
    const QColor design = DesignColour(hue);
    const bool lighten = IsDark(background);
    const float hslHue = design.hslHueF();
    const float saturation = design.hslSaturationF();
    float lightness = design.lightnessF();
    QColor shade = design;
    // Steps of 1/255 in lightness: the first shade that reads is the nearest one.
    while (ContrastRatio(shade, background) < ReadableContrast && lightness > 0.0F && lightness < 1.0F) {
        lightness = lighten ? std::min(1.0F, lightness + 1.0F / 255.0F) : std::max(0.0F, lightness - 1.0F / 255.0F);
        shade = QColor::fromHslF(hslHue, saturation, lightness);
    }
    return shade;
}

PanelColours HelpPanelColours(const QPalette& palette)
{
    const PanelColours tooltip{palette.color(QPalette::ToolTipBase), palette.color(QPalette::ToolTipText)};
    const bool glares = IsDark(palette.color(QPalette::Window)) && !IsDark(tooltip.background);
    if (!glares && ContrastRatio(tooltip.background, tooltip.text) >= ReadableContrast) {
        return tooltip;
    }
    return {palette.color(QPalette::Base), palette.color(QPalette::Text)};
}

} // namespace tollwick
