// REPAIR.EXE's work: the recovery piece's header and checksum table, a copy
// of every disk in the temp directory with its damaged blocks marked, the
// rebuild of those blocks, and the start of the healed set.
//
// Disk d (counted from 0) is its files laid end to end, each from a multiple
// of kBlockSize: disk 0 is SETUP.EXE and FILE.1, disk d < k is FILE.d+1, and
// disk k + i - 1 is REPAIR.i's parity. Block s of every disk is stripe s,
// and any k intact blocks of a stripe give the others.
#include "repair/repair.h"

#include "helpers/helpers.h"
#include "platform/platform.h"
#include "repair/code.h"
#include "repair/sha256.h"
#include "restart/restart.h"

static constexpr DWORD kBlockSize = 8192;
static constexpr DWORD kSumSize = 4;
static constexpr DWORD kPieceHeaderSize = 1024;
static constexpr DWORD kMaxRecovery = 32;
static constexpr DWORD kMaxDisks = 255;
// Bounds the checksum table (4 bytes a block) that a header may ask for.
static constexpr DWORD kMaxTableBlocks = 1u << 24;
static constexpr DWORD kFloppySector = 512;
static constexpr DWORD kTextSize = 1024;
// The longest name a folder gets: "\FILE.65535" or "\SETUP.EXE", and a NUL.
static constexpr DWORD kNameRoom = 12;

// REPAIR.i's header: integers little-endian.
static constexpr DWORD kVersionAt = 8;
static constexpr DWORD kBlockSizeAt = 12;
static constexpr DWORD kPiecesAt = 16;
static constexpr DWORD kRecoveryAt = 20;
static constexpr DWORD kBlocksAt = 28;
static constexpr DWORD kSetIdAt = 32;
static constexpr DWORD kInstallerSizeAt = 64;
static constexpr DWORD kFirstPayloadAt = 72;
static constexpr DWORD kLaterPayloadAt = 80;
static constexpr DWORD kLauncherSizeAt = 88;
static constexpr DWORD kFlagsAt = 96;
static constexpr DWORD kTableDigestAt = 216;
static constexpr DWORD kHeaderDigestAt = kBlockSize - kDigestSize;
static constexpr DWORD kHasLauncher = 1;
static constexpr DWORD kFlat = 2;

// A piece's header, as pieceset fills it.
static constexpr DWORD kPieceMagicAt = 260;
static constexpr DWORD kPieceSetIdAt = 272;
static constexpr DWORD kInstallerDigestAt = 312;

static const char kFolderName[] = "kqrepair";
static const char kLauncherName[] = "SETUP.EXE";

enum Outcome {
    kHealed,
    kCancelled,
    kNoRoom,
    kNoMemory,
    kBeyondRepair,
    kMismatch,
};

// What one run knows of the set, and what it holds for it.
struct Repair {
    char* source;  // the folder REPAIR.EXE runs from
    char* folder;  // the copies, in the temp directory
    DWORD pieces;    // k
    DWORD recovery;  // M
    DWORD blocks;    // b, of every disk
    DWORD flags;
    BYTE setId[kDigestSize];
    unsigned long long installerSize;
    unsigned long long firstPayload;
    unsigned long long laterPayload;
    DWORD launcherSize;
    DWORD tableSize;
    DWORD sectorSize;
    bool sideBySide;       // every disk's files lie in the source folder
    DWORD copiedRecovery;  // bit i - 1: REPAIR.i is copied
    BYTE* sums;   // the checksum table: 4 bytes a block, disk by disk
    BYTE* bad;    // a bit a block, disk by disk: damaged, or not read
    BYTE* block;  // one block in transit
    Field field;
};

static DWORD Load32(const BYTE* at)
{
    return (DWORD)at[0] | (DWORD)at[1] << 8 | (DWORD)at[2] << 16 | (DWORD)at[3] << 24;
}

static unsigned long long Load64(const BYTE* at)
{
    return Load32(at) | (unsigned long long)Load32(at + 4) << 32;
}

static DWORD BlocksFor(DWORD bytes)
{
    return (bytes + kBlockSize - 1) / kBlockSize;
}

