// The system colours the desktop paints with (Windows 7's standard scheme).
#pragma once

#include <cstdint>

namespace platform::gdi {

struct Color {
  uint8_t r, g, b;
};

namespace colors {
constexpr Color kBtnFace{0xF0, 0xF0, 0xF0};         // COLOR_BTNFACE
constexpr Color kBtnHighlight{0xFF, 0xFF, 0xFF};    // COLOR_BTNHIGHLIGHT
constexpr Color kLight{0xE3, 0xE3, 0xE3};           // COLOR_3DLIGHT
constexpr Color kBtnShadow{0xA0, 0xA0, 0xA0};       // COLOR_BTNSHADOW
constexpr Color kDarkShadow{0x69, 0x69, 0x69};      // COLOR_3DDKSHADOW
constexpr Color kWindow{0xFF, 0xFF, 0xFF};          // COLOR_WINDOW
constexpr Color kWindowText{0x00, 0x00, 0x00};      // COLOR_WINDOWTEXT, COLOR_BTNTEXT
constexpr Color kWindowFrame{0x64, 0x64, 0x64};     // COLOR_WINDOWFRAME
constexpr Color kGrayText{0x6D, 0x6D, 0x6D};        // COLOR_GRAYTEXT
constexpr Color kActiveCaption{0x99, 0xB4, 0xD1};   // COLOR_ACTIVECAPTION
constexpr Color kCaptionGradient{0xB9, 0xD1, 0xEA}; // COLOR_GRADIENTACTIVECAPTION
constexpr Color kCaptionText{0x00, 0x00, 0x00};     // COLOR_CAPTIONTEXT
}  // namespace colors

}  // namespace platform::gdi
