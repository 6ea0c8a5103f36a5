#include "tools/TextCodec.h"

#include <boost/locale/encoding.hpp>

namespace tools {

namespace conv = boost::locale::conv;

std::string Utf8ToLocal(const std::string& utf8) {
  return conv::between(utf8, kLocalCharset, "UTF-8", conv::skip);
}

std::string LocalToUtf8(const std::string& local) {
  return conv::between(local, "UTF-8", kLocalCharset, conv::skip);
}

bool ToWideText(const std::string& local, std::wstring& wide) {
  wide = conv::to_utf<wchar_t>(local, kLocalCharset, conv::skip);
  return true;
}

bool ToLocalText(const std::wstring& wide, std::string& local) {
  local = conv::from_utf<wchar_t>(wide, kLocalCharset, conv::skip);
  return true;
}

bool ToLocalText(const wchar_t* wide, std::string& local) {
  if (wide == nullptr) {
    local.clear();
    return false;
  }
  return ToLocalText(std::wstring(wide), local);
}

}  // namespace tools