static void Digest(const BYTE* bytes, DWORD length, BYTE* digest)
{
    Sha256 sha;
    Sha256Start(&sha);
    Sha256Add(&sha, bytes, length);
    Sha256Finish(&sha, digest);
}

// folder, a backslash, the name and, when not 0, the number: FILE.3. Both
// folders leave kNameRoom, so every name fits.
static void BuildPath(char* path, const char* folder, const char* name, DWORD number)
{
    PutText(path, MAX_PATH, 0, folder);
    PutText(path, MAX_PATH, TextLength(path), "\\");
    PutText(path, MAX_PATH, TextLength(path), name);
    if (number != 0)
        FormatNumber(path + TextLength(path), number);
}

// The file that names disk `disk`: FILE.n for a piece, REPAIR.i for parity.
static void DiskFile(const Repair* r, DWORD disk, const char** name, DWORD* number)
{
    if (disk < r->pieces) {
        *name = "FILE.";
        *number = disk + 1;
    } else {
        *name = "REPAIR.";
        *number = disk - r->pieces + 1;
    }
}

static DWORD PieceLength(const Repair* r, DWORD number)
{
    unsigned long long payload;
    if (number < r->pieces)
        payload = number == 1 ? r->firstPayload : r->laterPayload;
    else if (number == 1)
        payload = r->installerSize;
    else
        payload = r->installerSize - r->firstPayload - (number - 2) * r->laterPayload;
    return (DWORD)(kPieceHeaderSize + payload);
}

static DWORD LauncherBlocks(const Repair* r, DWORD disk)
{
    return disk == 0 ? BlocksFor(r->launcherSize) : 0;
}

// Where block `block` of disk `disk` lies among the copies: the file's name
// and number, the offset there and how many of the block's bytes the file
// holds. FALSE past the disk's files, where every block is zeros.
static bool PlaceBlock(const Repair* r, DWORD disk, DWORD block, const char** name,
                       DWORD* number, DWORD* offset, DWORD* length)
{
    DWORD fileLength = r->blocks * kBlockSize;
    DiskFile(r, disk, name, number);
    if (block < LauncherBlocks(r, disk)) {
        *name = kLauncherName;
        *number = 0;
        fileLength = r->launcherSize;
    } else if (disk < r->pieces) {
        block -= LauncherBlocks(r, disk);
        fileLength = PieceLength(r, disk + 1);
    }
    *offset = block * kBlockSize;
    if (*offset >= fileLength)
        return false;
    *length = fileLength - *offset < kBlockSize ? fileLength - *offset : kBlockSize;
    return true;
}

static DWORD BlockIndex(const Repair* r, DWORD disk, DWORD block)
{
    return disk * r->blocks + block;
}

static bool IsBad(const Repair* r, DWORD disk, DWORD block)
{
    DWORD index = BlockIndex(r, disk, block);
    return (r->bad[index / 8] >> (index % 8) & 1) != 0;
}

static void MarkBlock(Repair* r, DWORD disk, DWORD block, bool bad)
{
    DWORD index = BlockIndex(r, disk, block);
    BYTE bit = (BYTE)(1 << (index % 8));
    r->bad[index / 8] = (BYTE)(bad ? r->bad[index / 8] | bit : r->bad[index / 8] & ~bit);
}

// Damaged (or unread) blocks in stripe `block`.
static DWORD StripeDamage(const Repair* r, DWORD block)
{
    DWORD count = 0;
    for (DWORD disk = 0; disk < r->pieces + r->recovery; ++disk)
        count += IsBad(r, disk, block) ? 1 : 0;
    return count;
}

// Whether every stripe has at most M damaged blocks, and so k intact ones.
static bool Rebuildable(const Repair* r)
{
    for (DWORD block = 0; block < r->blocks; ++block) {
        if (StripeDamage(r, block) > r->recovery)
            return false;
    }
    return true;
}

// Whether a whole block (zeros past its file's end) matches its checksum.
static bool SumMatches(const Repair* r, DWORD disk, DWORD block, const BYTE* bytes)
{
    BYTE digest[kDigestSize];
    Digest(bytes, kBlockSize, digest);
    return memcmp(digest, r->sums + BlockIndex(r, disk, block) * kSumSize, kSumSize) == 0;
}

