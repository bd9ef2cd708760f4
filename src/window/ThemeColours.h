// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

class QPalette;

namespace tollwick {

/// The fixed text colours of the layout.
enum class FixedHue { Navy, Maroon, Teal, Red };

/// The contrast every coloured text reaches against its background.
inline constexpr double ReadableContrast = 4.5;

[[nodiscard]] QColor DesignColour(FixedHue hue);

/// Relative luminance and contrast ratio as the WCAG define them.
[[nodiscard]] double RelativeLuminance(const QColor& colour);
[[nodiscard]] double ContrastRatio(const QColor& first, const QColor& second);

[[nodiscard]] bool IsDark(const QColor& colour);

/// The design colour of `hue`, made lighter on a dark background or darker
/// on a light one only as far as the readable contrast needs; hue and
/// saturation stay.
[[nodiscard]] QColor ReadableShade(FixedHue hue, const QColor& background);

/// The help panel's text on its background: the palette's tooltip colours,
/// or, where those are no longer readable or a light tooltip would glare on
/// a dark window, the palette's own text field colours.
struct PanelColours {
    QColor background;
    QColor text;
};
[[nodiscard]] PanelColours HelpPanelColours(const QPalette& palette);

} // namespace tollwick
