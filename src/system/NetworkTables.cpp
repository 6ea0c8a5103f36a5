#include "system/NetworkTables.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <net/if_arp.h>
#include <netinet/in.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace sys {
namespace {

// /proc/net/route writes addresses as the hex of their bytes in memory order.
uint32_t RouteHexToNetworkOrder(const std::string& hex) {
  return static_cast<uint32_t>(std::stoul(hex, nullptr, 16));
}

std::string DottedText(uint32_t networkOrder) {
  in_addr address{};
  address.s_addr = networkOrder;
  char text[INET_ADDRSTRLEN] = {};
  inet_ntop(AF_INET, &address, text, sizeof(text));
  return text;
}

std::string ReadFirstLine(const std::filesystem::path& path) {
  std::ifstream file(path);
  std::string line;
  std::getline(file, line);
  return line;
}

std::vector<uint8_t> ParseHardwareAddress(const std::string& text) {
  std::vector<uint8_t> bytes;
  std::stringstream stream(text);
  for (std::string part; std::getline(stream, part, ':');) {
    if (part.empty()) return {};
    bytes.push_back(static_cast<uint8_t>(std::stoul(part, nullptr, 16)));
  }
  return bytes;
}

}  // namespace

std::vector<RouteRow> ReadRouteTable(const std::string& path) {
  struct Row {
    uint32_t destination;
    RouteRow route;
  };
  std::vector<Row> rows;
  std::ifstream file(path);
  std::string line;
  std::getline(file, line);  // column names
  while (std::getline(file, line)) {
    std::istringstream fields(line);
    std::string iface, destination, gateway, flags, refCount, use, metric, mask;
    if (!(fields >> iface >> destination >> gateway >> flags >> refCount >> use >> metric >> mask)) continue;
    try {
      const uint32_t destinationValue = RouteHexToNetworkOrder(destination);
      RouteRow route{DottedText(destinationValue), DottedText(RouteHexToNetworkOrder(mask)),
                     if_nametoindex(iface.c_str()), std::stoi(metric)};
      rows.push_back({ntohl(destinationValue), route});
    } catch (const std::exception&) {
      continue;  // a line we cannot read is not a route
    }
  }
  std::stable_sort(rows.begin(), rows.end(),
                   [](const Row& a, const Row& b) { return a.destination < b.destination; });
  std::vector<RouteRow> routes;
  for (auto& row : rows) routes.push_back(std::move(row.route));
  return routes;
}

std::vector<AddressRow> ReadAddressTable() {
  std::vector<AddressRow> rows;
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return rows;
  for (const ifaddrs* entry = list; entry; entry = entry->ifa_next) {
    if (!entry->ifa_addr || entry->ifa_addr->sa_family != AF_INET) continue;
    const auto* address = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr);
    rows.push_back({if_nametoindex(entry->ifa_name), DottedText(address->sin_addr.s_addr)});
  }
  freeifaddrs(list);
  std::stable_sort(rows.begin(), rows.end(),
                   [](const AddressRow& a, const AddressRow& b) { return a.interfaceIndex < b.interfaceIndex; });
  return rows;
}

std::vector<AdapterRow> ReadAdapterTable(const std::string& folder) {
  std::vector<AdapterRow> rows;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    AdapterRow row;
    row.interfaceIndex = if_nametoindex(name.c_str());
    int type = 0;
    try {
      type = std::stoi(ReadFirstLine(entry.path() / "type"));
      if (type != ARPHRD_LOOPBACK) row.hardwareAddress = ParseHardwareAddress(ReadFirstLine(entry.path() / "address"));
    } catch (const std::exception&) {
      continue;
    }
    row.ethernet = type == ARPHRD_ETHER;
    rows.push_back(std::move(row));
  }
  std::stable_sort(rows.begin(), rows.end(),
                   [](const AdapterRow& a, const AdapterRow& b) { return a.interfaceIndex < b.interfaceIndex; });
  return rows;
}

LocalIdentity ReadLocalIdentity() {
  return IdentityFromTables(ReadRouteTable(), ReadAddressTable(), ReadAdapterTable());
}

}  // namespace sys
