"""The server's notion of now, which tests can hold fixed or shift."""

import threading
import time


class Clock:
    def __init__(self):
        self._lock = threading.Lock()
        self._fixed = None
        self._offset = 0.0

    def now(self):
        with self._lock:
            return self._fixed if self._fixed is not None else time.time() + self._offset

    def set_fixed(self, timestamp):
        with self._lock:
            self._fixed = timestamp

    def set_offset(self, seconds):
        with self._lock:
            self._fixed = None
            self._offset = seconds