static HANDLE OpenRead(const char* path)
{
    return CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, kOpenFlags, NULL);
}

static bool Seek(HANDLE file, DWORD offset)
{
    // The high word makes offsets past 2 GB count from the start.
    LONG high = 0;
    return SetFilePointer(file, (LONG)offset, &high, FILE_BEGIN) == offset;
}

// Reads `length` bytes at `offset`; when that fails, again a sector at a
// time at explicit offsets, with zeros for the sectors that still fail.
// FALSE when any byte could not be read, a missing or short file included.
static bool ReadPastBadSectors(HANDLE file, DWORD offset, BYTE* buffer, DWORD length,
                               DWORD sectorSize)
{
    DWORD read = 0;
    if (file == INVALID_HANDLE_VALUE) {
        memset(buffer, 0, length);
        return false;
    }
    if (Seek(file, offset) && ReadFile(file, buffer, length, &read, NULL) && read == length)
        return true;
    bool whole = true;
    for (DWORD at = 0; at < length; at += sectorSize) {
        DWORD want = length - at < sectorSize ? length - at : sectorSize;
        read = 0;
        if (!Seek(file, offset + at) || !ReadFile(file, buffer + at, want, &read, NULL))
            read = 0;
        if (read != want) {
            memset(buffer + at + read, 0, want - read);
            whole = false;
        }
    }
    return whole;
}

// Copies `length` bytes from `sourceOffset` of a file in the source folder
// to the start of its copy, a block at a time from block `firstBlock` of disk
// `disk`, and marks each block damaged or intact. FALSE when the copy
// cannot be written.
static bool CopyFileBlocks(Repair* r, DWORD disk, DWORD firstBlock, const char* name,
                           DWORD number, DWORD sourceOffset, DWORD length)
{
    char path[MAX_PATH];
    BuildPath(path, r->source, name, number);
    HANDLE source = OpenRead(path);
    BuildPath(path, r->folder, name, number);
    HANDLE copy = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, kOpenFlags, NULL);

    bool written = copy != INVALID_HANDLE_VALUE;
    DWORD block = firstBlock;
    for (DWORD at = 0; written && at < length; at += kBlockSize, ++block) {
        DWORD want = length - at < kBlockSize ? length - at : kBlockSize;
        bool readable =
            ReadPastBadSectors(source, sourceOffset + at, r->block, want, r->sectorSize);
        memset(r->block + want, 0, kBlockSize - want);
        MarkBlock(r, disk, block, !readable || !SumMatches(r, disk, block, r->block));
        DWORD done = 0;
        written = WriteFile(copy, r->block, want, &done, NULL) && done == want;
    }

    if (source != INVALID_HANDLE_VALUE)
        CloseHandle(source);
    if (copy != INVALID_HANDLE_VALUE)
        CloseHandle(copy);
    return written;
}

// Copies every file of disk `disk`; a file that is missing or does not read
// becomes zeros with its blocks marked. FALSE when a copy cannot be written.
static bool CopyDisk(Repair* r, DWORD disk)
{
    if (disk >= r->pieces) {
        DWORD parityAt = kBlockSize + BlocksFor(r->tableSize) * kBlockSize;
        r->copiedRecovery |= 1u << (disk - r->pieces);
        return CopyFileBlocks(r, disk, 0, "REPAIR.", disk - r->pieces + 1, parityAt,
                              r->blocks * kBlockSize);
    }
    if (disk == 0 && !CopyFileBlocks(r, 0, 0, kLauncherName, 0, 0, r->launcherSize))
        return false;
    return CopyFileBlocks(r, disk, LauncherBlocks(r, disk), "FILE.", disk + 1, 0,
                          PieceLength(r, disk + 1));
}

