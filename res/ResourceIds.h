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

// The About box (dialog template 100) and its version line.
inline constexpr int kAboutBoxTemplate = 100;
inline constexpr int kAboutVersionText = 1001;
inline constexpr int kOkButton = 1;
inline constexpr int kAppIcon = 128;

// Child window identifiers of the host view.
inline constexpr int kInputPanelBar = 59394;
inline constexpr int kFirstPane = 59648;

// The shared resource set of the main window (menu, accelerators, toolbar, icon).
inline constexpr int kMainResources = 128;
inline constexpr int kContextMenu = 219;

// Commands.
inline constexpr int kZoomIn = 32902;
inline constexpr int kZoomOut = 32903;
inline constexpr int kTurnLeft = 32920;  // the first turn button's command
inline constexpr int kTurnRight = 32921; // the second turn button's command
inline constexpr int kBarcodeSettings = 32922;
inline constexpr int kFilePrintLabels = 32923;
inline constexpr int kFileSave = 57603;
inline constexpr int kFilePrintSetup = 57606;
inline constexpr int kFilePrint = 57607;
inline constexpr int kFilePrintDirect = 57608;
inline constexpr int kFilePrintPreview = 57609;
inline constexpr int kEditUndo = 57643;
inline constexpr int kEditCut = 57635;
inline constexpr int kEditCopy = 57634;
inline constexpr int kEditPaste = 57637;
inline constexpr int kAppAbout = 57664;
inline constexpr int kAppExit = 57665;
inline constexpr int kHelpTopics = 57667;
inline constexpr int kNextPane = 57680;
inline constexpr int kPrevPane = 57681;
inline constexpr int kViewToolbar = 59392;
inline constexpr int kViewStatusBar = 59393;

// Strings.
inline constexpr int kAppNameString = 57344;
inline constexpr int kIdleMessageString = 57345;

} // namespace ids
