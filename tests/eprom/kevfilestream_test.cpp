#include "eprom/CalculCRC16.h"
#include "eprom/KEVCustomFileStream.h"

#include "support/EpromTestKit.h"
#include "support/TypeZones.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>
#include <string>

using namespace g20seq;
using namespace g20seq::testkit;

namespace {

constexpr Word fmShared = fmOpenRead | fmShareDenyNone; // the EPROM's mode, 0x40

class KEVFileStreamTest : public ::testing::Test {
protected:
    void Write(const TBytes& bytes) const { WriteBytes(Path, bytes); }
    TBytes Contents() const { return ReadBytes(Path); }
    std::string OpenError(Word Mode = fmShared, bool TestIdentification = false) const {
        return ErrorOf([&] { TKevCustomFileStream(Path, Mode, TestIdentification); });
    }
    // Vector with the header changed by Change and its checksum recomputed.
    TBytes WithHeader(const std::function<void(TFileHeader&)>& Change) const {
        TFileHeader::TImage image;
        std::copy_n(Vector.begin(), TFileHeader::Size, image.begin());
        TFileHeader header = TFileHeader::Decode(image);
        Change(header);
        header.HeaderCRC16 = header.ComputeCRC();
        image = header.Encode();
        TBytes bytes = Vector;
        std::copy(image.begin(), image.end(), bytes.begin());
        return bytes;
    }

    TScratchDir Scratch;
    const std::string Dir = Scratch.Dir().string();
    const std::string Path = Scratch.Path("image.kev");
    const TBytes Vector = ReadHexVector("zonefile_two_blocks.hex");
};

} // namespace

TEST(CalculCRC16, IsTheModbusChecksum) {
    const std::string check = "123456789";
    const TBytes digits(check.begin(), check.end());
    EXPECT_EQ(CalculCRC16(digits), 0x4B37);
    EXPECT_EQ(CalculCRC16({}), 0xFFFF);
    EXPECT_EQ(CalculCRC16(TBytes{0x00}), 0x40BF);
    EXPECT_EQ(CalculCRC16(std::span(digits).subspan(4), CalculCRC16(std::span(digits).first(4))),
              0x4B37);
}

TEST_F(KEVFileStreamTest, NewStreamWritesTheVectorByteForByteAndReadsItBack) {
    {
        TKevCustomFileStream stream(Path, fmCreate, true);
        EXPECT_FALSE(stream.GetHeaderWrited());
        stream.SetIdentification("GA_Line3_Robot2");
        stream.WriteZone(PrcConfiguration, 0, ToPayload(TBytes{0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F}),
                         6);
        stream.WriteZone(PrcProgrammes, 12, ToPayload(TBytes{0xFF, 0x00, 0x80}), 3);
        EXPECT_EQ(stream.GetLastBlocHeader().DataPosition, 322);
    }
    EXPECT_EQ(Contents(), Vector);

    TKevCustomFileStream stream(Path, fmShared, false);
    EXPECT_EQ(stream.GetIdentification(), "GA_Line3");
    EXPECT_EQ(stream.GetFileHeader().ClassNameText(), "TKevCustomFileStream");
    EXPECT_TRUE(stream.IsOpen(Path));
    EXPECT_FALSE(stream.IsOpen(Dir + "/IMAGE.kev"));
    TByteArray buffer{};
    EXPECT_TRUE(stream.ReadZone(PrcProgrammes, 12, buffer, 3));
    EXPECT_EQ(TBytes(buffer.begin(), buffer.begin() + 3), (TBytes{0xFF, 0x00, 0x80}));
    EXPECT_TRUE(stream.ReadZone(PrcConfiguration, 0, buffer, 6));
    EXPECT_EQ(buffer[5], 0x0F);
    EXPECT_FALSE(stream.ReadZone(PrcProgrammes, 11, buffer, 3));
    EXPECT_FALSE(stream.ReadZone(PrcElectrodes, 0, buffer, 3));
}

TEST_F(KEVFileStreamTest, EveryHeaderByteIsCheckedInOrder) {
    for (int offset = 0; offset < TFileHeader::Size; ++offset) {
        TBytes bytes = Vector;
        bytes[offset] ^= 0x5A;
        Write(bytes);
        const char* expected = offset >= 4 && offset < 8
                                   ? "#TKEVFileStream#ReadFileHeader1#Format non géré "
                               : offset >= 8 && offset < 16
                                   ? "#TKEVFileStream#Données incorrectes"
                                   : "#TKEVFileStream#ReadFileHeader2#Somme de contrôle incorrecte";
        EXPECT_EQ(OpenError(), expected) << "offset " << offset;
    }
}

