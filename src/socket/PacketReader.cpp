#include "socket/PacketReader.h"

#include <algorithm>
#include <utility>

namespace net {

PacketReader::PacketReader() : m_packet(std::make_shared<Packet>()) { m_header.reserve(kHeaderSize); }

size_t PacketReader::BytesWanted() const {
  return m_stage == Stage::kHeader ? kHeaderSize - m_header.size()
                                   : m_packet->BodyLength - m_packet->body.size();
}

PacketPtr PacketReader::Consume(const uint8_t* bytes, size_t size) {
  const size_t taken = std::min(size, BytesWanted());
  if (m_stage == Stage::kHeader) {
    m_header.insert(m_header.end(), bytes, bytes + taken);
    return m_header.size() == kHeaderSize ? FinishHeader() : nullptr;
  }
  m_packet->body.append(reinterpret_cast<const char*>(bytes), taken);
  return BytesWanted() == 0 ? Deliver() : nullptr;
}

uint32_t PacketReader::TakeDroppedLength() { return std::exchange(m_droppedLength, 0); }

PacketPtr PacketReader::FinishHeader() {
  m_packet->DecodeHeader(m_header.data());
  m_header.clear();
  if (m_packet->BodyLength > kMaxBodyBytes) {
    // The announced body is not skipped: the next 36 bytes are the next header.
    m_droppedLength = m_packet->BodyLength;
    m_packet = std::make_shared<Packet>();
    return nullptr;
  }
  if (m_packet->BodyLength == 0) return Deliver();
  m_packet->body.reserve(m_packet->BodyLength);
  m_stage = Stage::kBody;
  return nullptr;
}

PacketPtr PacketReader::Deliver() {
  PacketPtr done = std::exchange(m_packet, std::make_shared<Packet>());
  m_stage = Stage::kHeader;
  done->BodyToLocal();
  return done;
}

}  // namespace net
