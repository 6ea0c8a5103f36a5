"""The admin HTTP API on loopback, through which tests and the demo drive the server."""

import base64
import json
import re
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer


class AdminError(Exception):
    def __init__(self, status, message):
        super().__init__(message)
        self.status = status


class _AdminHandler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, format, *args):  # keep test output quiet
        pass

    def do_GET(self):
        self._route("GET")

    def do_POST(self):
        self._route("POST")

    def _route(self, method):
        path, _, query = self.path.partition("?")
        params = dict(part.split("=", 1) for part in query.split("&") if "=" in part)
        try:
            for route_method, pattern, action in ROUTES:
                match = re.fullmatch(pattern, path)
                if match and route_method == method:
                    body = self._read_json() if method == "POST" else {}
                    self._reply(200, action(self.server.registry, *match.groups(), body=body, params=params))
                    return
            raise AdminError(404, f"no route {method} {path}")
        except AdminError as error:
            self._reply(error.status, {"error": str(error)})
        except (ValueError, KeyError, TypeError) as error:
            self._reply(400, {"error": f"bad request: {error}"})
        except OSError as error:
            self._reply(409, {"error": f"terminal connection: {error}"})

    def _read_json(self):
        length = int(self.headers.get("Content-Length") or 0)
        raw = self.rfile.read(length) if length else b""
        return json.loads(raw.decode("utf-8")) if raw.strip() else {}

    def _reply(self, status, payload):
        data = json.dumps(payload, ensure_ascii=False).encode("utf-8")
        self.send_response(status)
        self.send_header("Content-Type", "application/json; charset=utf-8")
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data)


def _connection(registry, key):
    connection = registry.find(key)
    if connection is None:
        raise AdminError(404, f"no terminal connection {key}")
    return connection


def list_terminals(registry, body, params):
    return [connection.summary() for connection in registry.all()]


def received(registry, key, body, params):
    return _connection(registry, key).records(int(params.get("since", 0)))


def push(registry, key, body, params):
    connection = _connection(registry, key)
    if "raw_base64" in body:
        data = base64.b64decode(body["raw_base64"])
        connection.send_raw(data)
        return {"sent_bytes": len(data)}
    payload = body.get("body", "")
    if not isinstance(payload, str):
        payload = json.dumps(payload, ensure_ascii=False)
    connection.send(int(body["main_type"]), int(body["sub_type"]), payload, int(body.get("flag", 1)))
    return {"sent_bytes": 36 + len(payload.encode("utf-8"))}


def close(registry, key, body, params):
    _connection(registry, key).close(reset=bool(body.get("reset", False)))
    return {"closed": True}


def script_registrations(registry, body, params):
    registry.scenario.script_registrations(body["results"])
    return {"scripted": len(body["results"])}


def set_clock(registry, body, params):
    if "fixed" in body:
        registry.clock.set_fixed(float(body["fixed"]))
    else:
        registry.clock.set_offset(float(body.get("offset", 0)))
    return {"now": registry.clock.now()}


def script_http(registry, body, params):
    overrides = registry.web.overrides
    if body.get("clear"):
        overrides.clear(body.get("path"))
    else:
        overrides.set(body["path"], int(body.get("status", 200)), body.get("body", ""),
                      bool(body.get("stall", False)), body.get("count"))
    return {"path": body.get("path")}


def http_requests(registry, body, params):
    return registry.web.recorded()


ROUTES = [
    ("GET", r"/admin/terminals", list_terminals),
    ("GET", r"/admin/terminals/(\w+)/received", received),
    ("POST", r"/admin/terminals/(\w+)/send", push),
    ("POST", r"/admin/terminals/(\w+)/close", close),
    ("POST", r"/admin/registrations", script_registrations),
    ("POST", r"/admin/clock", set_clock),
    ("POST", r"/admin/http", script_http),
    ("GET", r"/admin/http/requests", http_requests),
]


class AdminServer(ThreadingHTTPServer):
    daemon_threads = True

    def __init__(self, address, registry):
        self.registry = registry
        super().__init__(address, _AdminHandler)