TEST_F(KEVFileStreamTest, ConsistentHeadersAreStillCheckedForVersionSizesAndClass) {
    Write(WithHeader([](TFileHeader& h) { h.FileSpecVersion = 2; }));
    EXPECT_EQ(OpenError(), SFileFormatNonGere);
    Write(WithHeader([](TFileHeader& h) { h.BlocHeaderSize = 17; }));
    EXPECT_EQ(OpenError(), SFileDonneesIncorrectes);
    Write(WithHeader([](TFileHeader& h) { h.FileType = 7; }));
    EXPECT_EQ(OpenError(), "");
    Write({});
    EXPECT_EQ(OpenError(), SFileFormatNonGere);

    TKEVFileStream(Path, fmCreate, true).SetIdentification("Ligne_été_2");
    EXPECT_EQ(OpenError(fmShared, false), "#TKEVFileStream#ReadFileHeader3#Fichier incompatible");
    EXPECT_EQ(TKevCustomFileStream(Path, fmShared, true).GetIdentification(), "Ligne_ét");
    EXPECT_EQ(ErrorOf([&] { TKEVFileStream(Path, fmShared, false); }), "");
}

// A file made of empty block headers (a hostile file, or a sparse one full of zeros) is
// indexed up to the cap and refused beyond it.
TEST_F(KEVFileStreamTest, AFileOfMoreBlocksThanTheCapIsRefused) {
    TKevCustomFileStream(Path, fmCreate, true).SetIdentification("GA_Blocs");
    TBytes bytes = Contents();
    for (int numero = 0; numero <= TKEVFileStream::MaxBlocs; ++numero) {
        const TBlocHeader bloc{PrcProgrammes, numero, static_cast<std::int32_t>(bytes.size()), 0};
        const TBlocHeader::TImage image = bloc.Encode();
        bytes.insert(bytes.end(), image.begin(), image.end());
    }
    Write(bytes);
    EXPECT_EQ(OpenError(fmShared, true), SFileTropDeBlocs);
    bytes.resize(bytes.size() - TBlocHeader::Size);
    Write(bytes);
    EXPECT_EQ(OpenError(fmShared, true), "");
}

TEST_F(KEVFileStreamTest, FirstOfTwoBlocksIsReadAndRewritten) {
    {
        TKevCustomFileStream stream(Path, fmCreate, true);
        stream.WriteZone(PrcProgrammes, 1, ToPayload(TBytes{0x11, 0x11}), 2);
        stream.WriteZone(PrcProgrammes, 1, ToPayload(TBytes{0x22, 0x22}), 2);
    }
    TKevCustomFileStream stream(Path, fmOpenReadWrite | fmShareDenyWrite, true);
    TByteArray buffer{};
    ASSERT_TRUE(stream.ReadZone(PrcProgrammes, 1, buffer, 2));
    EXPECT_EQ(buffer[0], 0x11);
    EXPECT_TRUE(stream.ReplaceZone(PrcProgrammes, 1, ToPayload(TBytes{0x33, 0x44}), 2));
    const TBytes bytes = Contents();
    ASSERT_EQ(bytes.size(), 284u + 2 * 18);
    EXPECT_EQ(TBytes(bytes.begin() + 300, bytes.begin() + 302), (TBytes{0x33, 0x44}));
    EXPECT_EQ(TBytes(bytes.begin() + 318, bytes.end()), (TBytes{0x22, 0x22}));

    EXPECT_EQ(ErrorOf([&] { stream.ReadZone(PrcProgrammes, 1, buffer, 3); }),
              "#TKEVFileStream#ReadBloc1#Format incorrect");
    EXPECT_EQ(ErrorOf([&] { stream.ReplaceZone(PrcProgrammes, 1, buffer, 1); }),
              "#TKEVFileStream#ReplaceBloc1#Erreur réécriture : Mauvaise position dans le fichier");
    EXPECT_THROW(stream.WriteZone(PrcProgrammes, 2, buffer, MaxBuffer + 1), ERangeError);
    EXPECT_EQ(Contents(), bytes);
}

