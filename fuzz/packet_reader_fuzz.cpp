// Arbitrary byte streams, cut into arbitrary read sizes, through the receive path.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "socket/PacketReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  net::PacketReader reader;
  while (input.remaining_bytes() > 0) {
    const size_t wanted = reader.BytesWanted();
    if (wanted == 0) std::abort();
    const size_t piece = input.ConsumeIntegralInRange<size_t>(1, wanted);
    const std::vector<uint8_t> bytes = input.ConsumeBytes<uint8_t>(piece);
    if (bytes.empty()) break;
    const net::PacketPtr packet = reader.Consume(bytes.data(), bytes.size());
    reader.TakeDroppedLength();
    if (packet && packet->body.size() > net::kMaxBodyBytes) std::abort();
  }
  return 0;
}
