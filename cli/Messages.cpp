#include "Messages.h"

void AppendFilled(std::string& Out, std::string_view Text,
                  std::initializer_list<std::string_view> Args) {
    // The text between the markers is copied a run at a time.
    std::size_t Copied = 0; // the start of the text not yet copied
    for (std::size_t I = Text.find('%'); I != std::string_view::npos; I = Text.find('%', I + 1)) {
        const std::size_t N = I + 1 < Text.size() ? static_cast<std::size_t>(Text[I + 1] - '1') : 9;
        if (N >= Args.size())
            continue;
        Out.append(Text, Copied, I - Copied);
        Out += Args.begin()[N];
        Copied = I + 2;
        ++I;
    }
    Out.append(Text, Copied);
}

std::string Fill(std::string_view Text, std::initializer_list<std::string_view> Args) {
    std::string Out;
    AppendFilled(Out, Text, Args);
    return Out;
}
