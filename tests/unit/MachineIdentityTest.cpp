#include "system/MachineIdentity.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "system/NetworkTables.h"

namespace {

using sys::AdapterRow;
using sys::AddressRow;
using sys::RouteRow;

const std::vector<AddressRow> kAddresses = {
    {2, "192.0.2.20"}, {3, "192.0.2.30"}, {3, "192.0.2.31"}, {4, "192.0.2.40"}};

TEST(ChooseLocalIp, TakesTheDefaultRouteWithTheLowestMetric) {
  const struct {
    const char* name;
    std::vector<RouteRow> routes;
    int result;
    std::string ip;
  } cases[] = {
      {"metric 10 beats 25", {{"0.0.0.0", "0.0.0.0", 2, 25}, {"0.0.0.0", "0.0.0.0", 4, 10}}, 1, "192.0.2.40"},
      {"ties keep the earlier", {{"0.0.0.0", "0.0.0.0", 4, 10}, {"0.0.0.0", "0.0.0.0", 2, 10}}, 1, "192.0.2.40"},
      {"first address of two", {{"0.0.0.0", "0.0.0.0", 3, 0}, {"192.0.2.0", "255.255.255.0", 3, 0}}, 1,
       "192.0.2.30"},
      {"no default route", {{"192.0.2.0", "255.255.255.0", 2, 0}}, 0, "unchanged"},
      {"default route not first", {{"10.0.0.0", "255.0.0.0", 2, 0}, {"0.0.0.0", "0.0.0.0", 3, 0}}, 0,
       "unchanged"},
      {"mask must be zero too", {{"0.0.0.0", "255.0.0.0", 2, 0}}, 0, "unchanged"},
      {"interface without address", {{"0.0.0.0", "0.0.0.0", 9, 0}}, 0, "unchanged"},
      {"no routes at all", {}, -1, "unchanged"},
  };
  for (const auto& c : cases) {
    std::string ip = "unchanged";
    EXPECT_EQ(sys::ChooseLocalIp(c.routes, kAddresses, ip), c.result) << c.name;
    EXPECT_EQ(ip, c.ip) << c.name;
  }
}

TEST(MacChoice, FormatsAndFallsBackInOrder) {
  const std::vector<uint8_t> mac = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
  EXPECT_EQ(sys::FormatMac(mac), "00-1a-2b-3c-4d-5e");

  const AdapterRow loopback{1, false, {}};
  const AdapterRow tunnel{2, false, {0x02, 0, 0, 0, 0, 0x01}};
  const AdapterRow shortAddress{3, true, {1, 2, 3, 4}};
  const AdapterRow ethernet{4, true, mac};
  const struct {
    const char* name;
    std::vector<AdapterRow> adapters;
    std::string mac;
  } cases[] = {
      {"ethernet first", {loopback, tunnel, ethernet}, "00-1a-2b-3c-4d-5e"},
      {"any 6-byte address next", {loopback, shortAddress, tunnel}, "02-00-00-00-00-01"},
      {"nothing qualifies", {loopback, shortAddress}, "unknowuser00"},
      {"no adapters", {}, "unknowuser00"},
  };
  for (const auto& c : cases) EXPECT_EQ(sys::IdentityFromTables({}, {}, c.adapters).mac, c.mac) << c.name;
}

TEST(NetworkTables, ReadsTheKernelsRouteFormat) {
  const auto path = std::filesystem::temp_directory_path() / ("vireo-route-" + std::to_string(getpid()));
  std::ofstream(path) << "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n"
                         "lo\t000200C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\t0\t0\t0\n"
                         "lo\t00000000\t010200C0\t0003\t0\t0\t25\t00000000\t0\t0\t0\n"
                         "broken line\n"
                         "lo\t00000000\t010200C0\t0003\t0\t0\t10\t00000000\t0\t0\t0\n";
  const auto routes = sys::ReadRouteTable(path.string());
  std::filesystem::remove(path);
  ASSERT_EQ(routes.size(), 3u);
  EXPECT_EQ(routes[0].destination, "0.0.0.0");
  EXPECT_EQ(routes[0].metric, 25);
  EXPECT_EQ(routes[1].metric, 10);
  EXPECT_EQ(routes[2].destination, "192.0.2.0");
  EXPECT_EQ(routes[2].mask, "255.255.255.0");
  EXPECT_EQ(routes[2].interfaceIndex, 1u);  // "lo" is interface 1 on Linux
}

TEST(NetworkTables, LoopbackHasNoHardwareAddress) {
  const auto folder = std::filesystem::temp_directory_path() / ("vireo-net-" + std::to_string(getpid()));
  for (const auto& [name, type, address] :
       {std::tuple{"lo", "772", "00:00:00:00:00:00"}, std::tuple{"eth9", "1", "00:1a:2b:3c:4d:5e"},
        std::tuple{"wg9", "65534", ""}}) {
    std::filesystem::create_directories(folder / name);
    std::ofstream(folder / name / "type") << type << "\n";
    std::ofstream(folder / name / "address") << address << "\n";
  }
  const auto adapters = sys::ReadAdapterTable(folder.string());
  std::filesystem::remove_all(folder);
  ASSERT_EQ(adapters.size(), 3u);
  int ethernet = 0;
  for (const auto& adapter : adapters) {
    if (adapter.ethernet) {
      ++ethernet;
      EXPECT_EQ(sys::FormatMac(adapter.hardwareAddress), "00-1a-2b-3c-4d-5e");
    } else {
      EXPECT_TRUE(adapter.hardwareAddress.empty());
    }
  }
  EXPECT_EQ(ethernet, 1);
}

}  // namespace
