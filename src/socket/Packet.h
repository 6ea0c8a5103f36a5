#pragma once
// One message of the server link: a 36-byte little-endian header and a JSON body.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace net {

inline constexpr size_t kHeaderSize = 36;
// The largest body a receiver accepts.
inline constexpr size_t kMaxBodyBytes = 8192;
// The largest body we send: peers stage a body with its terminating zero in 8192 bytes.
inline constexpr size_t kMaxOutgoingBodyBytes = kMaxBodyBytes - 1;

enum MainTypes : uint16_t { kRegistration = 11, kHeartbeat = 12, kBusiness = 13 };

struct Packet {
  uint32_t BodyLength = 0;
  uint16_t MainType = 0;
  uint16_t SubType = 0;
  int32_t HeadWord2 = 1;
  int32_t Flag = 0;
  int32_t HeadWord4 = 0;
  int32_t HeadWord5 = 1;
  std::array<uint8_t, 12> Reserved{};

  // UTF-8 while a packet is built for sending; local text once a received packet is delivered.
  std::string body;
  // The encoded form, filled once by Encode.
  std::string data;

  // Header bytes followed by the body bytes; replaces any earlier data.
  void Encode();
  // Reads the header fields from exactly kHeaderSize bytes.
  void DecodeHeader(const uint8_t* header);
  // Converts the received UTF-8 body to local text, leaving out broken sequences.
  bool BodyToLocal();
};

using PacketPtr = std::shared_ptr<Packet>;

// Fills an outgoing packet; Reserved stays as it is.
void WrapperPacket(Packet& packet, uint16_t mainType, uint16_t subType, int32_t flag,
                   const std::string& body);

}  // namespace net
