#pragma once
// Linux readers of the routing, address and adapter tables.

#include <string>
#include <vector>

#include "system/MachineIdentity.h"

namespace sys {

// /proc/net/route, sorted by destination as the original platform sorts it.
std::vector<RouteRow> ReadRouteTable(const std::string& path = "/proc/net/route");
// IPv4 addresses of every interface, in interface-index order.
std::vector<AddressRow> ReadAddressTable();
// /sys/class/net/<if>/type and address, in interface-index order. A loopback
// interface has no hardware address.
std::vector<AdapterRow> ReadAdapterTable(const std::string& folder = "/sys/class/net");

LocalIdentity ReadLocalIdentity();

}  // namespace sys
