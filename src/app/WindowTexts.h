#pragma once

// The main window's own texts: title, menus, captions and messages.

#include <string_view>

namespace tessaly::app::texts {

inline constexpr std::string_view kWindowTitle = "Tessaly";
inline constexpr std::string_view kBuild = " Build 010.01";
inline constexpr std::string_view kHtml5 = "Html5";

// Menus; a tab separates an item from the shortcut shown beside it.
inline constexpr std::string_view kMenuFile = "&File ";
inline constexpr std::string_view kMenuLoadMovie = "&Load Web Movie\tCtrl+L";
inline constexpr std::string_view kMenuPublish = "Publish Web Movie\tCtrl+P";
inline constexpr std::string_view kMenuLoadProject = "Load Project\tCtrl+O";
inline constexpr std::string_view kMenuSaveProject = "Save Project\tCtrl+S";
// Alt+F4 closes through the window manager; Ctrl+Q is the program's own key.
inline constexpr std::string_view kMenuExit = "&Exit\tCtrl+Q";
inline constexpr std::string_view kMenuOption = "&Option";
inline constexpr std::string_view kMenuSelector = "Flash/Html5 redirect utility";
inline constexpr std::string_view kMenuOptionsByDefault = "Options by default";
inline constexpr std::string_view kMenuSaveOptions = "Save Options";
inline constexpr std::string_view kMenuRemoveAdditional = "Remove the path of addition video";
inline constexpr std::string_view kMenuToolTips = " Show/Hide ToolTip popup help";
inline constexpr std::string_view kMenuMakeWebVersions = "Make Web Versions...";
inline constexpr std::string_view kMenuHelp = "&Help";
inline constexpr std::string_view kMenuShortHelp = "&Short Help\tF1";
inline constexpr std::string_view kMenuUserGuide = "&User's guide\tCtrl+F1";
inline constexpr std::string_view kMenuAbout = "&About";

// Command buttons.
inline constexpr std::string_view kLoadMovie1 = "Load Web Movie1";
inline constexpr std::string_view kLoadMovie2 = "Load Web Movie2";
inline constexpr std::string_view kLoadMovie3 = "Load Web Movie3";
inline constexpr std::string_view kPublish = "Publish Web Movie";
inline constexpr std::string_view kOptionsByDefault = "Options by default";
inline constexpr std::string_view kSaveOptions = "Save Options";
inline constexpr std::string_view kAbout = "About";
inline constexpr std::string_view kExit = "Exit";
inline constexpr std::string_view kAddHotSpot = "Add Hot Spot";
inline constexpr std::string_view kClearHotSpot = "Clear Hot Spot";
inline constexpr std::string_view kClearAllHotSpots = "Clear All Hot Spots";

// Options area.
inline constexpr std::string_view kOptionsFrame = " Options ";
inline constexpr std::string_view kWindowSize = "  Window Size";
inline constexpr std::string_view kFullScreen = " Full Screen mode";
inline constexpr std::string_view kShowControls = " Show control";
inline constexpr std::string_view kZoom = "  Zoom value ";
inline constexpr std::string_view kYaw = "  Yaw value ";
inline constexpr std::string_view kPitch = "  Pitch value";
inline constexpr std::string_view kTilt = "  Vertical angle limit";
inline constexpr std::string_view kQuality = "  Segment Quality";
inline constexpr std::string_view kMaxFps = "  Max FPS for stream";
inline constexpr std::string_view kMouseSpeed = "  Mouse pan speed";
inline constexpr std::string_view kStat = " Stat ctrl On/Off";
inline constexpr std::string_view kWinPosX = "  Window X-position";
inline constexpr std::string_view kWinPosY = "  Window Y-position";
inline constexpr std::string_view kAudio = "  Audio Volume ";
inline constexpr std::string_view kCustomSize = " Html custom size";
inline constexpr std::string_view kCustomX = "x           pixels";
inline constexpr std::string_view kBgColor = "  Html BGColor";
inline constexpr std::string_view kChooseColor = "Choose Color";
inline constexpr std::string_view kHtmlTitle = "  Html <TITLE>";
inline constexpr std::string_view kViewModeFrame = "  Viewing mode:";
inline constexpr std::string_view kClassic = "\"Classic\"";
inline constexpr std::string_view kBlackAreas = "\"Black Areas\"";
inline constexpr std::string_view kIconFrame = "  Hot Spot icon:";
inline constexpr std::string_view kStereoLabel = "Stereo and field";
inline constexpr std::string_view kMono = "Mono";
inline constexpr std::string_view kTopBottom = "Top-bottom";
inline constexpr std::string_view kSideBySide = "Side-by-side";
inline constexpr std::string_view kField360 = "360";
inline constexpr std::string_view kField180 = "180";
inline constexpr std::string_view kIcon1 = "icon1";
inline constexpr std::string_view kIcon2 = "icon2";

// Hot-spot editor.
inline constexpr std::string_view kLinkLabel = "  Hot Spot Link:";
inline constexpr std::string_view kHsTitleLabel = "  Hot Spot Title:";
inline constexpr std::string_view kPitchCaption = "  Hot Spot Pitch:";
inline constexpr std::string_view kSelfMode = "self HS mode";
inline constexpr std::string_view kHotSpotFrame = " Hot Spots ";
inline constexpr std::string_view kRowYaw = "Yaw:";
inline constexpr std::string_view kRowPos = "Pos:";
inline constexpr std::string_view kRowTime = "Time:";

// The preview's transport strip.
inline constexpr std::string_view kStripPlay = "Play";
inline constexpr std::string_view kStripPause = "Pause";
inline constexpr std::string_view kStripLoop = "Loop";
inline constexpr std::string_view kStripLookAround = "Look around";

// Messages.
inline constexpr std::string_view kExitQuestion = "Are you sure?";
inline constexpr std::string_view kSaveChangesQuestion = "Save the changes to the project?";
// After the project's name, or the program's while the work has none.
inline constexpr std::string_view kChangedMark = "*";
inline constexpr std::string_view kStopEncodingQuestion =
    "Making the web versions is not finished.\nCancel it and close the program?";
inline constexpr std::string_view kStopPublishingQuestion =
    "Publishing is not finished.\nCancel it and close the program?";

// The movie copy's progress while publishing.
inline constexpr std::string_view kCopyCancel = "Cancel";
inline constexpr std::string_view kCopyWaiting = "Copying %1";                      // the movie's name
inline constexpr std::string_view kCopyProgress = "Copying %1\n%2 of %3, %4 left";  // name, done, total, time
inline constexpr std::string_view kReadingMovies = "Reading the movies";
inline constexpr std::string_view kWritingPage = "Writing the page";
// Beside OK once publishing succeeded; & marks the mnemonic.
inline constexpr std::string_view kOpenPage = "Open &Page";
inline constexpr std::string_view kOpenFolder = "Open &Folder";
inline constexpr std::string_view kNothingOpened = "No program could open %1";  // the page or its folder

// File dialogs.
inline constexpr std::string_view kProjectOpenTitle = "Load a Project";
inline constexpr std::string_view kProjectSaveTitle = "Save the Project";
inline constexpr std::string_view kMovieDialogTitle = "Load a Web Movie";
// The movie filter comes from movies::movieDialogFilter().

// The preview's reasons of its own, after "Cannot play PATH: ".
inline constexpr std::string_view kPreviewNoReason = "the media framework gave no reason";
inline constexpr std::string_view kPreviewNotOpened = "the movie did not open within 10 seconds";
inline constexpr std::string_view kPreviewUnreadableFrames =
    "its pictures come in a pixel format the preview cannot read";

}  // namespace tessaly::app::texts
