"""The reference server's own answers, checked from a raw socket."""

import json
import os
import socket
import sys
import unittest
import urllib.error

SERVER_DIR = os.path.join(os.path.dirname(__file__), "..", "..", "server")
sys.path.insert(0, SERVER_DIR)

from reference import wire  # noqa: E402
from programs import ReferenceServer, wait_for  # noqa: E402


class ReferenceServerAnswers(unittest.TestCase):
    def setUp(self):
        self.server = ReferenceServer()
        self.addCleanup(self.server.close)
        self.ports = self.server.ports
        self.admin = self.server.admin
        self.terminal = socket.create_connection(("127.0.0.1", self.ports["tcp"]), timeout=30)
        self.addCleanup(self.terminal.close)

    def exchange(self, main_type, sub_type, body):
        self.terminal.sendall(wire.encode(main_type, sub_type, json.dumps(body)))
        header = wire.decode_header(wire.read_exactly(self.terminal, wire.HEADER_SIZE))
        reply = wire.read_exactly(self.terminal, header["body_length"])
        return header, json.loads(reply.decode("utf-8"))

    def test_registration_answers_scripted_codes_then_new_ids(self):
        self.admin("/admin/registrations", {"results": [-2]})
        request = {"AssetNumber": "", "BuildingId": "3", "DeviceName": "A1", "FloorNumber": 2,
                   "Ip": "192.0.2.7", "Position": "hall", "RoomId": "15", "Type": 22}
        header, reply = self.exchange(11, 1001, request)
        self.assertEqual((header["main_type"], header["sub_type"]), (11, 1001))
        self.assertEqual(reply, {"ID": -2})
        self.assertEqual(self.exchange(11, 1001, request)[1], {"ID": 13})
        # The new device can log in at once.
        _, login = self.exchange(13, 3001, {"ID": 13})
        self.assertEqual(login["DeviceRt"]["DeviceName"], "A1")
        self.assertEqual(login["DeviceRt"]["FloorNumber"], 2)

    def test_login_and_job_detail_come_from_the_scenario(self):
        _, login = self.exchange(13, 3001, {"ID": 7})
        self.assertEqual(login["DeviceRt"]["Volume"], 35)
        self.assertEqual([job["Id"] for job in login["TodayJob"]], [5, 6])
        self.assertIsNone(login["LiveJob"])
        self.assertEqual(self.exchange(13, 3001, {"ID": 99})[1]["DeviceRt"], {"Id": -5})
        _, detail = self.exchange(13, 3056, {"ID": 6})
        self.assertEqual(detail["TemplateCount"], 2)
        received = self.admin("/admin/terminals/1/received")
        self.assertEqual([(p["main_type"], p["sub_type"]) for p in received],
                         [(13, 3001), (13, 3001), (13, 3056)])
        self.assertEqual(self.admin("/admin/terminals")[0]["client_id"], 99)

    def test_pushes_reach_the_terminal_and_bad_requests_are_refused(self):
        wait_for(lambda: self.admin("/admin/terminals"), what="the connection")
        self.admin("/admin/terminals/latest/send", {"main_type": 13, "sub_type": 3020,
                                                    "body": {"SettingValue": 5}})
        header = wire.decode_header(wire.read_exactly(self.terminal, wire.HEADER_SIZE))
        body = wire.read_exactly(self.terminal, header["body_length"])
        self.assertEqual((header["sub_type"], header["flag"], json.loads(body)), (3020, 1, {"SettingValue": 5}))
        for path, status in (("/admin/terminals/9/send", 404), ("/admin/nothing", 404)):
            with self.assertRaises(urllib.error.HTTPError) as refused:
                self.admin(path, {"main_type": 13, "sub_type": 1})
            self.assertEqual(refused.exception.code, status)

    def test_an_oversized_header_is_noted_and_ends_the_connection(self):
        self.terminal.sendall(wire.HEADER.pack(8193, 13, 3055, 1, 1, 0, 1, bytes(12)))
        self.assertEqual(self.terminal.recv(1), b"")
        summary = wait_for(lambda: [t for t in self.admin("/admin/terminals") if not t["open"]],
                           what="the connection to close")[0]
        self.assertIn("body length 8193 over 8192", summary["errors"])


if __name__ == "__main__":
    unittest.main()
