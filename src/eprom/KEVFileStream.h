#pragma once

#include "support/ByteArray.h"
#include "support/Exceptions.h"
#include "support/G20SeqExport.h"
#include "support/Object.h"
#include "support/Types.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>

namespace g20seq {

class TFichierES;

// Open modes of file streams: an access (low bits) combined with a sharing rule (bits 4 to
// 6), or the creation mode, which creates the file (or empties an existing one) for
// reading and writing. The sharing rule says what other streams may do with the file
// while this one is open.
inline constexpr Word fmCreate = 0xFF00;
inline constexpr Word fmOpenRead = 0x0000;
inline constexpr Word fmOpenWrite = 0x0001;
inline constexpr Word fmOpenReadWrite = 0x0002;
inline constexpr Word fmShareCompat = 0x0000;
inline constexpr Word fmShareExclusive = 0x0010;
inline constexpr Word fmShareDenyWrite = 0x0020;
inline constexpr Word fmShareDenyRead = 0x0030;
inline constexpr Word fmShareDenyNone = 0x0040;

// Errors of zone files. The texts are the system's own messages.
inline constexpr const char* SFileFormatNonGere =
    "#TKEVFileStream#ReadFileHeader1#Format non géré ";
inline constexpr const char* SFileDonneesIncorrectes = "#TKEVFileStream#Données incorrectes";
inline constexpr const char* SFileSommeControle =
    "#TKEVFileStream#ReadFileHeader2#Somme de contrôle incorrecte";
inline constexpr const char* SFileIncompatible =
    "#TKEVFileStream#ReadFileHeader3#Fichier incompatible";
inline constexpr const char* SFileBlocFormatIncorrect =
    "#TKEVFileStream#ReadBloc1#Format incorrect";
inline constexpr const char* SFileTropDeBlocs = "#TKEVFileStream#IndexBlocs#Trop de blocs";
inline constexpr const char* SFileReecriture =
    "#TKEVFileStream#ReplaceBloc1#Erreur réécriture : Mauvaise position dans le fichier";

// Messages of the stream runtime.
inline constexpr const char* SReadError = "Stream read error";
inline constexpr const char* SWriteError = "Stream write error";
inline constexpr const char* SFOpenErrorEx = "Cannot open file \"%s\". %s";
inline constexpr const char* SFCreateErrorEx = "Cannot create file \"%s\". %s";
inline constexpr const char* SSharingViolation = "Sharing violation";
// The reason given when a zone file names a pipe, a device or a socket.
inline constexpr const char* SNotRegularFile = "Not a regular file";
inline constexpr const char* SInvalidFileMode = "Invalid file mode";

// A malformed zone file: wrong header, wrong block size, wrong rewrite position.
class G20SEQ_EXPORT EKEVFileStreamError : public Exception {
public:
    using Exception::Exception;
};

// Failures of the file itself: it cannot be opened or created (missing, refused by the
// sharing rules of streams already open on it), or a read or write did not move all bytes.
class G20SEQ_EXPORT EStreamError : public Exception {
public:
    using Exception::Exception;
};
class G20SEQ_EXPORT EFOpenError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class G20SEQ_EXPORT EFCreateError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class G20SEQ_EXPORT EReadError : public EStreamError {
public:
    EReadError() : EStreamError(SReadError) {}
};
class G20SEQ_EXPORT EWriteError : public EStreamError {
public:
    EWriteError() : EStreamError(SWriteError) {}
};

// The 284-byte header at the start of every zone file, little-endian on disk. The two
// short strings keep their whole capacity: the bytes after the last character stay what
// they were when the header was read (zero in a new stream).
struct TFileHeader {
    static constexpr int Size = 284;
    static constexpr int CRCOffset = 282; // the checksum covers bytes 0 to 281
    static constexpr std::int32_t SpecVersion = 1;
    static constexpr int ClassNameCapacity = 255;
    static constexpr int IdentificationCapacity = 8;

    using TImage = std::array<Byte, Size>;

    std::int32_t FileType = 0;
    std::int32_t FileSpecVersion = 0;
    std::int32_t FileHeaderSize = 0;
    std::int32_t BlocHeaderSize = 0;
    std::array<Byte, ClassNameCapacity + 1> ClassName{}; // length byte, then characters
    std::array<Byte, IdentificationCapacity + 1> Identification{};
    Byte Alignment = 0;
    Word HeaderCRC16 = 0;

    TImage Encode() const;
    static TFileHeader Decode(const TImage& Image);
    // Checksum of the first 282 bytes of the encoded header.
    Word ComputeCRC() const;
    // The short strings as UTF-8 text (a length byte beyond the capacity is clamped).
    std::string ClassNameText() const;
    std::string IdentificationText() const;
};

// The 16-byte header of a block: zone type, zone number, absolute offset of the data
// (block header offset + 16) and number of data bytes. "None" is type -1, the rest zero.
struct TBlocHeader {
    static constexpr int Size = 16;

