#!/usr/bin/env python3
"""Checks a shipped exe: that it loads on Windows 95 and NT 4, imports
nothing a Windows 95 system lacks and fits its size budget; launcher.exe also
carries the progress dialog and the icon byte for byte as the launcher
expects them, and repair.exe no resources at all.

Usage: check_exe.py PATH/TO/launcher.exe | PATH/TO/repair.exe
Prints one line per fault and exits 1 when there is any.
"""
import os
import struct
import sys

try:
    import pefile
except ImportError:
    sys.exit('check_exe: the pefile module is missing (Debian package python3-pefile)')

SIZE_BUDGETS = {'launcher.exe': 8192, 'repair.exe': 12288}

# What each DLL's Windows 95 release exports, for the functions the launcher
# calls (Win32 API reference, "Minimum supported client: Windows 95").
# MoveFileExA is exported by Windows 95 but fails there; the launcher then
# falls back to WinInit.Ini.
WINDOWS95_EXPORTS = {
    'KERNEL32.dll': {
        'CloseHandle', 'CreateDirectoryA', 'CreateFileA', 'CreateFileMappingA', 'DeleteFileA',
        'ExitProcess', 'FindClose', 'FindFirstFileA', 'GetCurrentDirectoryA',
        'GetDiskFreeSpaceA', 'GetFileSize', 'GetModuleFileNameA',
        'GetModuleHandleA', 'GetShortPathNameA', 'GetTempPathA', 'GetWindowsDirectoryA',
        'LocalAlloc', 'LocalFree', 'MapViewOfFile', 'MoveFileExA', 'ReadFile',
        'RemoveDirectoryA', 'SetCurrentDirectoryA', 'SetEndOfFile', 'SetEnvironmentVariableA',
        'SetErrorMode', 'SetFilePointer',
        'UnmapViewOfFile', 'WinExec', 'WriteFile', 'lstrcatA',
    },
    'USER32.dll': {
        'DialogBoxParamA', 'EndDialog', 'GetDlgItem', 'MessageBoxA', 'PostMessageA',
        'SetDlgItemTextA', 'wsprintfA',
    },
}

RT_ICON = 3
RT_DIALOG = 5
RT_GROUP_ICON = 14

# (style, x, y, cx, cy, id, class atom, text) of the dialog's controls, in order.
DIALOG_ITEMS = [
    (0x40010001, 136, 0, 50, 14, 1, 0x0080, 'OK'),
    (0x40010000, 136, 24, 50, 14, 2, 0x0080, 'Cancel'),
    (0x50020001, 0, 21, 186, 8, 0xFFFF, 0x0082, 'Preparing to install'),
    (0x50020001, 0, 34, 186, 8, 1000, 0x0082, 'THE NAME OF YOUR APP GOES HERE'),
]

faults = []


def expect(what, actual, wanted):
    if actual != wanted:
        faults.append(f'{what}: {actual!r}, expected {wanted!r}')


def resource(pe, type_id, name_id):
    """The data of resource type_id/name_id (first language), or None."""
    directory = getattr(pe, 'DIRECTORY_ENTRY_RESOURCE', None)
    if directory is None:
        return None
    for type_entry in directory.entries:
        if type_entry.id != type_id:
            continue
        for name_entry in type_entry.directory.entries:
            if name_entry.id != name_id:
                continue
            data = name_entry.directory.entries[0].data.struct
            return pe.get_data(data.OffsetToData, data.Size)
    return None


class Reader:
    """Little-endian fields of a resource, in order."""

    def __init__(self, data):
        self.data = data
        self.at = 0

    def take(self, fmt):
        values = struct.unpack_from('<' + fmt, self.data, self.at)
        self.at += struct.calcsize('<' + fmt)
        return values if len(values) > 1 else values[0]

    def text(self):
        """A NUL-terminated UTF-16 string."""
        end = self.at
        while self.data[end:end + 2] != b'\0\0':
            end += 2
        value = self.data[self.at:end].decode('utf-16-le')
        self.at = end + 2
        return value

    def ordinal_or_text(self):
        """An sz_Or_Ord field: ('ord', n) or ('text', s)."""
        if self.data[self.at:self.at + 2] == b'\xff\xff':
            self.at += 2
            return ('ord', self.take('H'))
        return ('text', self.text())

    def align(self, boundary):
        self.at = (self.at + boundary - 1) // boundary * boundary


def check_headers(pe):
    expect('machine', hex(pe.FILE_HEADER.Machine), hex(0x14C))
    expect('subsystem', pe.OPTIONAL_HEADER.Subsystem, 2)
    expect('subsystem version', (pe.OPTIONAL_HEADER.MajorSubsystemVersion,
                                 pe.OPTIONAL_HEADER.MinorSubsystemVersion), (4, 0))
    expect('OS version', (pe.OPTIONAL_HEADER.MajorOperatingSystemVersion,
                          pe.OPTIONAL_HEADER.MinorOperatingSystemVersion), (4, 0))


