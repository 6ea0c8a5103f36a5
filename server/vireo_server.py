#!/usr/bin/env python3
"""The reference management server for the Vireo terminal (loopback only by default).

  vireo_server.py [--host 127.0.0.1] [--tcp-port 13333] [--web-port 8080] [--admin-port 8090]
                  [--scenario scenarios/school.json] [--ports-file FILE]

Port 0 picks a free port; the ports in use are printed as one JSON line and,
with --ports-file, written to that file once the server listens."""

import argparse
import json
import os
import signal
import sys
import threading

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from reference.admin import AdminServer  # noqa: E402
from reference.clock import Clock  # noqa: E402
from reference.scenario import Scenario  # noqa: E402
from reference.terminals import TerminalRegistry, TerminalServer  # noqa: E402
from reference.web import WebServer, WebSide  # noqa: E402


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--host", default="127.0.0.1")
    parser.add_argument("--tcp-port", type=int, default=13333)
    parser.add_argument("--web-port", type=int, default=8080)
    parser.add_argument("--admin-port", type=int, default=8090)
    parser.add_argument("--scenario", default=None)
    parser.add_argument("--ports-file", default=None)
    args = parser.parse_args()

    registry = TerminalRegistry(Scenario.load(args.scenario), Clock())
    tcp = TerminalServer((args.host, args.tcp_port), registry)
    registry.web = WebSide(registry.scenario, registry.clock, lambda: tcp.server_address[1])
    web = WebServer((args.host, args.web_port), registry.web)
    admin = AdminServer((args.host, args.admin_port), registry)
    servers = (tcp, web, admin)
    for server in servers:
        threading.Thread(target=server.serve_forever, daemon=True).start()

    ports = {"tcp": tcp.server_address[1], "web": web.server_address[1], "admin": admin.server_address[1]}
    if args.ports_file:
        temp = args.ports_file + ".tmp"
        with open(temp, "w") as file:
            json.dump(ports, file)
        os.replace(temp, args.ports_file)
    print(json.dumps(ports), flush=True)

    stop = threading.Event()
    signal.signal(signal.SIGTERM, lambda *_: stop.set())
    signal.signal(signal.SIGINT, lambda *_: stop.set())
    # A test that crashes cannot stop its server: the server leaves with its parent.
    parent = os.getppid()
    while not stop.wait(1.0):
        if os.getppid() != parent:
            break
    registry.web.overrides.clear()  # lets stalled requests go
    for server in servers:
        server.shutdown()


if __name__ == "__main__":
    main()
