"""The packet format on the TCP link, decoded independently of the terminal.

Header, 36 bytes, little-endian: BodyLength u32, MainType u16, SubType u16,
HeadWord2 i32, Flag i32, HeadWord4 i32, HeadWord5 i32, 12 reserved bytes.
The body is BodyLength bytes of UTF-8 JSON text."""

import struct

HEADER = struct.Struct("<IHHiiii12s")
HEADER_SIZE = HEADER.size
MAX_BODY = 8192

assert HEADER_SIZE == 36


def encode(main_type, sub_type, body=b"", flag=1):
    if isinstance(body, str):
        body = body.encode("utf-8")
    return HEADER.pack(len(body), main_type, sub_type, 1, flag, 0, 1, bytes(12)) + body


def decode_header(data):
    length, main_type, sub_type, word2, flag, word4, word5, reserved = HEADER.unpack(data)
    return {
        "body_length": length, "main_type": main_type, "sub_type": sub_type,
        "head_word2": word2, "flag": flag, "head_word4": word4, "head_word5": word5,
        "reserved": reserved.hex(),
    }


def read_exactly(sock, size):
    """The next `size` bytes, or None when the peer closed the connection first."""
    chunks = []
    while size > 0:
        chunk = sock.recv(size)
        if not chunk:
            return None
        chunks.append(chunk)
        size -= len(chunk)
    return b"".join(chunks)
