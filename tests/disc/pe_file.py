"""Just enough of the PE file format to check what the disc's menu.exe is:
its machine, its subsystem and the named resources it holds."""

import struct

MACHINE_I386 = 0x14C
SUBSYSTEM_WINDOWS_GUI = 2
RT_ICON_GROUP = 14
RT_RCDATA = 10


class PeFile:
    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("not an MZ executable")
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("no PE signature")
        self.machine, sections, _, _, _, optional_size, _ = struct.unpack_from("<HHIIIHH", data, pe + 4)
        optional = pe + 24
        self.magic = struct.unpack_from("<H", data, optional)[0]  # 0x10B: PE32, 0x20B: PE32+
        self.subsystem_version = struct.unpack_from("<HH", data, optional + 48)
        self.subsystem = struct.unpack_from("<H", data, optional + 68)[0]
        directories = optional + (96 if self.magic == 0x10B else 112)
        self.resource_rva = struct.unpack_from("<I", data, directories + 2 * 8)[0]
        self.sections = []
        for i in range(sections):
            at = optional + optional_size + 40 * i
            name = data[at:at + 8].rstrip(b"\0").decode()
            size, rva, raw_size, raw = struct.unpack_from("<IIII", data, at + 8)
            self.sections.append((name, rva, max(size, raw_size), raw))

    def offset(self, rva):
        for _, start, size, raw in self.sections:
            if start <= rva < start + size:
                return raw + rva - start
        raise ValueError(f"RVA {rva:#x} lies in no section")

    def resources(self):
        """{type: [names]} of the resource directory's first two levels."""
        if not self.resource_rva:
            return {}
        base = self.offset(self.resource_rva)

        def entries(directory):
            named, ids = struct.unpack_from("<HH", self.data, base + directory + 12)
            for i in range(named + ids):
                key, target = struct.unpack_from("<II", self.data, base + directory + 16 + 8 * i)
                if key & 0x80000000:
                    at = base + (key & 0x7FFFFFFF)
                    length = struct.unpack_from("<H", self.data, at)[0]
                    key = self.data[at + 2:at + 2 + 2 * length].decode("utf-16-le")
                yield key, target

        found = {}
        for kind, target in entries(0):
            found[kind] = [name for name, _ in entries(target & 0x7FFFFFFF)] if target & 0x80000000 else []
        return found
