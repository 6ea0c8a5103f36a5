#include "socket/Packet.h"

#include <gtest/gtest.h>

#include "socket/PacketReader.h"

namespace {

using net::Packet;
using net::PacketPtr;
using net::PacketReader;

std::string Encoded(uint16_t mainType, uint16_t subType, const std::string& body) {
  Packet packet;
  net::WrapperPacket(packet, mainType, subType, 1, body);
  packet.Encode();
  return packet.data;
}

// A header as a peer may write it, with any values in the fields we never read.
std::string RawHeader(uint32_t length, uint16_t mainType, uint16_t subType) {
  std::string header(36, '\x5a');
  for (int i = 0; i < 4; ++i) header[i] = static_cast<char>(length >> (8 * i));
  header[4] = static_cast<char>(mainType), header[5] = static_cast<char>(mainType >> 8);
  header[6] = static_cast<char>(subType), header[7] = static_cast<char>(subType >> 8);
  return header;
}

std::vector<PacketPtr> FeedInPieces(PacketReader& reader, const std::string& stream, size_t piece) {
  std::vector<PacketPtr> packets;
  const auto* bytes = reinterpret_cast<const uint8_t*>(stream.data());
  for (size_t at = 0; at < stream.size();) {
    const size_t size = std::min({piece, reader.BytesWanted(), stream.size() - at});
    if (auto packet = reader.Consume(bytes + at, size)) packets.push_back(packet);
    at += size;
  }
  return packets;
}

TEST(Packet, HeartbeatIsExactlyTheDesignedBytes) {
  const std::string expected(
      "\x00\x00\x00\x00"  // BodyLength
      "\x0c\x00"          // MainType 12
      "\xd1\x07"          // SubType 2001
      "\x01\x00\x00\x00"  // HeadWord2
      "\x01\x00\x00\x00"  // Flag
      "\x00\x00\x00\x00"  // HeadWord4
      "\x01\x00\x00\x00"  // HeadWord5
      "\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00",
      36);
  EXPECT_EQ(Encoded(12, 2001, ""), expected);
}

TEST(Packet, BodyLengthCountsBytesInLittleEndian) {
  const std::string body = "{\"DeviceName\":\"一号楼\"}";  // 9 of its characters take 3 bytes
  const std::string data = Encoded(0x1234, 0xABCD, body);
  ASSERT_EQ(data.size(), 36 + body.size());
  EXPECT_EQ(static_cast<uint8_t>(data[0]), body.size());
  EXPECT_EQ(data.substr(1, 3), std::string(3, '\0'));
  EXPECT_EQ(data.substr(4, 4), "\x34\x12\xcd\xab");
  EXPECT_EQ(data.substr(36), body);
}

TEST(PacketReader, DeliversTheSameWhateverThePieceSize) {
  const std::string stream = Encoded(13, 3001, "{\"ID\":12}") + Encoded(12, 2001, "") +
                             Encoded(13, 3006, "{\"DeviceName\":\"二楼走廊\"}");
  for (const size_t piece : {1u, 2u, 7u, 35u, 36u, 37u, 4096u}) {
    PacketReader reader;
    const auto packets = FeedInPieces(reader, stream, piece);
    ASSERT_EQ(packets.size(), 3u) << piece;
    EXPECT_EQ(packets[0]->SubType, 3001);
    EXPECT_EQ(packets[0]->body, "{\"ID\":12}");
    EXPECT_EQ(packets[1]->MainType, 12);
    EXPECT_EQ(packets[1]->body, "");
    EXPECT_EQ(packets[2]->body, "{\"DeviceName\":\"二楼走廊\"}");
    EXPECT_EQ(reader.CurrentStage(), PacketReader::Stage::kHeader);
  }
}

TEST(PacketReader, AnEmptyBodyIsDeliveredWithTheHeader) {
  PacketReader reader;
  const std::string header = RawHeader(0, 13, 3007);
  const PacketPtr packet = reader.Consume(reinterpret_cast<const uint8_t*>(header.data()), 36);
  ASSERT_TRUE(packet);
  EXPECT_EQ(packet->SubType, 3007);
  EXPECT_EQ(reader.BytesWanted(), 36u);
}

TEST(PacketReader, Reads8192ByteBodiesAndDropsLongerHeaders) {
  const std::string largest(8192, 'a');
  const std::string stream = RawHeader(8192, 13, 3005) + largest +  // read whole
                             RawHeader(8193, 13, 3005) +            // dropped, body not skipped
                             RawHeader(2, 13, 3020) + "{}";
  PacketReader reader;
  std::vector<PacketPtr> packets;
  const auto* bytes = reinterpret_cast<const uint8_t*>(stream.data());
  uint32_t dropped = 0;
  for (size_t at = 0; at < stream.size();) {
    const size_t size = reader.BytesWanted();
    if (auto packet = reader.Consume(bytes + at, size)) packets.push_back(packet);
    if (const uint32_t length = reader.TakeDroppedLength()) dropped = length;
    at += size;
  }
  ASSERT_EQ(packets.size(), 2u);
  EXPECT_EQ(packets[0]->body, largest);
  EXPECT_EQ(packets[1]->SubType, 3020);
  EXPECT_EQ(packets[1]->body, "{}");
  EXPECT_EQ(dropped, 8193u);
}

TEST(PacketReader, BrokenUtf8IsLeftOutOfTheBody) {
  const std::string body = "{\"Name\":\"早\xff间\xe6\x96\"}";
  PacketReader reader;
  const auto packets = FeedInPieces(reader, RawHeader(static_cast<uint32_t>(body.size()), 13, 3004) + body, 5);
  ASSERT_EQ(packets.size(), 1u);
  EXPECT_EQ(packets[0]->body, "{\"Name\":\"早间\"}");
}

}  // namespace
