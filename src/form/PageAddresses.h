#pragma once
// The addresses of the pages the terminal shows, all on the broadcasting site.
// No parameter is percent-encoded: the pages read them as they stand.

#include <string>
#include <vector>

#include "core/Records.h"

namespace form {

// Base64 of the name's UTF-8 bytes.
std::string EncodedName(const std::string& localName);

std::string ContentAddress(const std::string& site, const std::vector<core::PlayItem>& items,
                           const std::vector<std::string>& musics, int imageSpeed, int textSpeed, bool muted);
std::string VideoPlayerAddress(const std::string& site, const std::string& source, bool muted);
std::string AudioPlayerAddress(const std::string& site, const std::string& webPath, const std::string& fileName,
                               bool muted);
// The site address ends in "/", so the clock's address has two slashes before "editor".
std::string ClockAddress(const std::string& site);

}  // namespace form
