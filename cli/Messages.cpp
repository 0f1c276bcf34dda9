#include "Messages.h"

void AppendFilled(std::string& Out, std::string_view Text,
                  std::initializer_list<std::string_view> Args) {
    for (std::size_t I = 0; I < Text.size(); ++I) {
        const std::size_t N = I + 1 < Text.size() ? static_cast<std::size_t>(Text[I + 1] - '1') : 9;
        if (Text[I] == '%' && N < Args.size()) {
            Out += Args.begin()[N];
            ++I;
        } else {
            Out += Text[I];
        }
    }
}

std::string Fill(std::string_view Text, std::initializer_list<std::string_view> Args) {
    std::string Out;
    AppendFilled(Out, Text, Args);
    return Out;
}
