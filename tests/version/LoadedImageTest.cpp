// The walk over the notes of a loaded image (the running program's own),
// on crafted program headers over a memory that counts what is read from it.
#include "ImageFormats.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "Fixtures.h"

namespace {

using Bytes = std::vector<unsigned char>;
using verinfo::LoadedSegment;

constexpr std::uint32_t kLoad = verinfo::kProgramLoad;
constexpr std::uint32_t kNote = verinfo::kProgramNote;
constexpr std::uint32_t kRead = verinfo::kReadable;
constexpr std::uint64_t kBase = 0x400000;
constexpr std::uint64_t kMiB = std::uint64_t(1) << 20;

// A little-endian note: owner, type and descriptor, padded to 4.
Bytes Note(const std::string& Owner, std::uint32_t Type, const Bytes& Desc) {
    Bytes N;
    const auto Put32 = [&N](std::uint64_t V) {
        for (int I = 0; I < 4; ++I, V >>= 8) {
            N.push_back(static_cast<unsigned char>(V & 0xFF));
        }
    };
    Put32(Owner.size() + 1);
    Put32(Desc.size());
    Put32(Type);
    N.insert(N.end(), Owner.begin(), Owner.end());
    N.resize((N.size() + 1 + 3) / 4 * 4);
    N.insert(N.end(), Desc.begin(), Desc.end());
    N.resize((N.size() + 3) / 4 * 4);
    return N;
}

// Memory as a loaded image holds it, its offsets being addresses: zeros,
// except for Content at At. A read outside the Mapped ranges fails. Counts
// the bytes it is asked for.
class CraftedMemory final : public verinfo::ByteSource {
public:
    struct Range {
        std::uint64_t Start, Size;
    };
    CraftedMemory(std::vector<Range> Ranges, std::uint64_t ContentAt, Bytes ContentBytes)
        : Mapped(std::move(Ranges)), At(ContentAt), Content(std::move(ContentBytes)) {}

    std::uint64_t Size() const override { return ~std::uint64_t(0); }
    bool ReadAt(std::uint64_t Offset, void* Dest, std::size_t Count) const override {
        Asked += Count;
        bool Inside = false;
        for (const Range& R : Mapped) {
            Inside = Inside ||
                     (Offset >= R.Start && Count <= R.Size && Offset - R.Start <= R.Size - Count);
        }
        if (!Inside) {
            return false;
        }
        auto* Out = static_cast<unsigned char*>(Dest);
        std::memset(Out, 0, Count);
        for (std::size_t I = 0; I < Content.size(); ++I) {
            if (At + I >= Offset && At + I - Offset < Count) {
                Out[At + I - Offset] = Content[I];
            }
        }
        return true;
    }
    mutable std::uint64_t Asked = 0;

private:
    std::vector<Range> Mapped;
    std::uint64_t At;
    Bytes Content;
};

} // namespace

TEST(LoadedImage, ReadsTheVersionNoteOnlyWhereItIsLoadedAndWithinBounds) {
    const Bytes Block = fixtures::ReadBytes(fixtures::Path("complete.bin"));
    ASSERT_GT(Block.size(), 100u);
    const Bytes Version = Note("Morvane", 16, Block);
    const std::uint64_t Size = Version.size();
    // The notes a linker puts before it, then the version note.
    Bytes Notes = Note("GNU", 3, Bytes(20, 0xAB));
    Notes.insert(Notes.end(), Version.begin(), Version.end());
    const std::uint64_t NotesAt = kBase + 0x300;

    struct Row {
        const char* Name;
        std::vector<LoadedSegment> Segments;
        std::vector<CraftedMemory::Range> Mapped;
        bool Found;
        std::uint64_t MostRead;
    };
    const LoadedSegment Text{kLoad, kRead, kBase, 0x10000, 0x10000, 0x1000};
    const LoadedSegment NoteSegment{kNote, kRead, NotesAt, Notes.size(), Notes.size(), 4};
    const std::vector<CraftedMemory::Range> TextMapped = {{kBase, 0x10000}};
    // 64 MiB of zeros in a segment the file fills: a walk over every 12-byte
    // empty note would take 5.6 million steps.
    const std::uint64_t Huge = 64 * kMiB;
    const LoadedSegment HugeLoad{kLoad, kRead, kBase, Huge, Huge, 0x1000};
    const LoadedSegment HugeNote{kNote, kRead, kBase + 0x10000, Huge - 0x10000, Huge - 0x10000, 4};
    const std::vector<CraftedMemory::Range> HugeMapped = {{kBase, Huge}};

    std::vector<LoadedSegment> NineNotes(9, LoadedSegment{kNote, kRead, kBase + 0x100, 12, 12, 4});
    NineNotes.insert(NineNotes.begin(), Text);
    NineNotes.back() = NoteSegment;

    const Row Rows[] = {
        {"the note segment inside a loaded one",
         {Text, NoteSegment},
         TextMapped,
         true,
         Notes.size() + Size},
        {"only the version note's segment among others",
         {Text, {kNote, kRead, kBase + 0x200, 12, 12, 4}, NoteSegment},
         TextMapped,
         true,
         12 + Notes.size() + Size},
        {"a note segment outside every loaded segment",
         {Text, {kNote, kRead, kBase + 0x20000, Notes.size(), Notes.size(), 4}},
         TextMapped,
         false,
         0},
        {"a loaded segment that may not be read",
         {{kLoad, 0, kBase, 0x10000, 0x10000, 0x1000}, NoteSegment},
         TextMapped,
         false,
         0},
        {"the note segment the ninth of nine", NineNotes, TextMapped, false, 8 * 12},
        {"the note segment where its loaded segment's file bytes have ended",
         {{kLoad, kRead, kBase, 0x300, 0x10000, 0x1000}, NoteSegment},
         TextMapped,
         false,
         0},
        {"the note segment in pages the file does not hold",
         {Text, NoteSegment},
         {{kBase, 0x300}},
         false,
         Notes.size()},
        {"a note segment of 64 MiB of zeros", {HugeLoad, HugeNote}, HugeMapped, false, 4 * kMiB},
        {"the version note after a note segment of 64 MiB of zeros",
         {HugeLoad, HugeNote, {kNote, kRead, NotesAt, Notes.size(), Notes.size(), 4}},
         HugeMapped,
         true,
         Notes.size() + Size},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        const CraftedMemory Memory(R.Mapped, NotesAt, Notes);
        const Bytes Got = verinfo::FindLoadedVersionNote(R.Segments, Memory, false);
        EXPECT_EQ(Got, R.Found ? Block : Bytes());
        EXPECT_LE(Memory.Asked, R.MostRead);
    }
}
