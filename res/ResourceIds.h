#pragma once

// Numeric identifiers shared by the resource tables and the code that uses them.
namespace ids {

// Controls of the input panel (dialog template 30727).
inline constexpr int kInputPanelTemplate = 30727;
inline constexpr int kHeightEdit = 1169;
inline constexpr int kWidthDisplay = 1173;
inline constexpr int kSymbologyList = 1076;
inline constexpr int kTextEdit = 1023;
inline constexpr int kShowTextCheck = 1073;
inline constexpr int kTileModeCheck = 1074;
inline constexpr int kZoomInButton = 1183;
inline constexpr int kZoomOutButton = 1184;
inline constexpr int kTurnLeftButton = 1185;  // a quarter turn counter-clockwise
inline constexpr int kTurnRightButton = 1186; // a quarter turn clockwise

// Commands.
inline constexpr int kZoomIn = 32902;
inline constexpr int kZoomOut = 32903;
inline constexpr int kFileSave = 57603;
inline constexpr int kFilePrint = 57607;
inline constexpr int kFilePrintDirect = 57608;
inline constexpr int kFilePrintPreview = 57609;
inline constexpr int kEditCopy = 57634;

} // namespace ids
