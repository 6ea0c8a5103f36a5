"""The TCP side: every terminal connection, what it sent, and the server's answers."""

import json
import socket
import socketserver
import struct
import threading
import time

from . import wire

REGISTRATION = (11, 1001)
LOGIN = (13, 3001)
JOB_DETAIL = (13, 3056)


class TerminalConnection:
    def __init__(self, number, sock, peer):
        self.number = number
        self.sock = sock
        self.peer = f"{peer[0]}:{peer[1]}"
        self.client_id = None
        self.connected_at = time.time()
        self.closed_at = None
        self.received = []
        self.errors = []
        self._send_lock = threading.Lock()
        self._state_lock = threading.Lock()

    def summary(self):
        with self._state_lock:
            return {
                "id": self.number, "peer": self.peer, "client_id": self.client_id,
                "open": self.closed_at is None, "connected_at": self.connected_at,
                "closed_at": self.closed_at, "packets": len(self.received), "errors": list(self.errors),
            }

    def record(self, entry):
        with self._state_lock:
            self.received.append(entry)

    def records(self, since=0):
        with self._state_lock:
            return self.received[since:]

    def note_error(self, text):
        with self._state_lock:
            self.errors.append(text)

    def send(self, main_type, sub_type, body, flag=1):
        self.send_raw(wire.encode(main_type, sub_type, body, flag))

    def send_raw(self, data):
        with self._send_lock:
            self.sock.sendall(data)

    def close(self, reset=False):
        if reset:
            # Linger 0: the terminal sees a reset, not an orderly end.
            self.sock.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
        try:
            self.sock.shutdown(socket.SHUT_RDWR)
        except OSError:
            pass
        self.sock.close()

    def mark_closed(self):
        with self._state_lock:
            if self.closed_at is None:
                self.closed_at = time.time()


class TerminalRegistry:
    def __init__(self, scenario, clock):
        self.scenario = scenario
        self.clock = clock
        self.web = None  # the HTTP side, set once it exists
        self._lock = threading.Lock()
        self._connections = []

    def add(self, sock, peer):
        with self._lock:
            connection = TerminalConnection(len(self._connections) + 1, sock, peer)
            self._connections.append(connection)
            return connection

    def all(self):
        with self._lock:
            return list(self._connections)

    def find(self, key):
        """By connection number, or "latest" for the newest."""
        with self._lock:
            if key == "latest":
                return self._connections[-1] if self._connections else None
            try:
                number = int(key)
            except ValueError:
                return None
            return self._connections[number - 1] if 0 < number <= len(self._connections) else None

    def answer(self, connection, entry):
        """The server's side of the request/reply pairs."""
        pair = (entry["main_type"], entry["sub_type"])
        if pair not in (REGISTRATION, LOGIN, JOB_DETAIL):
            return
        try:
            request = json.loads(entry["body"])
        except (TypeError, ValueError):
            connection.note_error(f"unreadable body for {pair}: {entry['body']!r}")
            return
        if pair == REGISTRATION:
            code = self.scenario.register(request)
            connection.send(*REGISTRATION, json.dumps({"ID": code}))
        elif pair == LOGIN:
            connection.client_id = int(request.get("ID", 0))
            reply = self.scenario.login_reply(connection.client_id, self.clock.now())
            connection.send(*LOGIN, json.dumps(reply, ensure_ascii=False))
        else:
            detail = self.scenario.job_detail(int(request.get("ID", 0)))
            if detail is not None:
                connection.send(*JOB_DETAIL, json.dumps(detail, ensure_ascii=False))


class _TerminalHandler(socketserver.BaseRequestHandler):
    def handle(self):
        registry = self.server.registry
        connection = registry.add(self.request, self.client_address)
        try:
            while True:
                header = wire.read_exactly(self.request, wire.HEADER_SIZE)
                if header is None:
                    return
                entry = wire.decode_header(header)
                entry["time"] = time.time()
                if entry["body_length"] > wire.MAX_BODY:
                    connection.note_error(f"body length {entry['body_length']} over {wire.MAX_BODY}")
                    return
                body = wire.read_exactly(self.request, entry["body_length"])
                if body is None:
                    connection.note_error("connection closed inside a body")
                    return
                try:
                    entry["body"] = body.decode("utf-8")
                except UnicodeDecodeError:
                    entry["body"] = None
                    entry["body_hex"] = body.hex()
                    connection.note_error("body is not UTF-8")
                connection.record(entry)
                registry.answer(connection, entry)
        except OSError:
            pass
        finally:
            connection.mark_closed()


class TerminalServer(socketserver.ThreadingTCPServer):
    daemon_threads = True
    allow_reuse_address = True

    def __init__(self, address, registry):
        self.registry = registry
        super().__init__(address, _TerminalHandler)
