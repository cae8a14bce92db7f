#include "eprom/KEVFileStream.h"

#include "eprom/CalculCRC16.h"
#include "eprom/FichierES.h"
#include "support/Format.h"
#include "support/Latin1.h"

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace g20seq {

namespace {

// ---- Little-endian records --------------------------------------------------------------

template <typename TRecord> struct TIntegerField {
    int Offset;
    std::int32_t TRecord::*Member;
};

constexpr std::array<TIntegerField<TFileHeader>, 4> FileHeaderIntegers{{
    {0, &TFileHeader::FileType},
    {4, &TFileHeader::FileSpecVersion},
    {8, &TFileHeader::FileHeaderSize},
    {12, &TFileHeader::BlocHeaderSize},
}};
constexpr int ClassNameOffset = 16;
constexpr int IdentificationOffset = 272;
constexpr int AlignmentOffset = 281;

constexpr std::array<TIntegerField<TBlocHeader>, 4> BlocHeaderIntegers{{
    {0, &TBlocHeader::DataType},
    {4, &TBlocHeader::DataNumber},
    {8, &TBlocHeader::DataPosition},
    {12, &TBlocHeader::DataSize},
}};

void PutLittleEndian(Byte* Target, LongWord Value, int Count) {
    for (int i = 0; i < Count; ++i)
        Target[i] = static_cast<Byte>(Value >> (8 * i));
}

LongWord GetLittleEndian(const Byte* Source, int Count) {
    LongWord value = 0;
    for (int i = Count - 1; i >= 0; --i)
        value = (value << 8) | Source[i];
    return value;
}

template <typename TRecord, std::size_t N, std::size_t Size>
void EncodeIntegers(const TRecord& Record, const std::array<TIntegerField<TRecord>, N>& Fields,
                    std::array<Byte, Size>& Image) {
    for (const auto& field : Fields)
        PutLittleEndian(&Image[field.Offset], static_cast<LongWord>(Record.*field.Member), 4);
}

template <typename TRecord, std::size_t N, std::size_t Size>
void DecodeIntegers(TRecord& Record, const std::array<TIntegerField<TRecord>, N>& Fields,
                    const std::array<Byte, Size>& Image) {
    for (const auto& field : Fields)
        Record.*field.Member = static_cast<std::int32_t>(GetLittleEndian(&Image[field.Offset], 4));
}

// A short string: the length byte, then the characters; the tail is left untouched.
template <std::size_t N>
void SetShortString(std::array<Byte, N>& Field, const std::string& Latin1) {
    const std::size_t count = std::min(Latin1.size(), N - 1);
    Field[0] = static_cast<Byte>(count);
    std::copy_n(Latin1.begin(), count, Field.begin() + 1);
}

template <std::size_t N> std::string ShortStringText(const std::array<Byte, N>& Field) {
    const std::size_t count = std::min<std::size_t>(Field[0], N - 1);
    return Latin1ToUtf8(std::string(Field.begin() + 1, Field.begin() + 1 + count));
}

// ---- Opening and sharing ----------------------------------------------------------------

constexpr int AccessRead = 1;
constexpr int AccessWrite = 2;
constexpr int AccessBoth = AccessRead | AccessWrite;

// Accesses of the low mode bits: read; write (the stream still reads its header and
// block headers, so it opens the file for both); read and write.
constexpr std::array<int, 3> AccessOfMode{AccessRead, AccessBoth, AccessBoth};
// Accesses that other streams are denied, by sharing rule (bits 4 to 6 of the mode):
// compatibility and exclusive deny everything, then deny write, deny read, deny none.
constexpr std::array<int, 5> DenyOfShareMode{AccessBoth, AccessBoth, AccessWrite, AccessRead, 0};

// Every open stream holds shared record locks (per open file description, so streams of
// one process see each other) on marker bytes far beyond any zone file's data: one per
// access it has, one per access it denies. A stream may open the file unless it wants an
// access that an open stream denies or denies an access that an open stream has. Markers
// are taken before the test, so of two streams opening at the same instant at least one
// sees the other.
constexpr off_t ShareMarkerBase = 0x7FFFFF00;

off_t HasMarker(int Access) {
    return ShareMarkerBase + (Access == AccessWrite ? 1 : 0);
}
off_t DenyMarker(int Access) {
    return ShareMarkerBase + 2 + (Access == AccessWrite ? 1 : 0);
}

bool TakeMarker(int Handle, off_t Marker) {
    struct flock lock {};
    lock.l_type = F_RDLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = Marker;
    lock.l_len = 1;
    return ::fcntl(Handle, F_OFD_SETLK, &lock) == 0;
}

bool MarkerHeldByOthers(int Handle, off_t Marker) {
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = Marker;
    lock.l_len = 1;
    return ::fcntl(Handle, F_OFD_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
}

// False when the sharing rules of the streams already open refuse this one. Nobody takes
// exclusive locks on the markers, so a failing shared lock means the file system has no
// record locks: sharing is then not enforced.
bool AcquireShare(int Handle, int Access, int Deny) {
    for (const int kind : {AccessRead, AccessWrite}) {
        if (((Access & kind) != 0 && !TakeMarker(Handle, HasMarker(kind))) ||
            ((Deny & kind) != 0 && !TakeMarker(Handle, DenyMarker(kind))))
            return true;
    }
    for (const int kind : {AccessRead, AccessWrite}) {
        if ((Access & kind) != 0 && MarkerHeldByOthers(Handle, DenyMarker(kind)))
            return false;
        if ((Deny & kind) != 0 && MarkerHeldByOthers(Handle, HasMarker(kind)))
            return false;
    }
    return true;
}

std::string SystemMessage(int Error) {
    return std::generic_category().message(Error);
}

void CheckBlocSize(int DataSize) {
    if (DataSize < 0 || DataSize > MaxBuffer)
        throw ERangeError();
}

} // namespace

// ---- Records ----------------------------------------------------------------------------

TFileHeader::TImage TFileHeader::Encode() const {
    TImage image{};
    EncodeIntegers(*this, FileHeaderIntegers, image);
    std::copy(ClassName.begin(), ClassName.end(), image.begin() + ClassNameOffset);
    std::copy(Identification.begin(), Identification.end(), image.begin() + IdentificationOffset);
    image[AlignmentOffset] = Alignment;
    PutLittleEndian(&image[CRCOffset], HeaderCRC16, 2);
    return image;
}

TFileHeader TFileHeader::Decode(const TImage& Image) {
    TFileHeader header;
    DecodeIntegers(header, FileHeaderIntegers, Image);
    std::copy_n(Image.begin() + ClassNameOffset, header.ClassName.size(), header.ClassName.begin());
    std::copy_n(Image.begin() + IdentificationOffset, header.Identification.size(),
                header.Identification.begin());
    header.Alignment = Image[AlignmentOffset];
    header.HeaderCRC16 = static_cast<Word>(GetLittleEndian(&Image[CRCOffset], 2));
    return header;
}

Word TFileHeader::ComputeCRC() const {
    const TImage image = Encode();
    return CalculCRC16(std::span<const Byte>(image.data(), CRCOffset));
}

std::string TFileHeader::ClassNameText() const {
    return ShortStringText(ClassName);
}

std::string TFileHeader::IdentificationText() const {
    return ShortStringText(Identification);
}

TBlocHeader::TImage TBlocHeader::Encode() const {
    TImage image{};
    EncodeIntegers(*this, BlocHeaderIntegers, image);
    return image;
}

TBlocHeader TBlocHeader::Decode(const TImage& Image) {
    TBlocHeader header;
    DecodeIntegers(header, BlocHeaderIntegers, Image);
    return header;
}

// ---- Stream -----------------------------------------------------------------------------

TKEVFileStream::TKEVFileStream(const std::string& Name, Word Mode, bool TestIdentification)
    : TKEVFileStream(Name, Mode, TestIdentification, StreamClassName) {}

TKEVFileStream::TKEVFileStream(const std::string& Name, Word Mode, bool TestIdentification,
                               const std::string& ExpectedClassName)
    : FileName(Name), FileMode(Mode), FAcces(&FichierESCourant()) {
    OpenFile(Mode);
    if ((Mode & fmCreate) == fmCreate)
        return;
    try {
        ReadFileHeader(TestIdentification, ExpectedClassName);
    } catch (...) {
        ::close(FHandle);
        throw;
    }
}

TKEVFileStream::~TKEVFileStream() {
    if (FHandle >= 0)
        ::close(FHandle);
}

std::string TKEVFileStream::ClassName() const {
    return StreamClassName;
}

void TKEVFileStream::OpenFile(Word Mode) {
    const bool create = (Mode & fmCreate) == fmCreate;
    const std::string pattern = create ? SFCreateErrorEx : SFOpenErrorEx;
    const auto fail = [&](const std::string& Reason) {
        if (FHandle >= 0)
            ::close(FHandle);
        FHandle = -1;
        if (create)
            throw EFCreateError(Format(pattern, FileName, Reason));
        throw EFOpenError(Format(pattern, FileName, Reason));
    };
    const std::size_t accessMode = Mode & 0x03;
    const std::size_t shareMode = (Mode & 0xF0) >> 4;
    if ((!create && accessMode >= AccessOfMode.size()) || shareMode >= DenyOfShareMode.size())
        fail(SInvalidFileMode);
    const int access = create ? AccessBoth : AccessOfMode[accessMode];
    // Opened without waiting, so that a pipe or a device named as a zone file is refused
    // instead of blocking the caller; only regular files hold zones.
    const int flags = O_CLOEXEC | O_NONBLOCK | (access == AccessRead ? O_RDONLY : O_RDWR) |
                      (create ? O_CREAT : 0);
    FHandle = ::open(FileName.c_str(), flags, 0666);
    if (FHandle < 0)
        fail(SystemMessage(errno));
    struct stat status {};
    if (::fstat(FHandle, &status) != 0)
        fail(SystemMessage(errno));
    if (S_ISDIR(status.st_mode))
        fail(SystemMessage(EISDIR));
    if (!S_ISREG(status.st_mode))
        fail(SNotRegularFile);
    if (::fcntl(FHandle, F_SETFL, ::fcntl(FHandle, F_GETFL) & ~O_NONBLOCK) != 0)
        fail(SystemMessage(errno));
    if (!AcquireShare(FHandle, access, DenyOfShareMode[shareMode]))
        fail(SSharingViolation);
    // Emptied only once the sharing rules allow it, never under another stream's feet.
    if (create && FAcces->Truncate(FHandle, 0) != 0)
        fail(SystemMessage(errno));
}

bool TKEVFileStream::IsOpen(const std::string& Name) const {
    return !FileName.empty() && FileName == Name;
}

void TKEVFileStream::SetIdentification(const std::string& Identif) {
    SetShortString(FileHeader.Identification,
                   Utf8ToLatin1(Utf8Copy(Identif, 0, TFileHeader::IdentificationCapacity)));
    WriteFileHeader();
}

std::string TKEVFileStream::GetIdentification() const {
    return FileHeader.IdentificationText();
}

Int64 TKEVFileStream::Seek(Int64 Offset, TSeekOrigin Origin) {
    const Int64 base = Origin == TSeekOrigin::soBeginning ? 0
                       : Origin == TSeekOrigin::soCurrent ? FPosition
                                                          : Size();
    if (base + Offset < 0)
        throw ERangeError();
    FPosition = base + Offset;
    return FPosition;
}

Int64 TKEVFileStream::Size() const {
    return std::max<Int64>(FAcces->Size(FHandle), 0);
}

int TKEVFileStream::Read(void* Buffer, int Count) {
    auto* target = static_cast<Byte*>(Buffer);
    int done = 0;
    while (done < Count) {
        const ssize_t n = FAcces->ReadAt(FHandle, target + done,
                                         static_cast<std::size_t>(Count - done), FPosition + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<int>(n);
    }
    FPosition += done;
    return done;
}

void TKEVFileStream::ReadBuffer(void* Buffer, int Count) {
    if (Count > 0 && Read(Buffer, Count) != Count)
        throw EReadError();
}

void TKEVFileStream::WriteBuffer(const void* Buffer, int Count) {
    const auto* source = static_cast<const Byte*>(Buffer);
    int done = 0;
    while (done < Count) {
        const ssize_t n = FAcces->WriteAt(FHandle, source + done,
                                          static_cast<std::size_t>(Count - done), FPosition + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<int>(n);
    }
    FPosition += done;
    if (done < Count)
        throw EWriteError();
}

void TKEVFileStream::Flush() {
    if (FAcces->Sync(FHandle) != 0)
        throw EWriteError();
}

// ---- Header and index -------------------------------------------------------------------

void TKEVFileStream::WriteFileHeader() {
    FileHeader.FileType = 0;
    FileHeader.FileSpecVersion = TFileHeader::SpecVersion;
    FileHeader.FileHeaderSize = TFileHeader::Size;
    FileHeader.BlocHeaderSize = TBlocHeader::Size;
    SetShortString(FileHeader.ClassName,
                   Utf8ToLatin1(Utf8Copy(ClassName(), 0, TFileHeader::ClassNameCapacity)));
    FileHeader.HeaderCRC16 = FileHeader.ComputeCRC();
    LastBlocHeader = TBlocHeader{};
    FPosition = 0;
    const TFileHeader::TImage image = FileHeader.Encode();
    WriteBuffer(image.data(), TFileHeader::Size);
    HeaderWrited = true;
}

// A file shorter than a header reads as far as it goes; the rest stays zero, as in a new
// header, so the checks below report it.
void TKEVFileStream::ReadFileHeader(bool TestIdentification, const std::string& ExpectedClassName) {
    LastBlocHeader = TBlocHeader{};
    FPosition = 0;
    TFileHeader::TImage image{};
    Read(image.data(), TFileHeader::Size);
    FileHeader = TFileHeader::Decode(image);
    const char* error = nullptr;
    if (FileHeader.FileSpecVersion != TFileHeader::SpecVersion)
        error = SFileFormatNonGere;
    else if (FileHeader.FileHeaderSize != TFileHeader::Size ||
             FileHeader.BlocHeaderSize != TBlocHeader::Size)
        error = SFileDonneesIncorrectes;
    else if (FileHeader.ComputeCRC() != FileHeader.HeaderCRC16)
        error = SFileSommeControle;
    else if (!TestIdentification && FileHeader.ClassNameText() != ExpectedClassName)
        error = SFileIncompatible;
    if (error != nullptr)
        throw EKEVFileStreamError(error);
    HeaderWrited = true;
    IndexBlocs();
}

// Records the first block of every (type, number) pair. The scan stops silently at the
// first block header that cannot be read whole, and at a negative data size, which no
// block has and which would lead the scan backwards. A file of more than MaxBlocs block
// headers is refused.
void TKEVFileStream::IndexBlocs() {
    for (int blocs = 0; TryReadBlocHeader() && LastBlocHeader.DataSize >= 0; ++blocs) {
        if (blocs == MaxBlocs)
            throw EKEVFileStreamError(SFileTropDeBlocs);
        pHeaderMap[LastBlocHeader.DataType].try_emplace(LastBlocHeader.DataNumber,
                                                        FPosition - TBlocHeader::Size);
        FPosition += LastBlocHeader.DataSize;
    }
    FPosition = TFileHeader::Size;
    LastBlocHeader = TBlocHeader{};
}

bool TKEVFileStream::TryReadBlocHeader() {
    TBlocHeader::TImage image{};
    if (Read(image.data(), TBlocHeader::Size) != TBlocHeader::Size)
        return false;
    LastBlocHeader = TBlocHeader::Decode(image);
    return true;
}

void TKEVFileStream::ReadNextBlocHeader() {
    if (!TryReadBlocHeader())
        throw EReadError();
}

// ---- Blocks -----------------------------------------------------------------------------

bool TKEVFileStream::SearchBlocHeader(int DataType, int DataNumber) {
    const auto numbers = pHeaderMap.find(DataType);
    if (numbers == pHeaderMap.end())
        return false;
    const auto offset = numbers->second.find(DataNumber);
    if (offset == numbers->second.end())
        return false;
    FPosition = offset->second;
    ReadNextBlocHeader();
    return true;
}

int TKEVFileStream::ReadBloc(int DataType, int DataSize, TByteArray& Buffer) {
    CheckBlocSize(DataSize);
    while (LastBlocHeader.DataType != DataType) {
        if (LastBlocHeader.DataSize < 0)
            throw EReadError();
        FPosition += LastBlocHeader.DataSize;
        ReadNextBlocHeader();
    }
    if (LastBlocHeader.DataSize != DataSize)
        throw EKEVFileStreamError(SFileBlocFormatIncorrect);
    const Int64 start = FPosition;
    ReadBuffer(Buffer.data(), DataSize);
    FPosition = start;
    return LastBlocHeader.DataNumber;
}

void TKEVFileStream::WriteBloc(int DataType, int DataNumber, const TByteArray& Buffer,
                               int DataSize) {
    CheckBlocSize(DataSize);
    if (HeaderWrited) {
        FPosition = Size();
    } else {
        WriteFileHeader();
        FPosition = TFileHeader::Size;
    }
    LastBlocHeader = TBlocHeader{
        DataType, DataNumber, static_cast<std::int32_t>(FPosition + TBlocHeader::Size), DataSize};
    // The header and the data go to the file in one write.
    const TBlocHeader::TImage image = LastBlocHeader.Encode();
    std::vector<Byte> bloc(image.begin(), image.end());
    bloc.insert(bloc.end(), Buffer.begin(), Buffer.begin() + DataSize);
    WriteBuffer(bloc.data(), static_cast<int>(bloc.size()));
    FPosition -= DataSize;
}

void TKEVFileStream::ReplaceBloc(int DataType, int DataNumber, const TByteArray& Buffer,
                                 int DataSize) {
    CheckBlocSize(DataSize);
    if (LastBlocHeader.DataType != DataType || LastBlocHeader.DataNumber != DataNumber ||
        LastBlocHeader.DataSize != DataSize)
        throw EKEVFileStreamError(SFileReecriture);
    const Int64 start = FPosition;
    WriteBuffer(Buffer.data(), DataSize);
    FPosition = start;
}

} // namespace g20seq
