#include "tools/Base64.h"

namespace tools {

bool EncodeBase64(const std::string& input, std::string& output) {
  static const char kAlphabet[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  output.clear();
  output.reserve((input.size() + 2) / 3 * 4);
  size_t i = 0;
  for (; i + 3 <= input.size(); i += 3) {
    const unsigned triple = static_cast<unsigned char>(input[i]) << 16 |
                            static_cast<unsigned char>(input[i + 1]) << 8 |
                            static_cast<unsigned char>(input[i + 2]);
    output += kAlphabet[triple >> 18 & 63];
    output += kAlphabet[triple >> 12 & 63];
    output += kAlphabet[triple >> 6 & 63];
    output += kAlphabet[triple & 63];
  }
  const size_t rest = input.size() - i;
  if (rest > 0) {
    unsigned triple = static_cast<unsigned char>(input[i]) << 16;
    if (rest == 2) triple |= static_cast<unsigned char>(input[i + 1]) << 8;
    output += kAlphabet[triple >> 18 & 63];
    output += kAlphabet[triple >> 12 & 63];
    output += rest == 2 ? kAlphabet[triple >> 6 & 63] : '=';
    output += '=';
  }
  return true;
}

}  // namespace tools
