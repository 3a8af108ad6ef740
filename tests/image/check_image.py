#!/usr/bin/python3
"""Reads Tessaro.exe with pefile and checks every declared property of the image."""
import struct
import sys
import unittest

import pefile

IMAGE = sys.argv.pop(1) if len(sys.argv) > 1 else "build/windows/Tessaro.exe"
MANIFEST = sys.argv.pop(1) if len(sys.argv) > 1 else "resources/Tessaro.manifest"

EXPECTED_IMPORTS = {
    "KERNEL32.dll": {
        # the program's own calls
        "GetModuleFileNameW", "GetPrivateProfileStringW", "VerSetConditionMask",
        "VerifyVersionInfoW", "CreateProcessW", "WaitForSingleObject", "GetExitCodeProcess",
        "CloseHandle",
        # the run-time support's
        "GetStartupInfoW", "GetCommandLineW", "GetProcessHeap", "HeapAlloc", "HeapFree",
        "ExitProcess",
    },
    "USER32.dll": {"MessageBoxW"},
    "ADVAPI32.dll": {"RegOpenKeyExW", "RegQueryValueExW", "RegCloseKey"},
    "SHLWAPI.dll": {"PathRemoveFileSpecW", "PathFileExistsW", "PathAppendW", "PathRemoveBlanksW"},
}

EXPECTED_MANIFEST = (
    b'<assembly xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0">\r\n'
    b'  <trustInfo xmlns="urn:schemas-microsoft-com:asm.v3">\r\n'
    b'    <security>\r\n'
    b'      <requestedPrivileges>\r\n'
    b'        <requestedExecutionLevel level="asInvoker" uiAccess="false">'
    b'</requestedExecutionLevel>\r\n'
    b'      </requestedPrivileges>\r\n'
    b'    </security>\r\n'
    b'  </trustInfo>\r\n'
    b'</assembly>')

STRINGS = [
    ("FileDescription", "Tessaro"),
    ("FileVersion", "1, 0, 0, 10060"),
    ("InternalName", "Tessaro"),
    ("LegalCopyright", None),  # the maker's notice, any text
    ("OriginalFilename", "Tessaro.exe"),
    ("ProductName", "Tessaro"),
    ("ProductVersion", "1, 0, 0, 10060"),
]


def read_block(data, offset):
    """One node of a version block: (key, value bytes, children, end offset)."""
    length, value_length, kind = struct.unpack_from("<HHH", data, offset)
    end = offset + length
    pos = offset + 6
    key_end = pos
    while data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[pos:key_end].decode("utf-16-le")
    pos = (key_end + 2 + 3) & ~3
    value_bytes = value_length * 2 if kind == 1 else value_length
    value = data[pos:pos + value_bytes]
    pos = (pos + value_bytes + 3) & ~3
    children = []
    while pos < end:
        child = read_block(data, pos)
        children.append(child)
        pos = (child[3] + 3) & ~3
    return key, value, children, end