// A disk of another set: its file's header reads and names another set. A
// header that does not read, or a byte or two wrong in it, is our own
// disk's damage, which the checksums find.
static bool IsForeign(const Repair* r, const char* path, bool recovery)
{
    BYTE header[kPieceSetIdAt + kDigestSize];
    HANDLE file = OpenRead(path);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD read = 0;
    bool readable = ReadFile(file, header, sizeof header, &read, NULL) && read == sizeof header;
    CloseHandle(file);
    if (!readable)
        return false;
    const BYTE* id = header + (recovery ? kSetIdAt : kPieceSetIdAt);
    DWORD differing = 0;
    for (DWORD i = 0; i < kDigestSize; ++i)
        differing += id[i] != r->setId[i] ? 1 : 0;
    return differing > kDigestSize / 2;
}

// Whether the folder holds some piece or recovery piece, of any set: a disk
// that holds none is blank or cannot be read.
static bool HoldsPieces(const char* folder)
{
    char pattern[MAX_PATH];
    BuildPath(pattern, folder, "FILE.*", 0);
    if (PathExists(pattern))
        return true;
    BuildPath(pattern, folder, "REPAIR.*", 0);
    return PathExists(pattern);
}

// Has disk `disk` at hand, asking for it when its file is not: TRUE when the
// file is there, or the disk in the drive proved blank or broken (its blocks
// then read as damaged); FALSE on Cancel.
static bool FindDisk(const Repair* r, DWORD disk)
{
    const char* name;
    DWORD number;
    DiskFile(r, disk, &name, &number);
    char path[MAX_PATH];
    BuildPath(path, r->source, name, number);
    if (r->sideBySide || PathExists(path))
        return true;

    char prompt[MAX_PATH];
    PutText(prompt, MAX_PATH, 0, "Please insert disk ");
    FormatNumber(prompt + TextLength(prompt), disk + 1);
    const char* caption = "Next Disk";
    for (;;) {
        // Any answer but OK, a box that could not be shown included, is Cancel.
        if (MessageBoxA(NULL, prompt, caption, MB_OKCANCEL) != IDOK)
            return false;
        if (PathExists(path) ? !IsForeign(r, path, disk >= r->pieces) : !HoldsPieces(r->source))
            return true;
        caption = "This is not the right disk";
    }
}

// Copies every piece disk, and then recovery disks while some stripe has
// more damage than the recovery disks read so far make up for.
static Outcome CopySet(Repair* r)
{
    DWORD disks = r->pieces + r->recovery;
    // The recovery pieces at hand first, so that the disk REPAIR.EXE started
    // from need not come back when the pieces turn out damaged.
    for (DWORD disk = r->pieces; disk < disks; ++disk) {
        const char* name;
        DWORD number;
        char path[MAX_PATH];
        DiskFile(r, disk, &name, &number);
        BuildPath(path, r->source, name, number);
        if (PathExists(path) && !CopyDisk(r, disk))
            return kNoRoom;
    }
    for (DWORD disk = 0; disk < r->pieces; ++disk) {
        if (!FindDisk(r, disk))
            return kCancelled;
        if (!CopyDisk(r, disk))
            return kNoRoom;
    }
    for (DWORD disk = r->pieces; disk < disks && !Rebuildable(r); ++disk) {
        if (r->copiedRecovery & 1u << (disk - r->pieces))
            continue;
        if (!FindDisk(r, disk))
            return kCancelled;
        if (!CopyDisk(r, disk))
            return kNoRoom;
    }
    return Rebuildable(r) ? kHealed : kBeyondRepair;
}

// Reads block `block` of disk `disk` from the copies into r->block.
static bool ReadCopiedBlock(Repair* r, DWORD disk, DWORD block)
{
    const char* name;
    DWORD number, offset, length = 0;
    memset(r->block, 0, kBlockSize);
    if (!PlaceBlock(r, disk, block, &name, &number, &offset, &length))
        return true;
    char path[MAX_PATH];
    BuildPath(path, r->folder, name, number);
    HANDLE file = OpenRead(path);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD read = 0;
    bool whole = Seek(file, offset) && ReadFile(file, r->block, length, &read, NULL) &&
                 read == length;
    CloseHandle(file);
    return whole;
}

