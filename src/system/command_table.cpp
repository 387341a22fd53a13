#include "system/command_table.h"

#include <map>

#include "system/command_ids.h"

namespace rovex {

const std::vector<MenuDefinition>& MenuTable() {
  using namespace cmd;
  static const std::vector<MenuDefinition> menus = {
      {"&File",
       {
           {kFileOpen, "&Open...", "Ctrl+O", "Open an existing position and track file"},
           {kFileSave, "&Save", "Ctrl+S", "Save the current position and track"},
           {kFileSaveAs, "Save &As...", "", "Save the current position and track with a new name"},
           {kFilePrint, "&Print...", "Ctrl+P", "Print the active view"},
           {kFilePrintPreview, "Print Pre&view", "", "Display full pages"},
           {kFilePrintSetup, "P&rint Setup...", "", "Change the printer and printing options"},
           {kAppExit, "E&xit", "", "Quit the application"},
       }},
      {"&View",
       {
           {kViewToolbar, "&Toolbar", "", "Show or hide the toolbar"},
           {kViewStatusBar, "&Status Bar", "", "Show or hide the status bar"},
           {kViewRovexToolbar, "&ROVEX Toolbar", "", "Displays the ROVEX toolbar"},
           {kViewCameraMap, "&Camera Map", "F6", "Switches to camera map view."},
           {kViewPoi, "&Display POI", "N", "Switches to points of interest view."},
           {kViewRoute, "&Route", ",", "Switches to route view."},
           {kViewCompass, "&Compass", "F9", "Switches to compass view."},
           {kViewPointer, "&Pointer", ".", "Switches to pointer view."},
           {kViewTrail, "Tr&ail", "/", "Switches to trail view."},
           {kViewTrackEditor, "Track &Editor", "T", "Switches to track editor view."},
           {kViewTrekbuddy, "Trekbuddy", "", "Display Trekbuddy Atlas maps"},
       }},
      {"&Convert",
       {
           {kConvertPocketGps, "Pocket GPS camera to CSV file", "",
            "Convert a pocket gps camera csv  or ov2 format file to this programs format."},
           {kConvertGarmin, "Garmin to CSV file", "",
            "Convert a garmin camera csv  or ov2 format file to this programs format."},
           {kConvertMultiPocketGps, "Convert multi PocketGPS file(s) to CSV file", "", ""},
           {kConvertGpxRoute, "GPX Route to Route CSV file", "",
            "Converts a GPX route file to this programs route csv format."},
           {kConvertGpxTrack, "GPX Track to Route CSV file", "",
            "Converts a GPX track file to this programs route csv format."},
           {kConvertNmeaToGpx, "NMEA log to GPX track or route file", "",
            "Creates a GPX track or route file from an NMEA log for export to other applications."},
           {kConvertJosm, "JOSM GPX to map project", "",
            "Converts a JOSM GPX multi track file in to a set of file for use in track view."},
           {kConvertOsm, "OSM to GPX track file", "",
            "Converts an OSM file to a GPX format file for use as a background map in the track editor view"},
           {kConvertBigOsm, "Big OSM to GPX track file", "",
            "Allows an area of a large OSM to be converted to a GPX track file."},
           {kConvertAddNewLines, "Add new line pairs to a text file", "",
            "Adds a new line character to a file after each </trkpt> <trk> </trk> </name> <trkseg> </trkseg> />"},
           {kConvertSrtm, "SRTM HGT to GPX track file", "",
            "Converts a Topographic SRTM 3 Arc HGT (NASA height) file to a GPX track file for use as a contour "
            "file."},
           {kConvertFastOsm, "Fast OSM to GPX track file", "", ""},
           {kConvertOsmSpeedcams, "Extract Speedcams from an OSM file", "", ""},
       }},
      {"&Action",
       {
           {kLogNmea, "&Log NMEA Data", "", "Stores GPS NMEA data in a log file"},
           {kMute, "&Mute", "Q", "Turns sound off/on."},
           {kMarkLocation, "Mark &Location", "M", "Saves the current location in the file C:\\ROVEX\\MarkedSpots.txt"},
           {kManualLocation, "Manual Location", "", "Centers the map on a manually entered location."},
           {kNearPoiList, "Near &POI List", "", "Displays the list of nearby points of interest."},
           {kNearCameraList, "Near &Camera List", "", "Displays the list of nearby cameras"},
           {kRouteExcludedList, "Route Excluded List", "",
            "Displays a list of cameras that are excluded by the current route."},
           {kRoutePointsList, "Route Points List", "", "Displays a list of the points in the loaded route file."},
           {kRoutePicker, "Route Picker (R)", "R", "Quick selection of route file."},
           {kSelectPoiFiles, "&Select Poi Files", "", "Choose POI files to display nearby POI from."},
           {kSelectRouteFile, "Select &Route File", "", "Select a route file."},
       }},
      {"&Options",
       {
           {kOptionsAutoStart, "A&uto start", "",
            "Choose actions that are automatically run when the program is started."},
           {kOptionsColours, "&Colours", "", "Choose day and night display colours"},
           {kOptionsComm, "C&omm Settings", "", "Choose comms port and settings"},
           {kOptionsMapScale, "&Map scale", "", "Choose area covered by the map"},
           {kOptionsRoute, "&Route", "", "Change display options for routes."},
           {kOptionsRouteSpeech, "Route Speech Options", "", "Set timing for speaking the route points. "},
           {kWindow800x700, "Scr=800*&700", "7", "Set window size to 800 by 700 (shows nmea strings)"},
           {kWindow800x600, "Scr=800*&600", "6", "Set window size to 800 by 600 (best)"},
           {kWindow600x480, "Scr=600*&480", "4", "Sets window size to 600 * 480"},
           {kOptionsShutdown, "Shutdown", "", ""},
           {kOptionsSpecs, "Specs &average speed", "", "Choose options for average speed display when in specs zone"},
           {kOptionsSpeed, "Sp&eed", "", "Choose mph, kph or knots"},
           {kOptionsTimeZone, "Time &zone", "", "Choose your current time zone difference from GMT"},
           {kOptionsTrackLogging, "&Track Logging", "", "Choose vehicle track options"},
           {kOptionsStartTime, "Start Time", "", "Sets options that are run when ROVEX starts at specified times. "},
           {kDayColours, "Use &day colours", "", "Use the day time display colours"},
           {kNightColours, "Use &night colours", "", "Use the night time display colours"},
       }},
      {"&Run",
       {
           {kStart, "&Start", "S", "Opens the comm port and reads nmea data from your GPS"},
           {kStop, "Sto&p", "E", "Closes the comms port and stops monitoring your GPS."},
       }},
      {"&Tracks",
       {
           {kTracksClose, "&Close", "", "Closes the current track editor map file."},
           {kTracksNew, "&New", "", "Creates a new empty track editor map file."},
           {kTracksOpen, "&Open", "", "Opens a track editor map file."},
           {kTracksSave, "&Save", "", "Saves the current track editor map file."},
           {kTracksSaveAs, "Save &As", "", "Saves the current track editor map file with a new name."},
           {kTracksDescription, "&Description", "", "Enter or change the current tracks map file description."},
           {kTracksAddRemove, "Add/Remove &Track", "",
            "Adds or removes tracks (NMEA log files) in the current track map file."},
           {kTracksVisible, "&Visible Tracks", "", "Choose which tracks are visible (displayed)."},
           {kTracksLoadJosm, "Load JOSM &GPX file", "", "Load tracks from a JOSM GPX track file."},
           {kTracksLoadOsm, "&Load OSM XML file", "", "Load OSM XML file."},
           {kTracksEdit, "&Edit track", "", "Choose a track from the current track map file list to edit."},
           {kTracksSaveEdited, "Save &edited track", "", "Save any changes to the track you are currently editting."},
           {kTracksCloseEdited, "Close edited trac&k", "", "Closes the track you are currently editting."},
           {kTracksShowLocation, "S&how location", "", "Displays a cursor at the current vehicle position."},
           {kTracksShowIcons, "Show &icons", "", "Displays icons for amenity e.g. parking, pubs etc."},
           {kTracksShowNodeNames, "Show node names", "",
            "Shows the names for single location nodes, eg pubs. (only GPX files converted with Include POI "
            "option)"},
           {kTracksShowRoadNames, "Show road names", "", "Displays road names."},
           {kTracksShowRoadRef, "Show road ref", "", "Displays the road ref eg M4"},
           {kTracksRefreshRate, "&Refresh rate", "", ""},
           {kTracksLoadSrtm, "Load SRTM 3 arc-seconds file.", "",
            "Fills the background with colour showing an SRTM 3 arc file ground height."},
           {kTracksUnloadSrtm, "Unload SRTM 3 arc-seconds file", "", "Unload SRTM 3 arc-seconds file."},
       }},
      {"T&rail",
       {
           {kTrailLoad, "&Load trail", "", "Loads a Google Gpolyline GPX Route (trail) for use in Trail view. "},
           {kTrailUnload, "&Unload trail", "", "Unloads a Google Gpolyline GPX Route (trail) from memory."},
           {kTrailDefaultFile, "&Default trail file", "",
            "Set the default Google Gpolyline GPX Route (trail). The trail can be autoloaded when the program "
            "starts."},
           {kTrailLoadDefault, "L&oad default trail file", "",
            "Load the default Google Gpolyline GPX Route (trail) into memory now."},
           {kTrailCreate, "&Create new trail", "", "Opens a web page where you can create a new trail file."},
       }},
      {"Trekbuddy",
       {
           {kAtlasFolder, "Default atlas folder", "", "Select theTrekbuddy folder that contains the zoom folders. "},
           {kAtlasZoomLevel, "Atlas zoom level", "", "Choose a zoom level in the atlas"},
           {kAtlasMakePan, "Make pan files", "", "Make Pan file pan.jpg for the current zoom level"},
       }},
      {"Grid Lines",
       {
           {kGridNone, "None", "", ""},
           {kGrid1km, "1km", "", ""},
           {kGrid10km, "10km", "", ""},
           {kGrid100km, "100km", "", ""},
       }},
      {"Grid colour",
       {
           {kGridBlack, "Black", "", ""},
           {kGridWhite, "White", "", ""},
           {kGridBlue, "Blue", "", ""},
           {kGridRed, "Red", "", ""},
           {kGridGreen, "Green", "", ""},
           {kGridYellow, "Yellow", "", ""},
       }},
      {"Print",
       {
           {kPrintAtlas, "Print current zoom level", "", "Print the map that is open in Trekbuddy view"},
           {kPrintShortcutList, "Shortcut key list", "", ""},
       }},
      {"T&est",
       {
           {kDoAnOndraw, "&Do a ondraw", "", "Processes a dummy NMEA string and draws the window layout"},
           {kCheckRegistry, "&Check Registry", "",
            "Creates any missing registry entries and set all entries to defaults"},
           {kLoadCameraFile, "&Load camera file", "", "Loads a list of nearby cameras in to memory"},
           {kDistanceToLocation, "&Get distance to a location", "", "Calculate distance between two locations"},
           {kSendLogFile, "&Send log file to port", "", "Sends a set of nmea strings from a file to the comms port"},
           {kSpeakTestPhrase, "Spea&k a test phrase using the route voice", "", "Make MSAgent character speak."},
           {kPassedCameraList, "Create &passed camera list", "",
            "Create a list of passed cameras from a NMEA log file."},
           {kReplayLog, "&Replay a log file", "", "Replays a route from a NMEA log file."},
           {kSnapToRoute, "S&nap to route", "", "Snaps the map location to each point of the current route."},
       }},
      {"&Help",
       {
           {kAbout, "&About ROVEX...", "", ""},
           {kShortcutKeyList, "&Shortcut key list", "",
            "Display a list of actions that are associated with shortcut keys."},
       }},
  };
  return menus;
}

const MenuCommand* FindMenuCommand(int id) {
  for (const MenuDefinition& menu : MenuTable()) {
    for (const MenuCommand& item : menu.items) {
      if (item.id == id) return &item;
    }
  }
  return nullptr;
}

std::string CommandPrompt(int id) {
  using namespace cmd;
  // Toolbar buttons that repeat a menu action show that item's prompt.
  static const std::map<int, int> repeats = {
      {kToolStart, kStart},        {kToolStop, kStop},
      {kToolMark, kMarkLocation},  {kToolDayColours, kDayColours},
      {kToolNightColours, kNightColours},
  };
  static const std::map<int, std::string> own = {
      {kToolZoomIn, "Zooms the map in: halves the map radius"},
      {kToolZoomOut, "Zooms the map out: doubles the map radius"},
      {kAbout, "Display program information, version number and copyright"},
  };
  if (auto r = repeats.find(id); r != repeats.end()) id = r->second;
  if (auto o = own.find(id); o != own.end()) return o->second;
  const MenuCommand* item = FindMenuCommand(id);
  return item ? item->prompt : std::string();
}

std::string CommandTooltip(int id) {
  using namespace cmd;
  static const std::map<int, std::string> tips = {
      {kToolStart, "Start GPS"},         {kToolStop, "Stop GPS"},
      {kToolZoomIn, "Zoom in"},          {kToolZoomOut, "Zoom out"},
      {kToolMark, "Mark location"},      {kToolDayColours, "Day colours"},
      {kToolNightColours, "Night colours"}, {kFileOpen, "Open"},
      {kFileSave, "Save"},               {kFilePrint, "Print"},
      {kAbout, "About"},
  };
  if (auto t = tips.find(id); t != tips.end()) return t->second;
  const MenuCommand* item = FindMenuCommand(id);
  if (!item) return {};
  std::string s;
  for (char c : item->text) {
    if (c != '&') s += c;
  }
  return s;
}

}  // namespace rovex
