#pragma once

// The platform services the running system is handed. Each is an interface;
// the Qt program, rovex-cli and the tests each fill in their own. A service a
// caller does not need may stay null. Later services (power, printer) join
// this list.

namespace rovex {

class SettingsStore;
class UserPrompt;
class Clock;
class MessagePoster;
class CanvasFactory;
class ShellOpener;
class VoiceOutput;
class Clipboard;
class SerialPorts;
class SpeechOutput;
class PowerControl;
class ImageLoader;

struct Services {
  SettingsStore* store = nullptr;
  UserPrompt* prompt = nullptr;
  Clock* clock = nullptr;
  MessagePoster* poster = nullptr;
  CanvasFactory* canvas = nullptr;
  ShellOpener* shell = nullptr;
  VoiceOutput* voice = nullptr;
  Clipboard* clipboard = nullptr;
  SerialPorts* serialPorts = nullptr;
  SpeechOutput* speech = nullptr;  // the route voice
  PowerControl* power = nullptr;   // the shutdown dialog
  ImageLoader* images = nullptr;   // atlas tile headers and pan pictures
};

}  // namespace rovex
