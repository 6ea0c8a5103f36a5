"""The HTTP side: the discovery web service and the management API, with
scripted answers and stalls for failure tests."""

import json
import mimetypes
import os
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import parse_qs, urlsplit
from xml.sax.saxutils import escape

DISCOVERY = "/Base/WS/Service_Basic.asmx/WS_G_GetSubSystemServerInfo"
PAGES = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "pages")
BROADCAST_SUBSYSTEM = "M20"


class Overrides:
    """Scripted answers by path: a status and body, or a stall, for `count` requests (None: all)."""

    def __init__(self):
        self._lock = threading.Lock()
        self._by_path = {}
        self.released = threading.Event()

    def set(self, path, status=200, body="", stall=False, count=None):
        with self._lock:
            self._by_path[path] = {"status": status, "body": body, "stall": stall, "count": count}
            self.released.clear()

    def clear(self, path=None):
        with self._lock:
            if path is None:
                self._by_path.clear()
            else:
                self._by_path.pop(path, None)
            if not any(o["stall"] for o in self._by_path.values()):
                self.released.set()

    def take(self, path):
        with self._lock:
            override = self._by_path.get(path)
            if override is None:
                return None
            if override["count"] is not None:
                override["count"] -= 1
                if override["count"] <= 0:
                    del self._by_path[path]
            return dict(override)


class WebSide:
    def __init__(self, scenario, clock, tcp_port_of):
        self.scenario = scenario
        self.clock = clock
        self.tcp_port_of = tcp_port_of
        self.overrides = Overrides()
        self._lock = threading.Lock()
        self.requests = []
        self.site_address = ""

    def record(self, entry):
        with self._lock:
            self.requests.append(entry)

    def recorded(self):
        with self._lock:
            return list(self.requests)

    def answer(self, path, query):
        """Status, content type and body for one GET."""
        page = self._page(path)
        if page:
            return page
        if path == DISCOVERY:
            return 200, "text/xml; charset=utf-8", self._discovery(query.get("sysID", [""])[0])
        api = {
            "/api/manage/socketServer": lambda: {"Ip": "127.0.0.1", "Port": self.tcp_port_of()},
            "/api/manage/getservertime": lambda: time.strftime(
                "%Y-%m-%d %H:%M:%S", time.localtime(self.clock.now())),
            "/api/manage/GetWeather": lambda: self.scenario.weather,
            "/api/manage/v2/buildingFloorRoomSimple": lambda: self.scenario.buildings,
        }.get(path)
        if api is None:
            return 404, "text/plain; charset=utf-8", "not found"
        body = json.dumps({"error": 0, "msg": "", "data": api()}, ensure_ascii=False)
        return 200, "application/json; charset=utf-8", body

    @staticmethod
    def _page(path):
        """The terminal's pages; the clock's address has a doubled slash."""
        relative = os.path.normpath(path.lstrip("/"))
        if not (relative.startswith("WebResource" + os.sep) or relative.startswith("editor" + os.sep)):
            return None
        full = os.path.join(PAGES, relative)
        if not os.path.isfile(full):
            return None
        content_type = (mimetypes.guess_type(full)[0] or "application/octet-stream") + "; charset=utf-8"
        with open(full, encoding="utf-8") as page:
            return 200, content_type, page.read()

    def _discovery(self, system_id):
        address = self.site_address if system_id == BROADCAST_SUBSYSTEM else ""
        # The terminal reads the text of the root's fourth child element.
        return ('<?xml version="1.0" encoding="utf-8"?>\n'
                '<SubSystemServerInfo xmlns="http://tempuri.org/">\n'
                f"  <SysID>{escape(system_id)}</SysID>\n"
                "  <SysName>广播系统</SysName>\n"
                "  <Status>1</Status>\n"
                f"  <WebAddress>{escape(address)}</WebAddress>\n"
                "</SubSystemServerInfo>\n")


class _WebHandler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, format, *args):
        pass

    def do_GET(self):
        side = self.server.side
        # The terminal sends the whole URL as the target (absolute form).
        parts = urlsplit(self.path)
        side.record({"time": time.time(), "request_line": self.requestline, "target": self.path,
                     "path": parts.path, "headers": list(self.headers.items())})
        override = side.overrides.take(parts.path)
        if override and override["stall"]:
            side.overrides.released.wait(timeout=300)
            return
        if override:
            status, content_type, body = override["status"], "text/plain; charset=utf-8", override["body"]
        else:
            status, content_type, body = side.answer(parts.path, parse_qs(parts.query))
        data = body.encode("utf-8")
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data)


class WebServer(ThreadingHTTPServer):
    daemon_threads = True

    def __init__(self, address, side):
        self.side = side
        super().__init__(address, _WebHandler)
        side.site_address = f"http://{address[0]}:{self.server_address[1]}/"
