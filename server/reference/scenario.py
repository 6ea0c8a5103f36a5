"""The school the server pretends to run: devices, settings, today's jobs and their details."""

import json
import threading
import time


class Scenario:
    def __init__(self, data):
        self._lock = threading.Lock()
        self.next_client_id = int(data.get("next_client_id", 1))
        self.settings = data.get("settings", {})
        self.switch_settings = data.get("switch_settings", [])
        self.devices = {int(device["Id"]): device for device in data.get("devices", [])}
        self.today_jobs = data.get("today_jobs", [])
        self.live = data.get("live")
        self.job_details = {int(detail["Id"]): detail for detail in data.get("job_details", [])}
        self.weather = data.get("weather", {})
        self.buildings = data.get("buildings", [])
        self._scripted_registrations = []

    @classmethod
    def load(cls, path):
        if not path:
            return cls({})
        with open(path, encoding="utf-8") as file:
            return cls(json.load(file))

    def script_registrations(self, codes):
        with self._lock:
            self._scripted_registrations.extend(int(code) for code in codes)

    def register(self, request):
        """The reply code for a registration request: a scripted code, else a new client id."""
        with self._lock:
            if self._scripted_registrations:
                return self._scripted_registrations.pop(0)
            client_id = self.next_client_id
            self.next_client_id += 1
            self.devices[client_id] = {
                "Id": client_id,
                "DeviceName": request.get("DeviceName", ""),
                "Ip": request.get("Ip", ""),
                "RoomId": _as_int(request.get("RoomId")),
                "Position": request.get("Position", ""),
                "BuildingId": _as_int(request.get("BuildingId")),
                "BuildingName": "",
                "Type": _as_int(request.get("Type")),
                "Volume": 50,
                "FloorNumber": _as_int(request.get("FloorNumber")),
                "AssetNumber": request.get("AssetNumber", ""),
            }
            return client_id

    def login_reply(self, client_id, now):
        with self._lock:
            device = self.devices.get(client_id, {"Id": -5})
            return {
                "DeviceRt": device,
                "Time": time.strftime("%Y-%m-%d %H:%M:%S", time.localtime(now)),
                "WeekendSetting": self.settings.get("WeekendSetting", 0),
                "ImageSpeed": self.settings.get("ImageSpeed", 5),
                "TextSpeed": self.settings.get("TextSpeed", 5),
                "TodayJob": self.today_jobs,
                "LiveJob": self.live,
                "SwitchSetting": self.switch_settings,
            }

    def job_detail(self, job_id):
        with self._lock:
            return self.job_details.get(job_id)


def _as_int(value):
    try:
        return int(value)
    except (TypeError, ValueError):
        return 0
