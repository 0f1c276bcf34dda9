// The version block: its nodes, the buffer a caller queries, and the
// queries themselves, with the text taken from UTF-16 to UTF-8.
#include <algorithm>
#include <cstring>
#include <vector>

#include "ByteOrder.h"
#include "VersionResource.h"

namespace verinfo {

namespace {

constexpr unsigned char kBufferTag[4] = {'F', 'E', '2', 'X'};

constexpr std::uint64_t Align4(std::uint64_t X) {
    return (X + 3) & ~std::uint64_t(3);
}

// One node of a version block: wLength, wValueLength, wType, a NUL-terminated
// UTF-16 key, the value and the children, each DWORD-aligned from the start
// of the block.
struct Node {
    std::uint32_t End;         // Start + wLength, clipped to the parent's end
    std::uint32_t Key;         // offset of the key's first unit
    std::uint32_t KeyUnits;    // units before the key's NUL
    std::uint32_t Value;       // offset of the value
    std::uint32_t ValueLength; // wValueLength: UTF-16 units of text, bytes of binary
    std::uint16_t Type;        // 0 = binary; 1 (or any other value) = text
    std::uint32_t Children;    // offset of the first child
    std::uint32_t Next;        // offset of the next sibling
};

// Returns the node at Start inside [Start, ParentEnd) of block B, or nullopt
// when the header does not fit, wLength is shorter than the header, or the
// key's NUL is not reached before the node ends.
std::optional<Node> ParseNode(const unsigned char* B, std::uint32_t Start,
                              std::uint32_t ParentEnd) {
    if (Start > ParentEnd || ParentEnd - Start < 6) {
        return std::nullopt;
    }
    const std::uint32_t Length = Le<2>(B + Start);
    if (Length < 6) {
        return std::nullopt;
    }
    Node N{};
    N.End = std::min(Start + Length, ParentEnd);
    N.Key = Start + 6;
    std::uint32_t P = N.Key;
    while (P + 2 <= N.End && Le<2>(B + P) != 0) {
        P += 2;
    }
    if (P + 2 > N.End) {
        return std::nullopt;
    }
    N.KeyUnits = (P - N.Key) / 2;
    N.Value = static_cast<std::uint32_t>(Align4(P + 2));
    N.ValueLength = Le<2>(B + Start + 2);
    N.Type = Le<2>(B + Start + 4);
    N.Children =
        static_cast<std::uint32_t>(Align4(N.Value + N.ValueLength * (N.Type != 0 ? 2u : 1u)));
    N.Next = static_cast<std::uint32_t>(Start + Align4(Length));
    return N;
}

// Decodes UTF-8 text into UTF-16 units; a malformed byte becomes U+FFFD.
std::vector<std::uint16_t> Utf8ToUtf16(const char* Text, std::size_t Size) {
    std::vector<std::uint16_t> Out;
    const auto* S = reinterpret_cast<const unsigned char*>(Text);
    std::size_t I = 0;
    while (I < Size) {
        const unsigned char C = S[I];
        std::uint32_t Cp = 0xFFFD;
        std::size_t Extra = 0;
        std::uint32_t Min = 0;
        if (C < 0x80) {
            Cp = C;
        } else if ((C & 0xE0) == 0xC0) {
            Cp = C & 0x1Fu, Extra = 1, Min = 0x80;
        } else if ((C & 0xF0) == 0xE0) {
            Cp = C & 0x0Fu, Extra = 2, Min = 0x800;
        } else if ((C & 0xF8) == 0xF0) {
            Cp = C & 0x07u, Extra = 3, Min = 0x10000;
        }
        std::size_t J = 1;
        for (; J <= Extra; ++J) {
            if (I + J >= Size || (S[I + J] & 0xC0) != 0x80) {
                break;
            }
            Cp = Cp << 6 | (S[I + J] & 0x3Fu);
        }
        if (J <= Extra ||
            (Extra > 0 && (Cp < Min || Cp > 0x10FFFF || (Cp >= 0xD800 && Cp < 0xE000)))) {
            Cp = 0xFFFD;
        }
        I += J;
        if (Cp >= 0x10000) {
            Cp -= 0x10000;
            Out.push_back(static_cast<std::uint16_t>(0xD800 | Cp >> 10));
            Out.push_back(static_cast<std::uint16_t>(0xDC00 | (Cp & 0x3FF)));
        } else {
            Out.push_back(static_cast<std::uint16_t>(Cp));
        }
    }
    return Out;
}

constexpr std::uint16_t FoldAscii(std::uint16_t U) {
    return (U >= 'a' && U <= 'z') ? static_cast<std::uint16_t>(U - 'a' + 'A') : U;
}

bool KeyMatches(const unsigned char* B, const Node& N, const std::vector<std::uint16_t>& Part) {
    if (N.KeyUnits != Part.size()) {
        return false;
    }
    for (std::uint32_t I = 0; I < N.KeyUnits; ++I) {
        if (FoldAscii(Le<2>(B + N.Key + 2 * I)) != FoldAscii(Part[I])) {
            return false;
        }
    }
    return true;
}

// Writes the UTF-8 form of code point Cp at Out if it fits before End.
// Returns the number of bytes written, 0 when it doesn't fit.
std::size_t PutUtf8(std::uint32_t Cp, unsigned char* Out, const unsigned char* End) {
    unsigned char Tmp[4];
    std::size_t N = 0;
    if (Cp < 0x80) {
        Tmp[N++] = static_cast<unsigned char>(Cp);
    } else if (Cp < 0x800) {
        Tmp[N++] = static_cast<unsigned char>(0xC0 | Cp >> 6);
        Tmp[N++] = static_cast<unsigned char>(0x80 | (Cp & 0x3F));
    } else if (Cp < 0x10000) {
        Tmp[N++] = static_cast<unsigned char>(0xE0 | Cp >> 12);
        Tmp[N++] = static_cast<unsigned char>(0x80 | (Cp >> 6 & 0x3F));
        Tmp[N++] = static_cast<unsigned char>(0x80 | (Cp & 0x3F));
    } else {
        Tmp[N++] = static_cast<unsigned char>(0xF0 | Cp >> 18);
        Tmp[N++] = static_cast<unsigned char>(0x80 | (Cp >> 12 & 0x3F));
        Tmp[N++] = static_cast<unsigned char>(0x80 | (Cp >> 6 & 0x3F));
        Tmp[N++] = static_cast<unsigned char>(0x80 | (Cp & 0x3F));
    }
    if (End - Out < static_cast<std::ptrdiff_t>(N)) {
        return 0;
    }
    std::memcpy(Out, Tmp, N);
    return N;
}

} // namespace

// ---------------------------------------------------------------------------
// The buffer

std::uint32_t VersionBufferSize(std::uint64_t BlockSize, std::uint16_t RootLength) {
    const std::uint64_t Length = std::min<std::uint64_t>(BlockSize, RootLength);
    if (Length < 6) {
        return 0;
    }
    return static_cast<std::uint32_t>(3 * Align4(Length) + 4);
}

std::uint32_t VersionBufferSize(std::span<const unsigned char> Block) {
    return VersionBufferSize(Block.size(), Block.size() >= 2 ? Le<2>(Block.data()) : 0);
}

bool PrepareVersionBuffer(std::span<const unsigned char> Block, void* Data, std::uint32_t Len) {
    if (Data == nullptr) {
        return false;
    }
    auto* Out = static_cast<unsigned char*>(Data);
    const std::uint16_t RootLength = Block.size() >= 2 ? Le<2>(Block.data()) : std::uint16_t{0};
    const std::uint32_t Need = VersionBufferSize(Block.size(), RootLength);
    if (Need == 0 || Len < Need) {
        if (Len >= 2) {
            Out[0] = Out[1] = 0;
        }
        return false;
    }
    const auto Length = static_cast<std::uint32_t>(std::min<std::size_t>(Block.size(), RootLength));
    const auto Aligned = static_cast<std::uint32_t>(Align4(Length));
    std::memset(Out, 0, Need);
    std::memcpy(Out, Block.data(), Length);
    Out[0] = static_cast<unsigned char>(Length & 0xFF); // the root length, clamped
    Out[1] = static_cast<unsigned char>(Length >> 8);
    std::memcpy(Out + Aligned, kBufferTag, sizeof kBufferTag);
    return true;
}

// ---------------------------------------------------------------------------
// Queries

namespace {

// Returns the child of Parent whose key is Part, or nullopt. The children
// are searched in order, as the system searches them: a length of 0 ends the
// search, and a node shorter than its own header is stepped over (its key,
// which the system reads past the node's end, is not read).
std::optional<Node> FindChild(const unsigned char* B, const Node& Parent,
                              const std::vector<std::uint16_t>& Part) {
    for (std::uint32_t Child = Parent.Children; Child + 2 <= Parent.End;) {
        const std::uint32_t ChildLength = Le<2>(B + Child);
        if (ChildLength == 0) {
            return std::nullopt;
        }
        if (ChildLength < 6) {
            Child += static_cast<std::uint32_t>(Align4(ChildLength));
            continue;
        }
        const auto N = ParseNode(B, Child, Parent.End);
        if (!N || KeyMatches(B, *N, Part)) {
            return N;
        }
        Child = N->Next;
    }
    return std::nullopt;
}

// Returns the node that SubBlock names in the block of Length bytes at B
// (parts separated by "\", empty parts skipped), or nullopt.
std::optional<Node> FindPath(const unsigned char* B, std::uint32_t Length, const char* SubBlock) {
    auto Current = ParseNode(B, 0, Length);
    for (const char* P = SubBlock ? SubBlock : ""; Current && *P;) {
        if (*P == '\\') {
            ++P;
            continue;
        }
        const std::size_t PartSize = std::strcspn(P, "\\");
        Current = FindChild(B, *Current, Utf8ToUtf16(P, PartSize));
        P += PartSize;
    }
    return Current;
}

// Writes the text of node N as UTF-8 at Dest, NUL-terminated, stopping
// before End (which leaves room for the NUL): the UTF-16 units up to the
// first NUL, the stored length or the node's end, whichever comes first, a
// lone surrogate as U+FFFD. Returns the bytes written, plus 1 when the text
// ended in a NUL.
unsigned CopyTextAsUtf8(const unsigned char* B, const Node& N, unsigned char* Dest,
                        const unsigned char* End) {
    unsigned char* Out = Dest;
    bool NulFound = false;
    std::uint32_t Q = N.Value;
    const std::uint32_t TextEnd = std::min(N.End, N.Value + 2 * N.ValueLength);
    while (Q + 2 <= TextEnd) {
        std::uint32_t Cp = Le<2>(B + Q);
        Q += 2;
        if (Cp == 0) {
            NulFound = true;
            break;
        }
        if (Cp >= 0xD800 && Cp < 0xDC00 && Q + 2 <= TextEnd) {
            const std::uint32_t Low = Le<2>(B + Q);
            if (Low >= 0xDC00 && Low < 0xE000) {
                Cp = 0x10000 + ((Cp - 0xD800) << 10) + (Low - 0xDC00);
                Q += 2;
            }
        }
        if (Cp >= 0xD800 && Cp < 0xE000) { // a lone surrogate
            Cp = 0xFFFD;
        }
        const std::size_t Written = PutUtf8(Cp, Out, End);
        if (Written == 0) {
            break;
        }
        Out += Written;
    }
    *Out = 0;
    return static_cast<unsigned>(Out - Dest) + (NulFound ? 1u : 0u);
}

} // namespace

bool QueryVersionValue(void* Buffer, const char* SubBlock, void** Value, unsigned* Len) {
    auto* B = static_cast<unsigned char*>(Buffer);
    const std::uint32_t Length = B ? Le<2>(B) : 0;
    const auto Aligned = static_cast<std::uint32_t>(Align4(Length));
    // A prepared buffer holds a root node and the tag after the block.
    const auto Found = Length >= 6 && std::memcmp(B + Aligned, kBufferTag, sizeof kBufferTag) == 0
                           ? FindPath(B, Length, SubBlock)
                           : std::nullopt;
    if (!Found) {
        if (Len) {
            *Len = 0;
        }
        return false;
    }
    const Node& N = *Found;
    if (N.Type == 0) {
        if (Value) {
            *Value = B + N.Value;
        }
        if (Len) {
            *Len = N.Value <= N.End ? std::min(N.ValueLength, N.End - N.Value) : 0;
        }
        return true;
    }
    // Text goes to the copy area, at 3/2 of its offset in the block.
    unsigned char* const Dest = B + Aligned + 4 + N.Value / 2 * 3;
    const unsigned Written = CopyTextAsUtf8(B, N, Dest, B + 3 * Aligned + 4 - 1);
    if (Value) {
        *Value = Dest;
    }
    if (Len) {
        *Len = Written;
    }
    return true;
}

} // namespace verinfo