    using TImage = std::array<Byte, Size>;

    std::int32_t DataType = -1;
    std::int32_t DataNumber = 0;
    std::int32_t DataPosition = 0;
    std::int32_t DataSize = 0;

    TImage Encode() const;
    static TBlocHeader Decode(const TImage& Image);
};

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

// Zone type -> (zone number -> offset of the block header): the first block of each pair.
using THeaderMap = std::map<int, std::map<int, Int64>>;

// A zone file: the header, the index of its blocks and the raw block operations. Blocks
// never move or change size; new blocks are appended at the end and are found by look-ups
// only once the file has been opened again. Not thread-safe: the zone-level operations of
// TKevCustomFileStream serialise access.
class G20SEQ_EXPORT TKEVFileStream : public TObject {
public:
    static constexpr const char* StreamClassName = "TKEVFileStream";
    // Block headers a file may hold: far more than the zones of any station (an AC image
    // holds 425), few enough that a damaged or hostile file cannot make the index grow
    // without bound nor the scan read a huge file header by header.
    static constexpr int MaxBlocs = 65536;

    // Opens Name with Mode (fmCreate creates it). Unless creating, reads and checks the
    // header (the stored class name must equal this stream's class name when
    // TestIdentification is false) and indexes the blocks. Raises EFOpenError /
    // EFCreateError when the file cannot be opened, EKEVFileStreamError for a bad header.
    TKEVFileStream(const std::string& Name, Word Mode, bool TestIdentification);
    ~TKEVFileStream() override;
    TKEVFileStream(const TKEVFileStream&) = delete;
    TKEVFileStream& operator=(const TKEVFileStream&) = delete;

    std::string ClassName() const override;

    const std::string& GetFileName() const { return FileName; }
    // Whether the stream was opened with exactly this name (case-sensitive).
    bool IsOpen(const std::string& Name) const;
    Word GetFileMode() const { return FileMode; }
    bool GetHeaderWrited() const { return HeaderWrited; }
    const TFileHeader& GetFileHeader() const { return FileHeader; }
    const TBlocHeader& GetLastBlocHeader() const { return LastBlocHeader; }
    const THeaderMap& GetHeaderMap() const { return pHeaderMap; }

    // Stores at most 8 characters of Identif in the header and writes the header at once.
    void SetIdentification(const std::string& Identif);
    std::string GetIdentification() const;

    // Byte stream over the file.
    Int64 Seek(Int64 Offset, TSeekOrigin Origin);
    Int64 Position() const { return FPosition; }
    Int64 Size() const;
    // Reads up to Count bytes; answers the number read (fewer at the end of the file).
    int Read(void* Buffer, int Count);
    // Reads or writes exactly Count bytes, else EReadError / EWriteError.
    void ReadBuffer(void* Buffer, int Count);
    void WriteBuffer(const void* Buffer, int Count);
    // Forces the written bytes to the disk.
    void Flush();

    // Raw block operations. Sizes lie within 0..32768 (else ERangeError).
    void WriteFileHeader();
    // Positions the stream on the data of the first block of the pair; false if absent.
    bool SearchBlocHeader(int DataType, int DataNumber);
    // After a search: reads DataSize bytes of the block's data, answers its zone number.
    int ReadBloc(int DataType, int DataSize, TByteArray& Buffer);
    // Appends a block (writing the header first in a new file).
    void WriteBloc(int DataType, int DataNumber, const TByteArray& Buffer, int DataSize);
    // After a search: rewrites the found block's data in place.
    void ReplaceBloc(int DataType, int DataNumber, const TByteArray& Buffer, int DataSize);

protected:
    // Subclasses pass their own class name: it is the one the header check compares.
    TKEVFileStream(const std::string& Name, Word Mode, bool TestIdentification,
                   const std::string& ExpectedClassName);

private:
    void OpenFile(Word Mode);
    void ReadFileHeader(bool TestIdentification, const std::string& ExpectedClassName);
    void IndexBlocs();
    bool TryReadBlocHeader();
    void ReadNextBlocHeader();

    std::string FileName;
    Word FileMode = 0;
    bool HeaderWrited = false;
    TFileHeader FileHeader;
    TBlocHeader LastBlocHeader;
    THeaderMap pHeaderMap;
    // The file calls of this stream: the access installed when it was opened.
    TFichierES* FAcces;
    int FHandle = -1;
    Int64 FPosition = 0;
};

} // namespace g20seq
