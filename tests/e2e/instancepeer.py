#!/usr/bin/env python3
"""Hands a command line to a running tabulet over its instance socket, written from the wire
format alone, and prints the answer ("OK", or nothing when the connection was dropped).

    INSTANCE_NAME=NAME instancepeer.py ARGUMENT...
The socket is the abstract one named NAME.

    instancepeer.py --name PID      prints the name of the instance socket the process listens on
    instancepeer.py --squat NAME
listens under NAME as the program would, writes whatever a peer sends to its output and answers
"OK" to every connection, until it is killed: another user's program that took the name first."""
import os
import socket
import struct
import sys


def counted(data):
    return struct.pack(">I", len(data)) + data


def handover(arguments, folder, token):
    payload = b"TBU2" + struct.pack(">I", len(arguments))
    payload += b"".join(counted(a.encode()) for a in arguments)
    payload += counted(folder.encode()) + counted(token)
    return counted(payload)


def socket_of(pid):
    """The instance socket the process listens on: many copies may run side by side."""
    inodes = set()
    for fd in os.listdir("/proc/%d/fd" % pid):
        target = os.readlink("/proc/%d/fd/%s" % (pid, fd))
        if target.startswith("socket:["):
            inodes.add(target[len("socket:["):-1])
    with open("/proc/net/unix") as table:
        for line in table:
            fields = line.split()
            if len(fields) >= 8 and fields[6] in inodes and fields[7].startswith("@CE3D4A8A-C8D7-41ea-96DB-CC442061F14D"):
                return "\0" + fields[7][1:]
    sys.exit("process %d listens on no instance socket" % pid)


def instance_socket():
    return "\0" + os.environ["INSTANCE_NAME"]


def squat(name):
    listener = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    listener.bind("\0" + name)
    listener.listen(8)
    while True:
        peer, _ = listener.accept()
        peer.settimeout(0.5)
        received = b""
        try:
            while chunk := peer.recv(65536):
                received += chunk
        except (socket.timeout, ConnectionResetError):
            pass
        sys.stdout.buffer.write(received)
        sys.stdout.flush()
        try:
            peer.sendall(b"OK")
        except OSError:
            pass
        peer.close()


if sys.argv[1:2] == ["--name"]:
    print(socket_of(int(sys.argv[2]))[1:])
    sys.exit()
if sys.argv[1:2] == ["--squat"]:
    squat(sys.argv[2])

connection = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
connection.connect(instance_socket())
connection.settimeout(10)
answer = b""
try:
    connection.sendall(handover(sys.argv[1:], "/", b""))
    while len(answer) < 2:
        chunk = connection.recv(2 - len(answer))
        if not chunk:
            break
        answer += chunk
except (BrokenPipeError, ConnectionResetError, socket.timeout):
    pass
print(answer.decode("latin-1"))
