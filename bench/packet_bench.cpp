// Encoding and decoding throughput of the packet format.

#include <benchmark/benchmark.h>

#include "socket/Packet.h"
#include "socket/PacketReader.h"

namespace {

std::string Body(size_t size) { return std::string(size, 'j'); }

void BM_EncodePacket(benchmark::State& state) {
  const std::string body = Body(static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    net::Packet packet;
    net::WrapperPacket(packet, 13, 3055, 1, body);
    packet.Encode();
    benchmark::DoNotOptimize(packet.data.data());
  }
  state.SetItemsProcessed(state.iterations());
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(net::kHeaderSize + body.size()));
}
BENCHMARK(BM_EncodePacket)->Arg(0)->Arg(256)->Arg(8191);

void BM_DecodePacket(benchmark::State& state) {
  net::Packet packet;
  net::WrapperPacket(packet, 13, 3005, 1, Body(static_cast<size_t>(state.range(0))));
  packet.Encode();
  const auto* bytes = reinterpret_cast<const uint8_t*>(packet.data.data());
  net::PacketReader reader;
  for (auto _ : state) {
    reader.Consume(bytes, net::kHeaderSize);
    if (packet.BodyLength > 0) benchmark::DoNotOptimize(reader.Consume(bytes + net::kHeaderSize, packet.BodyLength));
  }
  state.SetItemsProcessed(state.iterations());
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(packet.data.size()));
}
BENCHMARK(BM_DecodePacket)->Arg(0)->Arg(256)->Arg(8192);

}  // namespace

BENCHMARK_MAIN();
