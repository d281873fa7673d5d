#!/usr/bin/env python3
"""A second implementation of the note transfer, written from the wire format alone.

  notepeer.py send HOST PORT FILE --sender NAME --title TITLE
  notepeer.py receive PORT OUTFILE   (takes one note, writes its file, prints sender and title)

A note is a 140-byte header -- kind, headersize 140 and filelength as 32-bit little-endian
integers, then sender and title as NUL-padded 64-byte fields -- followed by the file's bytes.
"""
import argparse
import socket
import struct
import sys

HEADER = struct.Struct("<IiI64s64s")


def field_text(raw):
    raw = raw.split(b"\0", 1)[0]
    try:
        return raw.decode("utf-8")
    except UnicodeDecodeError:
        return raw.decode("cp1252", errors="replace")


def send(args):
    with open(args.file, "rb") as note:
        body = note.read()
    header = HEADER.pack(0, HEADER.size, len(body), args.sender.encode("utf-8")[:64], args.title.encode("utf-8")[:64])
    with socket.create_connection((args.host, args.port), timeout=30) as connection:
        connection.sendall(header + body)


def read_exactly(connection, count):
    data = bytearray()
    while len(data) < count:
        piece = connection.recv(min(65536, count - len(data)))
        if not piece:
            break
        data += piece
    return bytes(data)


def receive(args):
    with socket.create_server(("127.0.0.1", args.port)) as server:
        server.settimeout(60)
        connection, _ = server.accept()
        with connection:
            connection.settimeout(30)
            header = read_exactly(connection, HEADER.size)
            if len(header) < HEADER.size:
                sys.exit("header cut short")
            kind, size, length, sender, title = HEADER.unpack(header)
            if kind & 0xFF or size != HEADER.size or length < 0:
                sys.exit("not a note header")
            body = read_exactly(connection, length)
    with open(args.outfile, "wb") as out:
        out.write(body)
    print(f"sender={field_text(sender)}")
    print(f"title={field_text(title)}")
    print(f"bytes={len(body)}/{length}")


def main():
    parser = argparse.ArgumentParser()
    commands = parser.add_subparsers(dest="command", required=True)
    sending = commands.add_parser("send")
    sending.add_argument("host")
    sending.add_argument("port", type=int)
    sending.add_argument("file")
    sending.add_argument("--sender", default="")
    sending.add_argument("--title", default="")
    receiving = commands.add_parser("receive")
    receiving.add_argument("port", type=int)
    receiving.add_argument("outfile")
    args = parser.parse_args()
    send(args) if args.command == "send" else receive(args)


if __name__ == "__main__":
    main()