def check_imports(pe):
    pe.parse_data_directories(
        directories=[pefile.DIRECTORY_ENTRY['IMAGE_DIRECTORY_ENTRY_IMPORT']])
    entries = getattr(pe, 'DIRECTORY_ENTRY_IMPORT', [])
    dlls = [entry.dll.decode() for entry in entries]
    expect('imported DLLs', sorted(dlls), ['KERNEL32.dll', 'USER32.dll'])
    for entry in entries:
        dll = entry.dll.decode()
        allowed = WINDOWS95_EXPORTS.get(dll, set())
        for function in entry.imports:
            name = function.name.decode() if function.name else f'ordinal {function.ordinal}'
            if name not in allowed:
                faults.append(f'import {dll}!{name} is not on the Windows 95 list')


def check_dialog(pe):
    data = resource(pe, RT_DIALOG, 101)
    if data is None:
        faults.append('dialog 101 is missing')
        return
    r = Reader(data)
    style, ex_style, count = r.take('IIH')
    expect('dialog style', hex(style), hex(0x900008C0))
    expect('dialog extended style', hex(ex_style), hex(0))
    expect('dialog control count', count, 4)
    expect('dialog rectangle', r.take('hhhh'), (0, 0, 186, 68))
    expect('dialog menu', r.ordinal_or_text(), ('text', ''))
    expect('dialog class', r.ordinal_or_text(), ('text', ''))
    expect('dialog title', r.text(), '')
    expect('dialog font size', r.take('H'), 8)
    expect('dialog font', r.text(), 'MS Sans Serif')
    for number, wanted in enumerate(DIALOG_ITEMS[:count], 1):
        r.align(4)
        item_style, item_ex_style, x, y, cx, cy, item_id = r.take('IIhhhhH')
        control = f'control {number}'
        expect(f'{control} style', hex(item_style), hex(wanted[0]))
        expect(f'{control} extended style', hex(item_ex_style), hex(0))
        expect(f'{control} rectangle', (x, y, cx, cy), wanted[1:5])
        expect(f'{control} id', item_id, wanted[5])
        expect(f'{control} class', r.ordinal_or_text(), ('ord', wanted[6]))
        expect(f'{control} text', r.ordinal_or_text(), ('text', wanted[7]))
        expect(f'{control} creation data', r.take('H'), 0)
    expect('dialog template length', (r.at + 3) // 4 * 4, (len(data) + 3) // 4 * 4)


def check_icon(pe):
    group = resource(pe, RT_GROUP_ICON, 101)
    if group is None:
        faults.append('icon group 101 is missing')
        return
    r = Reader(group)
    expect('icon group header', r.take('HHH'), (0, 1, 1))
    width, height, colours, reserved, planes, bits, size, image_id = r.take('BBBBHHIH')
    expect('icon entry size', (width, height), (32, 32))
    expect('icon entry colours', colours, 16)
    expect('icon entry planes and bits', (planes, bits), (1, 4))
    expect('icon entry bytes', size, 744)
    image = resource(pe, RT_ICON, image_id)
    if image is None:
        faults.append(f'icon image {image_id} is missing')
        return
    expect('icon image bytes', len(image), 744)
    (header_size, bmp_width, bmp_height, bmp_planes, bmp_bits, compression,
     _, _, _, colours_used, _) = struct.unpack_from('<IiiHHIIiiII', image)
    expect('icon header size', header_size, 40)
    expect('icon bitmap size', (bmp_width, bmp_height), (32, 64))
    expect('icon bitmap planes and bits', (bmp_planes, bmp_bits), (1, 4))
    expect('icon compression', compression, 0)
    if colours_used not in (0, 16):
        faults.append(f'icon palette: {colours_used} colours, expected 16')


def main():
    if len(sys.argv) != 2 or os.path.basename(sys.argv[1]) not in SIZE_BUDGETS:
        sys.exit('usage: check_exe.py PATH/TO/launcher.exe | PATH/TO/repair.exe')
    path = sys.argv[1]
    if not os.path.isfile(path):
        print(f'check_exe: {path} does not exist (build the win32 tree first)', file=sys.stderr)
        return 1
    size = os.path.getsize(path)
    budget = SIZE_BUDGETS[os.path.basename(path)]
    if size > budget:
        faults.append(f'size: {size} bytes, budget {budget}')
    pe = pefile.PE(path, fast_load=True)
    pe.parse_data_directories(
        directories=[pefile.DIRECTORY_ENTRY['IMAGE_DIRECTORY_ENTRY_RESOURCE']])
    check_headers(pe)
    check_imports(pe)
    if os.path.basename(path) == 'launcher.exe':
        check_dialog(pe)
        check_icon(pe)
    elif hasattr(pe, 'DIRECTORY_ENTRY_RESOURCE'):
        faults.append('resources: repair.exe carries none')
    for fault in faults:
        print(f'check_exe: {fault}', file=sys.stderr)
    if not faults:
        print(f'check_exe: {path}: {size} bytes, all properties hold')
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main())
