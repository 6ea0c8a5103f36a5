#include "form/PageAddresses.h"

#include "tools/Base64.h"
#include "tools/Format.h"
#include "tools/TextCodec.h"

namespace form {
namespace {

template <typename Item, typename Field>
std::string Joined(const std::vector<Item>& items, Field field) {
  std::string joined;
  for (size_t i = 0; i < items.size(); ++i) joined += (i ? "|" : "") + field(items[i]);
  return joined;
}

}  // namespace

std::string EncodedName(const std::string& localName) {
  std::string encoded;
  tools::EncodeBase64(tools::LocalToUtf8(localName), encoded);
  return encoded;
}

std::string ContentAddress(const std::string& site, const std::vector<core::PlayItem>& items,
                           const std::vector<std::string>& musics, int imageSpeed, int textSpeed, bool muted) {
  const std::string files = Joined(items, [](const core::PlayItem& item) { return item.path; });
  const std::string names = Joined(items, [](const core::PlayItem& item) { return EncodedName(item.name); });
  const std::string bgsound = Joined(musics, [](const std::string& music) { return music; });
  return tools::FormatText("%sWebResource/content.html?base=%s&bgsound=%s&files=%s&names=%s&switch=%d&text=%d&vol=%d",
                           site.c_str(), site.c_str(), bgsound.c_str(), files.c_str(), names.c_str(), imageSpeed,
                           textSpeed, muted ? 0 : 1);
}

std::string VideoPlayerAddress(const std::string& site, const std::string& source, bool muted) {
  return tools::FormatText("%sWebResource/video_player.html?source=%s&type=rtmp/mp4&vol=%d", site.c_str(),
                           source.c_str(), muted ? 0 : 1);
}

std::string AudioPlayerAddress(const std::string& site, const std::string& webPath, const std::string& fileName,
                               bool muted) {
  const std::string audio = site + webPath;
  return tools::FormatText("%sWebResource/audio_player.html?audio=%s&name=%s&auto=1&vol=%d", site.c_str(),
                           audio.c_str(), EncodedName(fileName).c_str(), muted ? 0 : 1);
}

std::string ClockAddress(const std::string& site) { return site + "/editor/clock.html"; }

}  // namespace form
