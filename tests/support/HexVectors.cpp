#include "support/HexVectors.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace g20seq::testkit {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper >= 'A' && upper <= 'F' ? upper - 'A' + 10 : -1;
}

} // namespace

std::string TestDataPath(const std::string& Name) {
    return std::string(G20SEQ_TEST_DATA_DIR) + "/" + Name;
}

TBytes ReadHexVector(const std::string& Name) {
    std::ifstream in(TestDataPath(Name));
    if (!in)
        throw std::runtime_error("missing test vector " + Name);
    TBytes bytes;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line.substr(0, line.find('#')));
        for (std::string word; words >> word;) {
            if (word.size() != 2 || HexDigit(word[0]) < 0 || HexDigit(word[1]) < 0)
                throw std::runtime_error("bad byte '" + word + "' in test vector " + Name);
            bytes.push_back(static_cast<Byte>(HexDigit(word[0]) * 16 + HexDigit(word[1])));
        }
    }
    return bytes;
}

std::string ToHex(std::span<const Byte> Bytes) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string text;
    for (Byte b : Bytes) {
        if (!text.empty())
            text += ' ';
        text += Digits[b >> 4];
        text += Digits[b & 0x0F];
    }
    return text;
}

TByteArray ToPayload(std::span<const Byte> Bytes) {
    TByteArray trame{};
    std::copy_n(Bytes.begin(), std::min<std::size_t>(Bytes.size(), trame.size()), trame.begin());
    return trame;
}

TBytes FromPayload(const TByteArray& Trame, int First, int Count) {
    return TBytes(Trame.begin() + First, Trame.begin() + First + Count);
}

} // namespace g20seq::testkit