// Writes a rebuilt block into the copy it belongs to.
static bool WriteCopiedBlock(const Repair* r, DWORD disk, DWORD block, const BYTE* bytes)
{
    const char* name;
    DWORD number, offset, length = 0;
    if (!PlaceBlock(r, disk, block, &name, &number, &offset, &length))
        return true;
    char path[MAX_PATH];
    BuildPath(path, r->folder, name, number);
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, NULL, OPEN_EXISTING, kOpenFlags, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool whole = Seek(file, offset) && WriteFile(file, bytes, length, &written, NULL) &&
                 written == length;
    CloseHandle(file);
    return whole;
}

// Rebuilds every damaged block of the piece disks, one stripe at a time from
// k intact blocks of it, and checks each against its checksum. Lost parity
// is not rebuilt: the launcher never reads it.
static Outcome Rebuild(Repair* r)
{
    DWORD k = r->pieces;
    BYTE* matrix = (BYTE*)LocalAlloc(LMEM_FIXED, k * k);
    BYTE* inverse = (BYTE*)LocalAlloc(LMEM_FIXED, k * k);
    BYTE* rebuilt = (BYTE*)LocalAlloc(LMEM_FIXED, r->recovery * kBlockSize);
    Outcome outcome = matrix && inverse && rebuilt ? kHealed : kNoMemory;

    BYTE sources[kMaxDisks];
    BYTE inverted[kMaxDisks];
    bool haveInverse = false;
    for (DWORD block = 0; outcome == kHealed && block < r->blocks; ++block) {
        DWORD lost[kMaxRecovery];
        DWORD lostCount = 0, found = 0;
        for (DWORD disk = 0; disk < k + r->recovery; ++disk) {
            if (IsBad(r, disk, block)) {
                if (disk < k)
                    lost[lostCount++] = disk;
            } else if (found < k) {
                sources[found++] = (BYTE)disk;
            }
        }
        if (lostCount == 0)
            continue;
        // Stripes damaged alike share one inverse; a lost disk makes them all
        // alike.
        if (!haveInverse || memcmp(sources, inverted, k) != 0) {
            for (DWORD i = 0; i < k; ++i) {
                for (DWORD j = 0; j < k; ++j)
                    matrix[i * k + j] = CodeEntry(&r->field, sources[i], j, k);
            }
            haveInverse = InvertMatrix(&r->field, matrix, inverse, k);
            memcpy(inverted, sources, k);
            if (!haveInverse) {
                outcome = kMismatch;
                break;
            }
        }
        memset(rebuilt, 0, lostCount * kBlockSize);
        for (DWORD i = 0; outcome == kHealed && i < k; ++i) {
            if (!ReadCopiedBlock(r, sources[i], block))
                outcome = kNoRoom;
            for (DWORD j = 0; j < lostCount; ++j)
                MultiplyAdd(&r->field, rebuilt + j * kBlockSize, r->block, inverse[lost[j] * k + i], kBlockSize);
        }
        for (DWORD j = 0; outcome == kHealed && j < lostCount; ++j) {
            if (!SumMatches(r, lost[j], block, rebuilt + j * kBlockSize))
                outcome = kMismatch;
            else if (!WriteCopiedBlock(r, lost[j], block, rebuilt + j * kBlockSize))
                outcome = kNoRoom;
        }
    }

    LocalFree(rebuilt);
    LocalFree(inverse);
    LocalFree(matrix);
    return outcome;
}

// Whether the healed pieces join into the installer whose digest FILE.1's
// header carries (a header without one is taken as it is).
static bool InstallerMatches(Repair* r)
{
    Sha256 sha;
    Sha256Start(&sha);
    BYTE expected[kDigestSize];
    bool carried = false, whole = true;
    for (DWORD number = 1; whole && number <= r->pieces; ++number) {
        char path[MAX_PATH];
        BuildPath(path, r->folder, "FILE.", number);
        HANDLE file = OpenRead(path);
        if (file == INVALID_HANDLE_VALUE)
            return false;
        DWORD read = 0;
        whole = ReadFile(file, r->block, kPieceHeaderSize, &read, NULL) &&
                read == kPieceHeaderSize;
        if (whole && number == 1 && memcmp(r->block + kPieceMagicAt, "PIECESET", 8) == 0) {
            carried = true;
            memcpy(expected, r->block + kInstallerDigestAt, kDigestSize);
        }
        while (whole) {
            whole = ReadFile(file, r->block, kBlockSize, &read, NULL) != 0;
            if (read == 0)
                break;
            Sha256Add(&sha, r->block, read);
        }
        CloseHandle(file);
    }
    BYTE digest[kDigestSize];
    Sha256Finish(&sha, digest);
    return whole && (!carried || memcmp(digest, expected, kDigestSize) == 0);
}

