// The contracts of the version functions: GetFileVersionInfoSizeA,
// GetFileVersionInfoA and VerQueryValueA (portable layer, named in full:
// in a Windows build the plain names are the system's), on the version
// block of fixtures/complete.rc and on variants of it patched the way other
// resource compilers write their blocks.
#include "VersionInfoApi.h"
#include "VersionResource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "Fixtures.h"

namespace {

namespace portable = verinfo::portable;

using Bytes = std::vector<unsigned char>;

// Offset of the node whose key is Key (ASCII), found by its UTF-16LE bytes.
std::size_t NodeOffset(const Bytes& Block, const std::string& Key) {
    Bytes Wide;
    for (char C : Key) {
        Wide.push_back(static_cast<unsigned char>(C));
        Wide.push_back(0);
    }
    Wide.insert(Wide.end(), {0, 0});
    const auto It = std::search(Block.begin(), Block.end(), Wide.begin(), Wide.end());
    EXPECT_NE(It, Block.end()) << Key;
    return static_cast<std::size_t>(It - Block.begin()) - 6;
}

void Put16(Bytes& B, std::size_t Off, unsigned V) {
    B[Off] = static_cast<unsigned char>(V & 0xFF);
    B[Off + 1] = static_cast<unsigned char>(V >> 8);
}

struct Answer {
    std::string Text; // the value as a string (text) or raw bytes (binary)
    unsigned Len;
};

// Prepares Block as GetFileVersionInfoA would and queries Path.
std::optional<Answer> Query(const Bytes& Block, const char* Path, bool Binary = false) {
    std::vector<unsigned char> Buffer(
        verinfo::VersionBufferSize(Block.size(), Block[0] | Block[1] << 8));
    if (!verinfo::PrepareVersionBuffer(Block, Buffer.data(),
                                       static_cast<std::uint32_t>(Buffer.size()))) {
        return std::nullopt;
    }
    void* Value = nullptr;
    unsigned Len = 99;
    if (!verinfo::QueryVersionValue(Buffer.data(), Path, &Value, &Len)) {
        EXPECT_EQ(Len, 0u);
        return std::nullopt;
    }
    const char* P = static_cast<const char*>(Value);
    return Answer{Binary ? std::string(P, Len) : std::string(P), Len};
}

const Bytes& CompleteBlock() {
    static const Bytes B = fixtures::ReadBytes(fixtures::Path("complete.bin"));
    return B;
}

} // namespace

TEST(VerQueryValue, ResolvesPathsWholeAndWithoutRegardToCase) {
    struct Row {
        const char* Name;
        const char* Path;
        std::optional<std::string> Expected;
    };
    const Row Rows[] = {
        {"full path", "\\StringFileInfo\\040904E4\\CompanyName", "Fixture Works"},
        {"no leading backslash", "StringFileInfo\\040904E4\\CompanyName", "Fixture Works"},
        {"doubled and trailing backslashes", "\\\\StringFileInfo\\\\040904E4\\CompanyName\\",
         "Fixture Works"},
        {"lower-case path", "\\stringfileinfo\\040904e4\\companyname", "Fixture Works"},
        {"LegalTradeMarks meets LegalTrademarks", "\\StringFileInfo\\040904E4\\LegalTradeMarks",
         "See LICENSE"},
        {"intermediate block reads empty", "\\StringFileInfo\\040904E4", ""},
        {"a key's prefix", "\\StringFileInfo\\040904E4\\CompanyNam", std::nullopt},
        {"a longer key", "\\StringFileInfo\\040904E4\\CompanyNameX", std::nullopt},
        {"a table name's prefix", "\\StringFileInfo\\040904\\CompanyName", std::nullopt},
        {"another code page", "\\StringFileInfo\\040904B0\\CompanyName", std::nullopt},
        {"a key one level too high", "\\StringFileInfo\\CompanyName", std::nullopt},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        const auto A = Query(CompleteBlock(), R.Path);
        ASSERT_EQ(A.has_value(), R.Expected.has_value());
        if (A) {
            EXPECT_EQ(A->Text, *R.Expected);
        }
    }
}

TEST(VerQueryValue, TextComesBackAsUtf8WithItsLengthCountingTheNul) {
    const auto A = Query(CompleteBlock(), "\\StringFileInfo\\040904E4\\LegalCopyright");
    ASSERT_TRUE(A);
    EXPECT_EQ(A->Text, "Copyright \xc2\xa9 2026 Fixture Works");
    EXPECT_EQ(A->Len, A->Text.size() + 1);
}

TEST(VerQueryValue, BinaryValuesPointIntoTheBlock) {
    const auto Root = Query(CompleteBlock(), "\\", true);
    ASSERT_TRUE(Root);
    ASSERT_EQ(Root->Len, 52u); // VS_FIXEDFILEINFO
    const std::string Signature = "\xbd\x04\xef\xfe";
    const std::string FileVersionMs = std::string("\x05\x00\x02\x00", 4); // 2.5
    EXPECT_EQ(Root->Text.substr(0, 4), Signature);
    EXPECT_EQ(Root->Text.substr(8, 4), FileVersionMs);
    const auto Empty = Query(CompleteBlock(), "", true);
    ASSERT_TRUE(Empty);
    EXPECT_EQ(Empty->Text, Root->Text);

    const auto Translation = Query(CompleteBlock(), "\\VarFileInfo\\Translation", true);
    ASSERT_TRUE(Translation);
    EXPECT_EQ(Translation->Text, std::string("\x09\x04\xe4\x04", 4));
}

