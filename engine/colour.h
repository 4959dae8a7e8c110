#pragma once

namespace engine {

// A colour as red, green and blue from 0 to 255.
struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const Rgb &) const = default;
};

namespace colours {
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb darkGrey{64, 64, 64};
inline constexpr Rgb grey{128, 128, 128};
inline constexpr Rgb silver{192, 192, 192};
inline constexpr Rgb overdueRed{192, 0, 0};
inline constexpr Rgb freeGreen{0, 192, 0};
inline constexpr Rgb chosenGreen{0, 96, 0};
inline constexpr Rgb dayGreen{0, 128, 0};
inline constexpr Rgb inProgress{40, 167, 69};
inline constexpr Rgb paused{88, 172, 250};
inline constexpr Rgb completed{122, 100, 195};
inline constexpr Rgb selectedWorkCentre{36, 77, 202};
} // namespace colours

} // namespace engine
