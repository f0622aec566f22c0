#!/usr/bin/env python3
"""Seeds for firmware_package_fuzz: python3 fuzz/firmware_seeds.py <dir>

A few valid combined packages, an install file and hostile packages, written
with the tests' package writer."""
import json
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "settings"))
from make_package import write_package  # noqa: E402

INSTALL = json.dumps({"Commands": ["burn main.bin 1", "burn usb.img 2", "reboot now"]})


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    packages = {
        "valid.kv": [{"name": "Install.json", "data": INSTALL}, {"name": "main.bin", "data": "MAIN" * 64},
                     {"name": "usb.img", "data": "USB" * 64}],
        "folders.kv": [{"name": "fw/", "data": ""}, {"name": "fw\\Install.json", "data": INSTALL},
                       {"name": "fw/main.bin", "data": "MAIN", "stored": True}, {"name": "data.bin", "data": "D"}],
        "escaping.kv": [{"name": "Install.json", "data": INSTALL}, {"name": "../x", "data": "X"}],
        "absolute.kv": [{"name": "/tmp/x", "data": "X"}],
        "symlink.kv": [{"name": "main.bin", "data": "/etc/passwd", "symlink": True}],
    }
    for name, entries in packages.items():
        write_package(os.path.join(out, name), entries)
    with open(os.path.join(out, "Install.json"), "w", encoding="utf-8") as install:
        install.write(INSTALL)


if __name__ == "__main__":
    main()