// Takes the code from an open recovery piece: NULL when its header and
// checksum table check out, else what is wrong with them.
static const char* LoadCode(Repair* r, HANDLE file)
{
    BYTE* header = r->block;
    DWORD read = 0;
    if (!ReadFile(file, header, kBlockSize, &read, NULL) || read != kBlockSize ||
        memcmp(header, "PSREPAIR", 8) != 0)
        return "The recovery piece cannot be read.";
    BYTE digest[kDigestSize];
    Digest(header, kHeaderDigestAt, digest);
    if (memcmp(digest, header + kHeaderDigestAt, kDigestSize) != 0)
        return "The recovery piece's header is damaged.";

    r->pieces = Load32(header + kPiecesAt);
    r->recovery = Load32(header + kRecoveryAt);
    r->blocks = Load32(header + kBlocksAt);
    r->flags = Load32(header + kFlagsAt);
    memcpy(r->setId, header + kSetIdAt, kDigestSize);
    r->installerSize = Load64(header + kInstallerSizeAt);
    r->firstPayload = Load64(header + kFirstPayloadAt);
    r->laterPayload = Load64(header + kLaterPayloadAt);
    r->launcherSize = (DWORD)Load64(header + kLauncherSizeAt);
    DWORD disks = r->pieces + r->recovery;
    if (Load32(header + kVersionAt) != 1 || Load32(header + kBlockSizeAt) != kBlockSize ||
        r->pieces == 0 || r->recovery == 0 || r->recovery > kMaxRecovery || disks > kMaxDisks ||
        r->blocks == 0 || r->blocks > kMaxTableBlocks / disks)
        return "The recovery piece is of a kind REPAIR.EXE cannot read.";
    if (!(r->flags & kHasLauncher))
        return "The set has no SETUP.EXE to start.";

    r->tableSize = disks * r->blocks * kSumSize;
    r->sums = (BYTE*)LocalAlloc(LMEM_FIXED, r->tableSize);
    r->bad = (BYTE*)LocalAlloc(LMEM_FIXED | LMEM_ZEROINIT, (disks * r->blocks + 7) / 8);
    if (r->sums == NULL || r->bad == NULL)
        return "Not enough memory to rebuild the set.";
    if (!ReadFile(file, r->sums, r->tableSize, &read, NULL) || read != r->tableSize)
        return "The recovery piece's checksum table cannot be read.";
    Digest(r->sums, r->tableSize, digest);
    if (memcmp(digest, header + kTableDigestAt, kDigestSize) != 0)
        return "The recovery piece's checksum table is damaged.";
    // Recovery disks count as damaged until they are read.
    for (DWORD disk = r->pieces; disk < disks; ++disk) {
        for (DWORD block = 0; block < r->blocks; ++block)
            MarkBlock(r, disk, block, true);
    }
    return NULL;
}

// The code from the first recovery piece beside REPAIR.EXE that checks out:
// NULL, or what is wrong with the last one tried.
static const char* ReadCode(Repair* r)
{
    const char* problem = "No recovery piece lies beside REPAIR.EXE.";
    for (DWORD index = 1; index <= kMaxRecovery; ++index) {
        char path[MAX_PATH];
        BuildPath(path, r->source, "REPAIR.", index);
        HANDLE file = OpenRead(path);
        if (file == INVALID_HANDLE_VALUE)
            continue;
        problem = LoadCode(r, file);
        CloseHandle(file);
        if (problem == NULL)
            return NULL;
        LocalFree(r->sums);
        LocalFree(r->bad);
        r->sums = r->bad = NULL;
    }
    return problem;
}

