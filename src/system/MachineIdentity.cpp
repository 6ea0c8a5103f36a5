#include "system/MachineIdentity.h"

#include "tools/Format.h"

namespace sys {
namespace {

bool IsDefaultRoute(const RouteRow& row) { return row.destination == "0.0.0.0" && row.mask == "0.0.0.0"; }

template <typename Accepts>
bool ChooseMac(const std::vector<AdapterRow>& adapters, std::string& mac, Accepts accepts) {
  for (const auto& adapter : adapters) {
    if (adapter.hardwareAddress.size() == 6 && accepts(adapter)) {
      mac = FormatMac(adapter.hardwareAddress);
      return true;
    }
  }
  return false;
}

}  // namespace

int ChooseLocalIp(const std::vector<RouteRow>& routes, const std::vector<AddressRow>& addresses,
                  std::string& ip) {
  if (routes.empty()) return kNoRoutes;
  // Only a default route in the first row starts a choice; sorted by destination,
  // the default routes come first.
  if (!IsDefaultRoute(routes.front())) return kIpNotFound;
  const RouteRow* chosen = &routes.front();
  for (const auto& row : routes) {
    if (IsDefaultRoute(row) && row.metric < chosen->metric) chosen = &row;
  }
  if (chosen->interfaceIndex == 0) return kIpNotFound;
  for (const auto& row : addresses) {
    if (row.interfaceIndex == chosen->interfaceIndex) {
      ip = row.address;
      return kIpFound;
    }
  }
  return kIpNotFound;
}

bool ChooseEthernetMac(const std::vector<AdapterRow>& adapters, std::string& mac) {
  return ChooseMac(adapters, mac, [](const AdapterRow& adapter) { return adapter.ethernet; });
}

bool ChooseAnyMac(const std::vector<AdapterRow>& adapters, std::string& mac) {
  return ChooseMac(adapters, mac, [](const AdapterRow&) { return true; });
}

std::string FormatMac(const std::vector<uint8_t>& bytes) {
  return tools::FormatText("%02x-%02x-%02x-%02x-%02x-%02x", bytes.at(0), bytes.at(1), bytes.at(2), bytes.at(3),
                           bytes.at(4), bytes.at(5));
}

LocalIdentity IdentityFromTables(const std::vector<RouteRow>& routes, const std::vector<AddressRow>& addresses,
                                 const std::vector<AdapterRow>& adapters) {
  LocalIdentity identity;
  ChooseLocalIp(routes, addresses, identity.ip);
  // The NetBIOS and SNMP methods of the original platform find no adapter here.
  if (!ChooseEthernetMac(adapters, identity.mac) && !ChooseAnyMac(adapters, identity.mac))
    identity.mac = kUnknownMac;
  return identity;
}

}  // namespace sys
