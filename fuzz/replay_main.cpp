// Runs a fuzz target over saved inputs without the fuzzing engine, so that the corpus can be
// replayed as an ordinary test: every file of the folders (or every file) given as arguments is
// handed to the target once. Fails when an argument does not exist or no input was found.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

int main(int argc, char **argv)
{
    std::vector<std::filesystem::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path argument = argv[i];
        if (std::filesystem::is_directory(argument)) {
            for (const auto &entry : std::filesystem::directory_iterator(argument)) {
                if (entry.is_regular_file())
                    inputs.push_back(entry.path());
            }
        } else if (std::filesystem::is_regular_file(argument)) {
            inputs.push_back(argument);
        } else {
            std::cerr << "no such input: " << argument << '\n';
            return 1;
        }
    }
    // A fixed order makes a failing input easy to find again.
    std::sort(inputs.begin(), inputs.end());
    for (const auto &input : inputs) {
        std::ifstream in(input, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>()};
        std::cout << "replaying " << input.string() << '\n' << std::flush;
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
    }
    std::cout << inputs.size() << " inputs replayed\n";
    return inputs.empty() ? 1 : 0;
}
