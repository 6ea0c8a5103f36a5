#include "system/MciCommands.h"

#include <gst/gst.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <mutex>
#include <sstream>

namespace sys {
namespace {

// How long an open may take to find out whether the file plays at all.
constexpr GstClockTime kOpenTimeLimit = 10 * GST_SECOND;

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

struct Device {
  GstElement* playbin = nullptr;
  bool playing = false;  // between "play" and the end of the file
};

class MciDevices {
 public:
  static MciDevices& Instance() {
    static MciDevices devices;
    return devices;
  }

  std::string Execute(const std::string& command) {
    std::istringstream words(command);
    std::string verb;
    words >> verb;
    verb = Lower(verb);
    std::lock_guard<std::mutex> guard(m_lock);
    if (verb == "open") return Open(words);
    std::string alias, rest;
    words >> alias;
    alias = Lower(alias);
    std::getline(words, rest);
    rest = Lower(rest);
    const auto device = m_devices.find(alias);
    if (device == m_devices.end()) return std::string();
    if (verb == "status" && rest.find("mode") != std::string::npos) return Mode(device->second);
    if (verb == "play") Play(device->second);
    else if (verb == "close") Close(device);
    return std::string();
  }

 private:
  MciDevices() { gst_init(nullptr, nullptr); }

  std::string Open(std::istringstream& words) {
    std::string path, keyword, alias;
    words >> std::ws;
    if (words.peek() == '"') {
      words.get();
      std::getline(words, path, '"');
    } else {
      words >> path;
    }
    words >> keyword >> alias;
    if (Lower(keyword) != "alias" || alias.empty() || path.empty()) return std::string();
    alias = Lower(alias);
    if (m_devices.count(alias)) return std::string();

    GError* error = nullptr;
    gchar* uri = gst_filename_to_uri(path.c_str(), &error);
    if (!uri) {
      g_clear_error(&error);
      return std::string();
    }
    GstElement* playbin = gst_element_factory_make("playbin", nullptr);
    if (!playbin) {
      g_free(uri);
      return std::string();
    }
    g_object_set(playbin, "uri", uri, "video-sink", gst_element_factory_make("fakesink", nullptr), nullptr);
    g_free(uri);
    // Prerolling tells at once whether the file can be played.
    gst_element_set_state(playbin, GST_STATE_PAUSED);
    if (gst_element_get_state(playbin, nullptr, nullptr, kOpenTimeLimit) != GST_STATE_CHANGE_SUCCESS) {
      gst_element_set_state(playbin, GST_STATE_NULL);
      gst_object_unref(playbin);
      return std::string();
    }
    m_devices[alias] = Device{playbin, false};
    return std::string();
  }

  static std::string Mode(Device& device) {
    GstBus* bus = gst_element_get_bus(device.playbin);
    while (GstMessage* message =
               gst_bus_pop_filtered(bus, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR))) {
      device.playing = false;
      gst_message_unref(message);
    }
    gst_object_unref(bus);
    return device.playing ? "playing" : "stopped";
  }

  static void Play(Device& device) {
    gst_element_set_state(device.playbin, GST_STATE_PAUSED);
    gst_element_get_state(device.playbin, nullptr, nullptr, kOpenTimeLimit);
    gst_element_seek_simple(device.playbin, GST_FORMAT_TIME,
                            static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_KEY_UNIT), 0);
    // A previous end left its message on the bus: it belongs to the last play.
    GstBus* bus = gst_element_get_bus(device.playbin);
    gst_bus_set_flushing(bus, TRUE);
    gst_bus_set_flushing(bus, FALSE);
    gst_object_unref(bus);
    device.playing = gst_element_set_state(device.playbin, GST_STATE_PLAYING) != GST_STATE_CHANGE_FAILURE;
  }

  void Close(std::map<std::string, Device>::iterator device) {
    gst_element_set_state(device->second.playbin, GST_STATE_NULL);
    gst_object_unref(device->second.playbin);
    m_devices.erase(device);
  }

  std::mutex m_lock;
  std::map<std::string, Device> m_devices;
};

}  // namespace

std::string SendMciCommand(const std::string& command) {
  // Replies are cut like the original's 20-byte reply buffer.
  return MciDevices::Instance().Execute(command).substr(0, 19);
}

}  // namespace sys
