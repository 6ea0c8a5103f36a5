#pragma once
// Which IP and MAC address name this PC: plain choices over table rows, so the
// rules are the same whatever platform reads the tables.

#include <cstdint>
#include <string>
#include <vector>

namespace sys {

struct RouteRow {
  std::string destination;  // dotted decimal
  std::string mask;
  unsigned interfaceIndex = 0;
  int metric = 0;
};

struct AddressRow {
  unsigned interfaceIndex = 0;
  std::string address;
};

struct AdapterRow {
  unsigned interfaceIndex = 0;
  bool ethernet = false;
  std::vector<uint8_t> hardwareAddress;
};

enum LocalIpResult { kNoRoutes = -1, kIpNotFound = 0, kIpFound = 1 };

// The address of the interface carrying the default route with the lowest
// metric (the earliest on ties). Routes come sorted by destination.
int ChooseLocalIp(const std::vector<RouteRow>& routes, const std::vector<AddressRow>& addresses,
                  std::string& ip);
// The first ethernet adapter with a 6-byte address.
bool ChooseEthernetMac(const std::vector<AdapterRow>& adapters, std::string& mac);
// The first adapter of any type with a 6-byte address.
bool ChooseAnyMac(const std::vector<AdapterRow>& adapters, std::string& mac);
// "00-1a-2b-3c-4d-5e" from the first six bytes.
std::string FormatMac(const std::vector<uint8_t>& bytes);

inline constexpr const char* kUnknownMac = "unknowuser00";

struct LocalIdentity {
  std::string ip;
  std::string mac;
};

// IP first, then the MAC methods in order; "unknowuser00" when all of them fail.
LocalIdentity IdentityFromTables(const std::vector<RouteRow>& routes, const std::vector<AddressRow>& addresses,
                                 const std::vector<AdapterRow>& adapters);

}  // namespace sys