// What other producers write, and what reads back.
TEST(VerQueryValue, ReadsTextUpToItsNulItsLengthOrTheNodeEnd) {
    struct Row {
        const char* Name;
        void (*Patch)(Bytes&, std::size_t Node); // Node: the CompanyName node
        std::string Text;
        unsigned Len;
    };
    const Row Rows[] = {
        {"as llvm-rc writes it", [](Bytes&, std::size_t) {}, "Fixture Works", 14},
        {"value length in bytes", [](Bytes& B, std::size_t N) { Put16(B, N + 2, 28); },
         "Fixture Works", 14},
        {"value length past the node", [](Bytes& B, std::size_t N) { Put16(B, N + 2, 0xFFFF); },
         "Fixture Works", 14},
        {"value length 0: no data", [](Bytes& B, std::size_t N) { Put16(B, N + 2, 0); }, "", 0},
        {"value length shorter than the text", [](Bytes& B, std::size_t N) { Put16(B, N + 2, 3); },
         "Fix", 3},
        {"type 2 reads as text", [](Bytes& B, std::size_t N) { Put16(B, N + 4, 2); },
         "Fixture Works", 14},
        {"a lone NUL", [](Bytes& B, std::size_t N) { Put16(B, N + 32, 0); }, "", 1},
        {"no NUL before the node end",
         [](Bytes& B, std::size_t N) { Put16(B, N + (B[N] | B[N + 1] << 8) - 2, 'X'); },
         "Fixture WorksX", 14},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        Bytes Block = CompleteBlock();
        R.Patch(Block, NodeOffset(Block, "CompanyName"));
        const auto A = Query(Block, "\\StringFileInfo\\040904E4\\CompanyName");
        ASSERT_TRUE(A);
        EXPECT_EQ(A->Text, R.Text);
        EXPECT_EQ(A->Len, R.Len);
        // The next value is still found.
        EXPECT_TRUE(Query(Block, "\\StringFileInfo\\040904E4\\LegalTrademarks"));
    }
}

TEST(VerQueryValue, AFailedQueryLeavesTheValuePointerAlone) {
    std::vector<char> Buffer(verinfo::VersionBufferSize(CompleteBlock().size(), 0xFFFF));
    ASSERT_TRUE(verinfo::PrepareVersionBuffer(CompleteBlock(), Buffer.data(),
                                              static_cast<std::uint32_t>(Buffer.size())));
    char Marker = 0;
    void* Value = &Marker;
    VerUint Len = 5;
    EXPECT_FALSE(portable::VerQueryValueA(Buffer.data(), "\\StringFileInfo\\040904E4\\Nothing",
                                          &Value, &Len));
    EXPECT_EQ(Value, &Marker);
    EXPECT_EQ(Len, 0u);
    EXPECT_FALSE(portable::VerQueryValueA(nullptr, "\\", &Value, &Len));
}

TEST(GetFileVersionInfo, NeedsTheSizeItWasGiven) {
    const std::string File = fixtures::Path("complete_pe64.dll");
    VerDword Handle = 7;
    const VerDword Size = portable::GetFileVersionInfoSizeA(File.c_str(), &Handle);
    EXPECT_EQ(Handle, 0u);
    // Three times the block rounded up to 4, plus the tag.
    EXPECT_EQ(Size, 3 * ((CompleteBlock().size() + 3) / 4 * 4) + 4);

    std::vector<char> Short(Size - 1, 'x');
    EXPECT_FALSE(portable::GetFileVersionInfoA(File.c_str(), 0, Size - 1, Short.data()));
    void* Value = nullptr;
    VerUint Len = 0;
    EXPECT_FALSE(portable::VerQueryValueA(Short.data(), "\\", &Value, &Len));

    std::vector<char> Exact(Size, 'x');
    ASSERT_TRUE(portable::GetFileVersionInfoA(File.c_str(), 0, Size, Exact.data()));
    ASSERT_TRUE(portable::VerQueryValueA(Exact.data(), "\\StringFileInfo\\040904E4\\ProductName",
                                         &Value, &Len));
    EXPECT_STREQ(static_cast<const char*>(Value), "Fixture Product");
}

TEST(GetFileVersionInfo, SizeIsZeroWithoutVersionInformation) {
    struct Row {
        const char* Name;
        const char* File;
    };
    const Row Rows[] = {
        {"missing file", MORVANE_FIXTURE_DIR "/missing.dll"},
        {"no resources", MORVANE_FIXTURE_DIR "/none_pe64.dll"},
        {"empty name", ""},
        {"null name", nullptr},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        EXPECT_EQ(portable::GetFileVersionInfoSizeA(R.File, nullptr), 0u);
        char Buffer[64] = {};
        EXPECT_FALSE(portable::GetFileVersionInfoA(R.File, 0, sizeof Buffer, Buffer));
    }
}

// What morvane-verinfo says of a file it can't read.
TEST(FileSource, SaysWhyAFileCannotBeRead) {
    struct Row {
        const char* Name;
        std::string File;
        const char* Failure;
    };
    const std::string Directory = MORVANE_FIXTURE_DIR;
    const Row Rows[] = {
        {"a missing file", fixtures::Path("missing.dll"), "No such file or directory"},
        {"a directory", Directory, "Is a directory"},
        {"a directory named with a trailing slash", Directory + "/", "Is a directory"},
#ifdef _WIN32
        {"a directory named with a trailing backslash", Directory + "\\", "Is a directory"},
        {"a missing directory named with a trailing backslash", Directory + "\\missing\\",
         "No such file or directory"},
#endif
        {"a missing directory named with a trailing slash", Directory + "/missing/",
         "No such file or directory"},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        const verinfo::FileSource Source(R.File);
        EXPECT_FALSE(Source.IsOpen());
        EXPECT_EQ(Source.Failure(), R.Failure);
    }
}
