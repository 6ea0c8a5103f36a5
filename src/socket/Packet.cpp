#include "socket/Packet.h"

#include <exception>

#include "tools/TextCodec.h"

namespace net {
namespace {

template <typename T>
void PutLittleEndian(std::string& out, T value) {
  auto bits = static_cast<std::make_unsigned_t<T>>(value);
  for (size_t i = 0; i < sizeof(T); ++i, bits >>= 8) out += static_cast<char>(bits & 0xFF);
}

template <typename T>
T GetLittleEndian(const uint8_t* in) {
  std::make_unsigned_t<T> bits = 0;
  for (size_t i = sizeof(T); i-- > 0;) bits = static_cast<decltype(bits)>(bits << 8 | in[i]);
  return static_cast<T>(bits);
}

}  // namespace

void Packet::Encode() {
  data.clear();
  data.reserve(kHeaderSize + body.size());
  PutLittleEndian(data, BodyLength);
  PutLittleEndian(data, MainType);
  PutLittleEndian(data, SubType);
  PutLittleEndian(data, HeadWord2);
  PutLittleEndian(data, Flag);
  PutLittleEndian(data, HeadWord4);
  PutLittleEndian(data, HeadWord5);
  data.append(Reserved.begin(), Reserved.end());
  data.append(body, 0, BodyLength);
}

void Packet::DecodeHeader(const uint8_t* header) {
  BodyLength = GetLittleEndian<uint32_t>(header);
  MainType = GetLittleEndian<uint16_t>(header + 4);
  SubType = GetLittleEndian<uint16_t>(header + 6);
  HeadWord2 = GetLittleEndian<int32_t>(header + 8);
  Flag = GetLittleEndian<int32_t>(header + 12);
  HeadWord4 = GetLittleEndian<int32_t>(header + 16);
  HeadWord5 = GetLittleEndian<int32_t>(header + 20);
  std::copy(header + 24, header + kHeaderSize, Reserved.begin());
}

bool Packet::BodyToLocal() {
  try {
    body = tools::Utf8ToLocal(body);
    return true;
  } catch (const std::exception&) {
    return false;  // the received bytes stand
  }
}

void WrapperPacket(Packet& packet, uint16_t mainType, uint16_t subType, int32_t flag,
                   const std::string& body) {
  packet.BodyLength = static_cast<uint32_t>(body.size());
  packet.MainType = mainType;
  packet.SubType = subType;
  packet.Flag = flag;
  packet.HeadWord2 = 1;
  packet.HeadWord4 = 0;
  packet.HeadWord5 = 1;
  packet.body = body;
}

}  // namespace net