class Image(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pe = pefile.PE(IMAGE)

    def test_header(self):
        fh, oh = self.pe.FILE_HEADER, self.pe.OPTIONAL_HEADER
        self.assertEqual(fh.Machine, 0x14C)  # i386
        self.assertEqual(oh.Magic, 0x10B)  # PE32
        self.assertTrue(fh.Characteristics & 0x0002)  # executable image
        self.assertTrue(fh.Characteristics & 0x0100)  # 32-bit machine
        self.assertFalse(fh.Characteristics & 0x0020)  # not large-address aware
        self.assertFalse(fh.Characteristics & 0x2000)  # not a DLL
        self.assertFalse(fh.Characteristics & 0x0001)  # relocations kept
        self.assertEqual(oh.Subsystem, 2)
        self.assertEqual((oh.MajorOperatingSystemVersion, oh.MinorOperatingSystemVersion), (5, 0))
        self.assertEqual((oh.MajorSubsystemVersion, oh.MinorSubsystemVersion), (5, 0))
        # dynamic base, NX compatible, terminal-server aware, and nothing else
        self.assertEqual(oh.DllCharacteristics, 0x0040 | 0x0100 | 0x8000)
        self.assertEqual((oh.SizeOfStackReserve, oh.SizeOfStackCommit), (0x100000, 0x1000))
        self.assertEqual((oh.SizeOfHeapReserve, oh.SizeOfHeapCommit), (0x100000, 0x1000))

    def test_relocations_kept(self):
        self.assertTrue(hasattr(self.pe, "DIRECTORY_ENTRY_BASERELOC"))
        self.assertGreater(len(self.pe.DIRECTORY_ENTRY_BASERELOC), 0)

    def test_checksum(self):
        self.assertNotEqual(self.pe.OPTIONAL_HEADER.CheckSum, 0)
        self.assertEqual(self.pe.OPTIONAL_HEADER.CheckSum, self.pe.generate_checksum())

    def test_no_exports_tls_or_delay_imports(self):
        dirs = self.pe.OPTIONAL_HEADER.DATA_DIRECTORY
        for index in (0, 9, 13):  # export, TLS, delay import
            self.assertEqual((dirs[index].VirtualAddress, dirs[index].Size), (0, 0), index)
        for name in ("DIRECTORY_ENTRY_EXPORT", "DIRECTORY_ENTRY_TLS",
                     "DIRECTORY_ENTRY_DELAY_IMPORT"):
            self.assertFalse(hasattr(self.pe, name), name)

    def test_imports(self):
        found = {}
        for entry in self.pe.DIRECTORY_ENTRY_IMPORT:
            found[entry.dll.decode()] = entry.imports
        self.assertEqual(set(found), set(EXPECTED_IMPORTS) | {"SHELL32.dll"})
        for dll, names in EXPECTED_IMPORTS.items():
            self.assertTrue(all(i.name is not None for i in found[dll]), dll)
            self.assertEqual({i.name.decode() for i in found[dll]}, names, dll)
            self.assertEqual(len(found[dll]), len(names), dll)
        shell = found["SHELL32.dll"]
        self.assertEqual([(i.import_by_ordinal, i.ordinal, i.name) for i in shell],
                         [(True, 680, None)])

    def resources(self):
        found = []
        for kind in self.pe.DIRECTORY_ENTRY_RESOURCE.entries:
            for name in kind.directory.entries:
                for lang in name.directory.entries:
                    found.append((kind.id, name.id, lang.id, lang.data.struct))
        return found

    def resource_bytes(self, kind):
        for k, _, _, data in self.resources():
            if k == kind:
                return self.pe.get_data(data.OffsetToData, data.Size)
        self.fail("no resource of type %d" % kind)

    def test_exactly_two_resources(self):
        self.assertEqual(sorted((k, n, l) for k, n, l, _ in self.resources()),
                         [(16, 1, 1041), (24, 1, 1033)])

    def test_manifest_bytes(self):
        data = self.resource_bytes(24)
        with open(MANIFEST, "rb") as source:
            self.assertEqual(data, source.read())
        self.assertEqual(data, EXPECTED_MANIFEST)
        self.assertEqual(len(data), 346)
        self.assertFalse(data.startswith(b"\xef\xbb\xbf"))
        self.assertFalse(data.startswith(b"<?xml"))
        self.assertFalse(data.endswith(b"\n"))
        self.assertNotIn(b"\n", data.replace(b"\r\n", b""))
        self.assertIn(b'<requestedExecutionLevel level="asInvoker" uiAccess="false">'
                      b'</requestedExecutionLevel>', data)

    def test_version_block(self):
        key, value, children, _ = read_block(self.resource_bytes(16), 0)
        self.assertEqual(key, "VS_VERSION_INFO")
        fixed = struct.unpack("<13I", value)
        self.assertEqual(fixed[0], 0xFEEF04BD)
        self.assertEqual(fixed[2:4], (0x00010000, 10060))  # file version 1.0.0.10060
        self.assertEqual(fixed[4:6], (0x00010000, 10060))  # product version
        self.assertEqual(fixed[6:], (0x17, 0, 4, 1, 0, 0, 0))
        self.assertEqual([c[0] for c in children], ["StringFileInfo", "VarFileInfo"])

        tables = children[0][2]
        self.assertEqual([t[0] for t in tables], ["041104b0"])
        entries = [(e[0], e[1].decode("utf-16-le").rstrip("\0")) for e in tables[0][2]]
        self.assertEqual([k for k, _ in entries], [k for k, _ in STRINGS])
        for (key, got), (_, wanted) in zip(entries, STRINGS):
            if wanted is not None:
                self.assertEqual(got, wanted, key)
        self.assertIn("Copyright", dict(entries)["LegalCopyright"])
        self.assertNotIn("CompanyName", dict(entries))

        variables = children[1][2]
        self.assertEqual([(v[0], v[1]) for v in variables],
                         [("Translation", struct.pack("<HH", 0x0411, 1200))])


if __name__ == "__main__":
    unittest.main(verbosity=2)
