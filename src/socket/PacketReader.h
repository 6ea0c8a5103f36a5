#pragma once
// The receive side of the packet format as a state machine: header, then body.
// It takes bytes in pieces of any size, so the socket reader and the fuzzer
// share one path.

#include <cstdint>
#include <vector>

#include "socket/Packet.h"

namespace net {

class PacketReader {
 public:
  enum class Stage { kHeader, kBody };

  PacketReader();

  Stage CurrentStage() const { return m_stage; }
  // Bytes still missing from the current stage; never 0.
  size_t BytesWanted() const;

  // Takes at most BytesWanted() bytes (the rest is not looked at). Returns the
  // packet when these bytes complete one, its body already in local text.
  PacketPtr Consume(const uint8_t* bytes, size_t size);

  // The body length of the last header dropped for being over kMaxBodyBytes, or 0.
  uint32_t TakeDroppedLength();

 private:
  PacketPtr FinishHeader();
  PacketPtr Deliver();

  Stage m_stage = Stage::kHeader;
  PacketPtr m_packet;
  std::vector<uint8_t> m_header;
  uint32_t m_droppedLength = 0;
};

}  // namespace net
