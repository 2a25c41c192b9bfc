"""Reads a Windows executable, PE32 or PE32+: its headers, sections, data directories, imports
and resources. Used by check_pe.py."""

import struct

PE32_MAGIC = 0x10B
PE32_PLUS_MAGIC = 0x20B
SUBSYSTEM_WINDOWS_GUI = 2
DLL_HIGH_ENTROPY_VA = 0x0020
DLL_DYNAMIC_BASE = 0x0040
DLL_NX_COMPAT = 0x0100
DLL_TERMINAL_SERVER_AWARE = 0x8000
FILE_RELOCS_STRIPPED = 0x0001
SCN_MEM_EXECUTE = 0x20000000
SCN_MEM_WRITE = 0x80000000
DIR_IMPORT = 1
DIR_RESOURCE = 2
DIR_BASERELOC = 5
DIR_DELAY_IMPORT = 13
RT_MANIFEST = 24


class PeError(Exception):
    """The file is not a PE image this checker can read."""


class Section:
    def __init__(self, name, virtual_size, rva, raw_size, raw_offset, characteristics):
        self.name = name
        self.virtual_size = virtual_size
        self.rva = rva
        self.raw_size = raw_size
        self.raw_offset = raw_offset
        self.characteristics = characteristics


class PeImage:
    """The headers, sections and data directories of one PE file, read from its bytes."""

    def __init__(self, data):
        self.data = data
        if len(data) < 0x40 or data[:2] != b"MZ":
            raise PeError("no MZ header")
        (pe_offset,) = self._unpack("<I", 0x3C)
        if data[pe_offset:pe_offset + 4] != b"PE\0\0":
            raise PeError("no PE signature at 0x%x" % pe_offset)
        coff = pe_offset + 4
        (self.machine, section_count, _, _, _, optional_size,
         self.file_characteristics) = self._unpack("<HHIIIHH", coff)
        optional = coff + 20
        (self.magic,) = self._unpack("<H", optional)
        if self.magic == PE32_MAGIC:
            (self.image_base,) = self._unpack("<I", optional + 28)
            directories_at, self.thunk_size = optional + 92, 4
        elif self.magic == PE32_PLUS_MAGIC:
            (self.image_base,) = self._unpack("<Q", optional + 24)
            directories_at, self.thunk_size = optional + 108, 8
        else:
            raise PeError("unknown optional header magic 0x%x" % self.magic)
        # From here on both formats lay their fields out alike.
        os_major, os_minor, _, _, sub_major, sub_minor = self._unpack("<6H", optional + 40)
        self.os_version, self.subsystem_version = (os_major, os_minor), (sub_major, sub_minor)
        self.subsystem, self.dll_characteristics = self._unpack("<HH", optional + 68)
        (directory_count,) = self._unpack("<I", directories_at)
        self.directories = [
            self._unpack("<II", directories_at + 4 + 8 * i) for i in range(min(directory_count, 16))
        ]
        self.sections = []
        table = optional + optional_size
        for i in range(section_count):
            at = table + 40 * i
            raw_name, virtual_size, rva, raw_size, raw_offset = struct.unpack_from(
                "<8sIIII", data, at)
            (characteristics,) = self._unpack("<I", at + 36)
            name = raw_name.rstrip(b"\0").decode("latin-1")
            self.sections.append(
                Section(name, virtual_size, rva, raw_size, raw_offset, characteristics))

    def _unpack(self, fmt, offset):
        try:
            return struct.unpack_from(fmt, self.data, offset)
        except struct.error:
            raise PeError("truncated at 0x%x" % offset) from None

    def directory(self, index):
        return self.directories[index] if index < len(self.directories) else (0, 0)

    def offset_of(self, rva):
        for s in self.sections:
            if s.rva <= rva < s.rva + max(s.virtual_size, s.raw_size):
                if rva - s.rva >= s.raw_size:
                    break
                return s.raw_offset + rva - s.rva
        raise PeError("RVA 0x%x lies in no section's file data" % rva)

    def u32(self, rva):
        return self._unpack("<I", self.offset_of(rva))[0]

    def c_string(self, rva):
        start = self.offset_of(rva)
        end = self.data.index(b"\0", start)
        return self.data[start:end].decode("latin-1")

    def thunks(self, rva, image_base=0):
        """The entries of an import lookup table: a name, or an int for an import by ordinal."""
        found = []
        ordinal_flag = 1 << (8 * self.thunk_size - 1)
        while True:
            (value,) = self._unpack("<Q" if self.thunk_size == 8 else "<I", self.offset_of(rva))
            if not value:
                return found
            if value & ordinal_flag:
                found.append(value & 0xFFFF)
            else:
                found.append(self.c_string(((value - image_base) & 0x7FFFFFFF) + 2))  # past hint
            rva += self.thunk_size

    def imports(self):
        """[(dll, [function name or ordinal, ...])] of the import and delay-import tables."""
        found = []
        rva, size = self.directory(DIR_IMPORT)
        while rva and size:
            lookup, _, _, name, address = struct.unpack_from("<5I", self.data, self.offset_of(rva))
            if not any((lookup, name, address)):
                break
            found.append((self.c_string(name), self.thunks(lookup or address)))
            rva += 20
        rva, size = self.directory(DIR_DELAY_IMPORT)
        while rva and size:
            descriptor = struct.unpack_from("<8I", self.data, self.offset_of(rva))
            if not any(descriptor):
                break
            # Attribute bit 0 clear: the old layout, whose addresses are VAs rather than RVAs.
            base = 0 if descriptor[0] & 1 else self.image_base
            found.append((self.c_string(descriptor[1] - base),
                          self.thunks(descriptor[4] - base, base)))
            rva += 32
        return found

    def resources(self, type_id):
        """The data of every resource of numeric type `type_id`, all names and languages."""
        root, size = self.directory(DIR_RESOURCE)
        if not root or not size:
            return []

        def entries(directory_rva):
            named, numbered = struct.unpack_from("<HH", self.data, self.offset_of(directory_rva + 12))
            for i in range(named + numbered):
                name, target = struct.unpack_from(
                    "<II", self.data, self.offset_of(directory_rva + 16 + 8 * i))
                yield name, target

        found = []

        def collect(target):
            if target & 0x80000000:
                for _, child in entries(root + (target & 0x7FFFFFFF)):
                    collect(child)
            else:
                data_rva, data_size = struct.unpack_from("<II", self.data,
                                                         self.offset_of(root + target))
                start = self.offset_of(data_rva)
                found.append(self.data[start:start + data_size])

        for name, target in entries(root):
            if not name & 0x80000000 and name == type_id:
                collect(target)
        return found
