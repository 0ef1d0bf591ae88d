#pragma once

// The fixed numeric identifiers of the main window's controls and commands.
// Tests find every control and command by them; the code holds them as typed members.

namespace tessaly::app::ids {

// Commands (menu items, accelerators and buttons).
inline constexpr int kCancel = 2;  // Esc
inline constexpr int kPublish = 101;
inline constexpr int kAbout = 102;
inline constexpr int kOptionsByDefault = 104;
inline constexpr int kExit = 108;
inline constexpr int kShortHelp = 133;
inline constexpr int kToolTipToggle = 145;
inline constexpr int kSaveOptions = 155;
inline constexpr int kUserGuide = 159;
inline constexpr int kSelector = 195;
inline constexpr int kLoadProject = 463;
inline constexpr int kSaveProject = 464;
inline constexpr int kRemoveAdditional = 465;
inline constexpr int kPreviewInBrowser = 466;
inline constexpr int kRecentProjects = 467;  // the submenu
inline constexpr int kClearRecentProjects = 468;
// File > Recent Projects, entry n = 1..8, newest first.
constexpr int recentProject(int n) { return 470 + n; }
inline constexpr int kMakeWebVersions = 469;
// Additions beside the first menus: Save Project As and the Edit menu.
inline constexpr int kSaveProjectAs = 491;
inline constexpr int kUndo = 492;
inline constexpr int kRedo = 493;
// Captions: the command, the display under the movie rows and its removals,
// n = 1..kChosenCaptionLimit, in the order the captions were chosen.
inline constexpr int kLoadCaptions = 494;
inline constexpr int kCaptions = 495;
constexpr int removeCaptions(int n) { return 500 + n; }
inline constexpr int kLoadMovie1 = 1100;
inline constexpr int kLoadMovie2 = 1200;
inline constexpr int kLoadMovie3 = 1300;

// Header and movie rows.
inline constexpr int kTitleShadow = 106;
inline constexpr int kTitle = 105;
inline constexpr int kTitleHtml5 = 457;
inline constexpr int kBuild = 154;
inline constexpr int kPreview = 1001;
inline constexpr int kMoviePath1 = 103;
inline constexpr int kMoviePath2 = 203;
inline constexpr int kMoviePath3 = 303;

// Options area.
inline constexpr int kOptionsFrame = 107;
inline constexpr int kWindowSizeLabel = 109;
inline constexpr int kWindowSize = 112;
inline constexpr int kFullScreen = 110;
inline constexpr int kShowControls = 111;
inline constexpr int kControlBar = 194;
inline constexpr int kZoomLabel = 117;
inline constexpr int kZoom = 116;
inline constexpr int kYawLabel = 119;
inline constexpr int kStartYaw = 118;
inline constexpr int kPitchLabel = 141;
inline constexpr int kPitch = 142;
inline constexpr int kTiltLabel = 139;
inline constexpr int kTilt = 140;
inline constexpr int kManualTilt = 160;
inline constexpr int kQualityLabel = 183;
inline constexpr int kQuality = 184;
inline constexpr int kMaxFpsLabel = 185;
inline constexpr int kMaxFps = 186;
inline constexpr int kMouseSpeedLabel = 187;
inline constexpr int kMouseSpeed = 188;
inline constexpr int kStat = 189;
inline constexpr int kWinPosXLabel = 190;
inline constexpr int kWinPosX = 191;
inline constexpr int kWinPosYLabel = 192;
inline constexpr int kWinPosY = 193;
inline constexpr int kAudioLabel = 125;
inline constexpr int kAudioVolume = 126;
inline constexpr int kCustomSize = 179;
inline constexpr int kCustomWidth = 181;
inline constexpr int kCustomX = 180;
inline constexpr int kCustomHeight = 182;
inline constexpr int kBgColorLabel = 127;
inline constexpr int kBgColorSwatch = 128;
inline constexpr int kBgColorChoose = 129;
inline constexpr int kHtmlTitleLabel = 130;
inline constexpr int kHtmlTitle = 131;
inline constexpr int kViewModeFrame = 146;
inline constexpr int kClassic = 147;
inline constexpr int kBlackAreas = 148;
inline constexpr int kBlackAreaSwatch = 150;
inline constexpr int kBlackAreaChoose = 149;
inline constexpr int kIconFrame = 458;
inline constexpr int kIconBluePicture = 460;
inline constexpr int kIconRedPicture = 459;
inline constexpr int kIcon1 = 461;
inline constexpr int kIcon2 = 462;
// Stereo and field, under the options.
inline constexpr int kStereoLabel = 481;
inline constexpr int kStereoLayout = 482;
inline constexpr int kField = 483;

// Preview, yaw slider and hot-spot editor.
inline constexpr int kScaleLabel = 447;
inline constexpr int kYawSlider = 446;
inline constexpr int kYawMarker = 453;
inline constexpr int kLinkLabel = 451;
inline constexpr int kLink = 452;
inline constexpr int kHsTitleLabel = 441;
inline constexpr int kHsTitle = 442;
inline constexpr int kAddHotSpot = 448;
inline constexpr int kClearHotSpot = 449;
inline constexpr int kClearAllHotSpots = 450;
inline constexpr int kSelfMode = 443;
inline constexpr int kHotSpotFrame = 445;
// The pitch field, under the options: the editor has no room beside the slider.
inline constexpr int kPitchCaption = 486;
inline constexpr int kHotSpotPitch = 487;

// Hot-spot rows, n = 1..10.
constexpr int slotSelector(int n) { return 370 + n; }
constexpr int rowYawCaption(int n) { return 380 + n; }
constexpr int rowYaw(int n) { return 390 + n; }
constexpr int rowPosCaption(int n) { return 400 + n; }
constexpr int rowPos(int n) { return 410 + n; }
constexpr int rowTimeCaption(int n) { return 420 + n; }
constexpr int rowTime(int n) { return 430 + n; }

}  // namespace tessaly::app::ids