// The folder of the running program, with room for a name after it.
static bool FindOwnFolder(char* folder)
{
    DWORD length = GetModuleFileNameA(NULL, folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return false;
    folder[length] = '\0';
    while (length > 0 && folder[length - 1] != '\\')
        --length;
    if (length == 0)
        return false;
    folder[length - 1] = '\0';
    return length + kNameRoom <= MAX_PATH;
}

// The copies' folder in the temp directory; one left by an earlier run that
// has not yet been deleted at a restart is taken again.
static bool MakeFolder(char* folder)
{
    DWORD length = GetTempPathA(MAX_PATH, folder);
    if (length == 0 || length >= MAX_PATH || !PutText(folder, MAX_PATH, length, kFolderName) ||
        TextLength(folder) + kNameRoom > MAX_PATH)
        return false;
    return CreateDirectoryA(folder, NULL) || PathExists(folder);
}

// The root ("A:\") of a path on a drive letter; FALSE for a share, whose
// root Windows 95 cannot be asked about.
static bool DriveRoot(const char* path, char* root)
{
    if (path[0] == '\0' || path[1] != ':')
        return false;
    root[0] = path[0];
    root[1] = ':';
    root[2] = '\\';
    root[3] = '\0';
    return true;
}

// Whether the temp directory's drive has room for the copies and for the
// installer that the launcher then joins there. A drive that does not say
// is tried; a write that then fails says it.
static bool EnoughRoom(const Repair* r)
{
    char root[4];
    DWORD sectorsPerCluster, bytesPerSector, freeClusters, clusters;
    if (!DriveRoot(r->folder, root) ||
        !GetDiskFreeSpaceA(root, &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters))
        return true;
    unsigned long long room =
        (unsigned long long)sectorsPerCluster * bytesPerSector * freeClusters;
    unsigned long long needed = r->launcherSize + 2 * r->installerSize +
                                (unsigned long long)r->pieces * kPieceHeaderSize +
                                (unsigned long long)r->recovery * r->blocks * kBlockSize;
    return needed <= room;
}

// The sector size of the source drive, for the reads past bad sectors: FAT
// starts every file on a cluster, so sector offsets in a file are sectors.
static DWORD SectorSize(const char* folder)
{
    char root[4];
    DWORD sectorsPerCluster, bytesPerSector = 0, freeClusters, clusters;
    if (!DriveRoot(folder, root) ||
        !GetDiskFreeSpaceA(root, &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters) ||
        bytesPerSector == 0 || bytesPerSector > kBlockSize || kBlockSize % bytesPerSector != 0)
        return kFloppySector;
    return bytesPerSector;
}

// Deletes the copies of the recovery pieces, and with `everything` those of
// the pieces and SETUP.EXE and the folder too.
static void RemoveCopies(const Repair* r, bool everything)
{
    char path[MAX_PATH];
    for (DWORD disk = everything ? 0 : r->pieces; disk < r->pieces + r->recovery; ++disk) {
        const char* name;
        DWORD number;
        DiskFile(r, disk, &name, &number);
        BuildPath(path, r->folder, name, number);
        DeleteFileA(path);
    }
    if (!everything)
        return;
    BuildPath(path, r->folder, kLauncherName, 0);
    DeleteFileA(path);
    RemoveDirectoryA(r->folder);
}

// Has the healed set and its folder deleted at the next system start, the
// files first, so that the folder is empty when its turn comes.
static void ScheduleRemoval(const Repair* r)
{
    char path[MAX_PATH];
    BuildPath(path, r->folder, kLauncherName, 0);
    ScheduleRenameOnReboot(path, NULL);
    for (DWORD number = 1; number <= r->pieces; ++number) {
        BuildPath(path, r->folder, "FILE.", number);
        ScheduleRenameOnReboot(path, NULL);
    }
    ScheduleRenameOnReboot(r->folder, NULL);
}

// Copies, checks and rebuilds the set in r->folder; on any outcome but
// kHealed nothing of it is left.
static Outcome HealSet(Repair* r)
{
    if (!MakeFolder(r->folder))
        return kNoRoom;
    char path[MAX_PATH];
    BuildPath(path, r->source, "FILE.", 1);
    r->sideBySide = (r->flags & kFlat) != 0 || PathExists(path);
    r->sectorSize = SectorSize(r->source);

    Outcome outcome = EnoughRoom(r) ? CopySet(r) : kNoRoom;
    if (outcome == kHealed)
        outcome = Rebuild(r);
    if (outcome == kHealed && !InstallerMatches(r))
        outcome = kMismatch;

    RemoveCopies(r, outcome != kHealed);
    if (outcome == kHealed)
        ScheduleRemoval(r);
    return outcome;
}

// One box naming the piece disks that lie in a stripe with more damage than
// the recovery pieces rebuild.
static void ShowBeyondRepair(const Repair* r)
{
    char disks[kTextSize / 2];
    DWORD named = 0;
    disks[0] = '\0';
    for (DWORD disk = 0; disk < r->pieces; ++disk) {
        bool lost = false;
        for (DWORD block = 0; !lost && block < r->blocks; ++block)
            lost = IsBad(r, disk, block) && StripeDamage(r, block) > r->recovery;
        if (!lost)
            continue;
        char digits[12];
        FormatNumber(digits, disk + 1);
        // A list too long for the box keeps its first numbers.
        if (PutText(disks, sizeof disks, TextLength(disks), named == 0 ? " " : ", ") &&
            PutText(disks, sizeof disks, TextLength(disks), digits))
            ++named;
    }
    char text[kTextSize];
    PutText(text, kTextSize, 0, named == 1 ? "Disk" : "Disks");
    PutText(text, kTextSize, TextLength(text), disks);
    PutText(text, kTextSize, TextLength(text),
            " cannot be rebuilt: more recovery disks are needed.");
    MessageBoxA(NULL, text, NULL, MB_ICONHAND);
}

// Starts the healed set's launcher from its folder, which becomes the
// current directory so that nothing holds on to the drive the set came from.
static void StartSetup(const char* folder)
{
    char path[MAX_PATH];
    char shortPath[MAX_PATH];
    BuildPath(path, folder, kLauncherName, 0);
    SetCurrentDirectoryA(folder);
    DWORD length = GetShortPathNameA(path, shortPath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    WinExec(shortPath, SW_SHOW);
}

void RepairSet(void)
{
    // Without this a failing floppy brings up the system's own box on
    // Windows 9x. The mode is read by setting it: there is no GetErrorMode
    // before Vista.
    UINT errorMode = SetErrorMode(0);
    SetErrorMode(errorMode | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    char source[MAX_PATH];
    char folder[MAX_PATH];
    Repair r;
    memset(&r, 0, sizeof r);
    r.source = source;
    r.folder = folder;
    r.block = (BYTE*)LocalAlloc(LMEM_FIXED, kBlockSize);
    FieldStart(&r.field);

    Outcome outcome = kNoMemory;
    const char* problem = NULL;
    if (r.block != NULL) {
        problem = FindOwnFolder(source) ? ReadCode(&r) : "No recovery piece lies beside REPAIR.EXE.";
        if (problem == NULL)
            outcome = HealSet(&r);
    }

    if (problem != NULL)
        MessageBoxA(NULL, problem, NULL, MB_ICONHAND);
    else if (outcome == kBeyondRepair)
        ShowBeyondRepair(&r);
    else if (outcome == kNoRoom)
        MessageBoxA(NULL, "Could not assemble installer.  Out of disk space?", NULL, MB_ICONHAND);
    else if (outcome == kMismatch)
        MessageBoxA(NULL, "The rebuilt set does not match its checksums.", NULL, MB_ICONHAND);
    else if (outcome == kNoMemory)
        MessageBoxA(NULL, "Not enough memory to rebuild the set.", NULL, MB_ICONHAND);

    LocalFree(r.bad);
    LocalFree(r.sums);
    LocalFree(r.block);
    // The launcher inherits the error mode; it asks for disks no more.
    SetErrorMode(errorMode);
    if (outcome == kHealed)
        StartSetup(folder);
}
