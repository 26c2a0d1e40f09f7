#pragma once
// Places and sizes of the Scan & Decode window, in pixels of its client area.
namespace scan_geometry {

inline constexpr int kWidth = 680;
inline constexpr int kHeight_Wired = 523;     // Form_Type 0
inline constexpr int kHeight_Wireless = 571;  // Form_Type 1
inline constexpr int kTitle_Height = 62;
inline constexpr int kButtons_Band = 52;  // under the panels

// Settings rows: headings at x 16, field labels at x 32, controls at x 176; rows
// 24 pixels apart inside a block and 32 before a new block.
inline constexpr int kHeading_X = 16;
inline constexpr int kLabel_X = 32;
inline constexpr int kControl_X = 176;
inline constexpr int kRow_Step = 24;
inline constexpr int kBlock_Step = 32;
inline constexpr int kFirst_Row = 16;
inline constexpr int kRow_Height = 22;
inline constexpr int kLabel_Width = kControl_X - kLabel_X - 4;
inline constexpr int kHeading_Width = 320;
inline constexpr int kCheck_Width = 360;
inline constexpr int kList_Width = 180;
// The address: four edits 60 pixels wide, the dots between them.
inline constexpr int kIP_X[4] = {176, 242, 308, 374};
inline constexpr int kIP_Dot_X[3] = {237, 303, 369};
inline constexpr int kIP_Width = 60;

inline constexpr int kButton_Width = 150;
inline constexpr int kButton_Height = 30;
inline constexpr int kButton_Gap = 8;  // a button right of another
inline constexpr int kStart_X = 16;

inline constexpr int kWireless_Table_Height = 200;

}  // namespace scan_geometry
