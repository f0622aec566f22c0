#!/usr/bin/env python3
"""Writes a firmware package for the tests with Python's own zip writer.

    make_package.py OUT DESCRIPTION

DESCRIPTION is JSON: {"mark": "KV", "entries": [{"name": ..., "data": ...,
"symlink": false, "stored": false}, ...]}. The entry names go into the archive as they stand
("../x", "/abs", "dir\\a.bin" included); a symlink entry carries the unix
link type in its external attributes and its data as the link target; a
stored entry is not compressed, so its bytes can be found in the file. The
mark is written over the first two bytes ("PK" keeps a plain zip).
"""
import json
import sys
import zipfile


def write_package(out, entries, mark="KV"):
    with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as archive:
        for entry in entries:
            info = zipfile.ZipInfo(entry["name"], date_time=(2024, 1, 1, 0, 0, 0))
            info.create_system = 3
            mode = 0o120777 if entry.get("symlink") else 0o100644
            info.external_attr = mode << 16
            info.compress_type = zipfile.ZIP_STORED if entry.get("stored") else zipfile.ZIP_DEFLATED
            archive.writestr(info, entry.get("data", "").encode("utf-8"))
    with open(out, "r+b") as package:
        package.write(mark.encode("latin-1")[:2])


def main():
    description = json.loads(sys.argv[2])
    write_package(sys.argv[1], description["entries"], description.get("mark", "KV"))


if __name__ == "__main__":
    main()