TEST_F(KEVFileStreamTest, HeaderOnlyFileHasNoBlocksAndReplaceLogsTheMiss) {
    FakeDataProxy proxy;
    Write(TBytes(Vector.begin(), Vector.begin() + TFileHeader::Size));
    TKevCustomFileStream stream(Path, fmOpenReadWrite | fmShareExclusive, true);
    EXPECT_TRUE(stream.GetHeaderMap().empty());
    TByteArray buffer{};
    EXPECT_FALSE(stream.ReadZone(PrcProgrammes, 12, buffer, 3));
    EXPECT_FALSE(stream.ReplaceZone(PrcProgrammes, 12, buffer, 3));
    EXPECT_EQ(LogLines(proxy),
              std::vector<std::string>{"ReplaceZone|SearchBlocHeader|Pas trouver Zone = "
                                       "PrcProgrammes, Numero = 12, BufferSize = 3|2|Eprom"});
    EXPECT_EQ(Contents().size(), 284u);
}

TEST_F(KEVFileStreamTest, TruncatedTailsAndAppendedBlocks) {
    TByteArray buffer{};
    Write(TBytes(Vector.begin(), Vector.end() - 1)); // last block's data cut short
    {
        TKevCustomFileStream stream(Path, fmShared, true);
        EXPECT_TRUE(stream.ReadZone(PrcConfiguration, 0, buffer, 6));
        EXPECT_THROW(stream.ReadZone(PrcProgrammes, 12, buffer, 3), EReadError);
    }
    Write(TBytes(Vector.begin(), Vector.begin() + 306 + 10)); // last block header cut short
    {
        TKevCustomFileStream stream(Path, fmShared, true);
        EXPECT_FALSE(stream.ReadZone(PrcProgrammes, 12, buffer, 3));
        EXPECT_EQ(stream.GetHeaderMap().size(), 1u);
    }
    Write(Vector);
    {
        TKevCustomFileStream stream(Path, fmOpenReadWrite, true);
        stream.WriteZone(PrcCompteurs, 3, ToPayload(TBytes{0x99}), 1);
        EXPECT_FALSE(stream.ReadZone(PrcCompteurs, 3, buffer, 1));
    }
    TKevCustomFileStream stream(Path, fmShared, true);
    EXPECT_TRUE(stream.ReadZone(PrcCompteurs, 3, buffer, 1));
    EXPECT_EQ(buffer[0], 0x99);
    EXPECT_EQ(stream.Size(), 325 + 17);
}

TEST_F(KEVFileStreamTest, SharingFollowsTheOpenMode) {
    Write(Vector);
    {
        TKevCustomFileStream reader(Path, fmShared, true);
        EXPECT_EQ(OpenError(fmShared), "");
        EXPECT_EQ(OpenError(fmOpenReadWrite | fmShareDenyNone), "");
        EXPECT_EQ(OpenError(fmOpenReadWrite | fmShareExclusive),
                  "Cannot open file \"" + Path + "\". Sharing violation");
        EXPECT_EQ(OpenError(fmOpenRead | fmShareDenyWrite), "");
        EXPECT_THROW(TKevCustomFileStream(Path, fmCreate, true), EFCreateError);
    }
    EXPECT_EQ(Contents(), Vector);
    {
        TKevCustomFileStream writer(Path, fmOpenReadWrite | fmShareDenyWrite, true);
        EXPECT_EQ(OpenError(fmShared), "");
        EXPECT_THROW(TKevCustomFileStream(Path, fmOpenReadWrite | fmShareDenyNone, true),
                     EFOpenError);
    }
    EXPECT_EQ(OpenError(fmOpenReadWrite | fmShareExclusive), "");
    EXPECT_EQ(ErrorOf([&] { TKevCustomFileStream(Dir + "/none", fmShared, true); }),
              "Cannot open file \"" + Dir + "/none\". No such file or directory");
    // Only regular files hold zones: a directory or a pipe is refused at once, never waited on.
    EXPECT_EQ(ErrorOf([&] { TKevCustomFileStream(Dir, fmShared, true); }),
              "Cannot open file \"" + Dir + "\". Is a directory");
    const std::string pipe = Dir + "/pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const Word mode : {fmShared, Word(fmOpenReadWrite | fmShareDenyWrite)})
        EXPECT_EQ(ErrorOf([&] { TKevCustomFileStream(pipe, mode, true); }),
                  "Cannot open file \"" + pipe + "\". Not a regular file");
}
