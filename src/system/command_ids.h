#pragma once

// Command identifiers: menu items have fixed numbers (the standard file and
// view commands in the 57600 and 59392 ranges, ROVEX's own from 32768 up), so a
// command keeps its identity in the menu, the accelerators and the toolbars;
// commands reached only by a key or a toolbar button have numbers from 33001 up.

namespace rovex::cmd {

// File
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileSave = 57603;
inline constexpr int kFileSaveAs = 57604;
inline constexpr int kFilePrint = 57607;
inline constexpr int kFilePrintPreview = 57609;
inline constexpr int kFilePrintSetup = 57606;
inline constexpr int kAppExit = 57665;
// View
inline constexpr int kViewToolbar = 59392;
inline constexpr int kViewStatusBar = 59393;
inline constexpr int kViewRovexToolbar = 32809;
inline constexpr int kViewCameraMap = 32859;
inline constexpr int kViewPoi = 32827;
inline constexpr int kViewRoute = 32840;
inline constexpr int kViewCompass = 32857;
inline constexpr int kViewPointer = 32867;
inline constexpr int kViewTrail = 32918;
inline constexpr int kViewTrackEditor = 32880;
inline constexpr int kViewTrekbuddy = 32931;
// Convert
inline constexpr int kConvertPocketGps = 32795;
inline constexpr int kConvertGarmin = 32830;
inline constexpr int kConvertMultiPocketGps = 32921;
inline constexpr int kConvertGpxRoute = 32877;
inline constexpr int kConvertGpxTrack = 32876;
inline constexpr int kConvertNmeaToGpx = 32878;
inline constexpr int kConvertJosm = 32893;
inline constexpr int kConvertOsm = 32898;
inline constexpr int kConvertBigOsm = 32900;
inline constexpr int kConvertAddNewLines = 32903;
inline constexpr int kConvertSrtm = 32904;
inline constexpr int kConvertFastOsm = 32929;
inline constexpr int kConvertOsmSpeedcams = 32930;
// Action
inline constexpr int kLogNmea = 32823;
inline constexpr int kMute = 32826;
inline constexpr int kMarkLocation = 32800;
inline constexpr int kManualLocation = 32860;
inline constexpr int kNearPoiList = 32829;
inline constexpr int kNearCameraList = 32788;
inline constexpr int kRouteExcludedList = 32865;
inline constexpr int kRoutePointsList = 32842;
inline constexpr int kRoutePicker = 32861;
inline constexpr int kSelectPoiFiles = 32828;
inline constexpr int kSelectRouteFile = 32841;
// Options
inline constexpr int kOptionsAutoStart = 32847;
inline constexpr int kOptionsColours = 32799;
inline constexpr int kOptionsComm = 32774;
inline constexpr int kOptionsMapScale = 32790;
inline constexpr int kOptionsRoute = 32843;
inline constexpr int kOptionsRouteSpeech = 32853;
inline constexpr int kWindow800x700 = 32793;
inline constexpr int kWindow800x600 = 32791;
inline constexpr int kWindow600x480 = 32792;
inline constexpr int kOptionsShutdown = 32928;
inline constexpr int kOptionsSpecs = 32798;
inline constexpr int kOptionsSpeed = 32784;
inline constexpr int kOptionsTimeZone = 32797;
inline constexpr int kOptionsTrackLogging = 32796;
inline constexpr int kOptionsStartTime = 32866;
inline constexpr int kDayColours = 32802;
inline constexpr int kNightColours = 32803;
// Run
inline constexpr int kStart = 32782;
inline constexpr int kStop = 32783;
// Tracks
inline constexpr int kTracksClose = 32885;
inline constexpr int kTracksNew = 32884;
inline constexpr int kTracksOpen = 32881;
inline constexpr int kTracksSave = 32882;
inline constexpr int kTracksSaveAs = 32883;
inline constexpr int kTracksDescription = 32888;
inline constexpr int kTracksAddRemove = 32886;
inline constexpr int kTracksVisible = 32892;
inline constexpr int kTracksLoadJosm = 32894;
inline constexpr int kTracksLoadOsm = 32897;
inline constexpr int kTracksEdit = 32889;
inline constexpr int kTracksSaveEdited = 32890;
inline constexpr int kTracksCloseEdited = 32891;
inline constexpr int kTracksShowLocation = 32895;
inline constexpr int kTracksShowIcons = 32914;
inline constexpr int kTracksShowNodeNames = 32915;
inline constexpr int kTracksShowRoadNames = 32901;
inline constexpr int kTracksShowRoadRef = 32902;
inline constexpr int kTracksRefreshRate = 32896;
inline constexpr int kTracksLoadSrtm = 32905;
inline constexpr int kTracksUnloadSrtm = 32906;
// Trail
inline constexpr int kTrailLoad = 32917;
inline constexpr int kTrailUnload = 32920;
inline constexpr int kTrailDefaultFile = 32924;
inline constexpr int kTrailLoadDefault = 32923;
inline constexpr int kTrailCreate = 32925;
// Trekbuddy, grid lines, grid colour, print
inline constexpr int kAtlasFolder = 32932;
inline constexpr int kAtlasZoomLevel = 32933;
inline constexpr int kAtlasMakePan = 32934;
inline constexpr int kGridNone = 32936;
inline constexpr int kGrid1km = 32937;
inline constexpr int kGrid10km = 32938;
inline constexpr int kGrid100km = 32939;
inline constexpr int kGridBlack = 32941;
inline constexpr int kGridWhite = 32942;
inline constexpr int kGridBlue = 32943;
inline constexpr int kGridRed = 32944;
inline constexpr int kGridGreen = 32945;
inline constexpr int kGridYellow = 32946;
inline constexpr int kPrintAtlas = 32948;
inline constexpr int kPrintShortcutList = 32957;
// Test
inline constexpr int kDoAnOndraw = 32785;
inline constexpr int kCheckRegistry = 32786;
inline constexpr int kLoadCameraFile = 32787;
inline constexpr int kDistanceToLocation = 32789;
inline constexpr int kSendLogFile = 32794;
inline constexpr int kSpeakTestPhrase = 32850;
inline constexpr int kPassedCameraList = 32872;
inline constexpr int kReplayLog = 32873;
inline constexpr int kSnapToRoute = 32879;
// Help
inline constexpr int kAbout = 57664;
inline constexpr int kShortcutKeyList = 32836;

// Toolbar buttons that repeat menu actions.
inline constexpr int kToolStart = 32804;
inline constexpr int kToolStop = 32805;
inline constexpr int kToolZoomIn = 32806;
inline constexpr int kToolZoomOut = 32807;
inline constexpr int kToolMark = 32808;
inline constexpr int kToolDayColours = 32811;
inline constexpr int kToolNightColours = 32812;

// Reached by keys only.
inline constexpr int kNextView = 33001;
inline constexpr int kPoiDirect = 33002;
inline constexpr int kRouteDirect = 33003;
inline constexpr int kSpecsLine = 33004;
inline constexpr int kRouteModeTown = 33005;
inline constexpr int kRouteModeCountry = 33006;
inline constexpr int kRouteModeMotorway = 33007;
inline constexpr int kSayNearestWaypoint = 33008;
inline constexpr int kRouteDirectionsToggle = 33009;
inline constexpr int kRapidShutdown = 33010;
inline constexpr int kEscape = 33011;
inline constexpr int kAtlasHome = 33012;
inline constexpr int kAtlasInsert = 33013;
inline constexpr int kAtlasDelete = 33014;
inline constexpr int kAtlasPageUp = 33015;
inline constexpr int kAtlasPageDown = 33016;
inline constexpr int kAtlasEnd = 33017;

}  // namespace rovex::cmd
