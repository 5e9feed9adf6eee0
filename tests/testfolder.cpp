#include "testfolder.h"

#include <fstream>
#include <iterator>
#include <random>

TestFolder::TestFolder()
{
    std::random_device device;
    const auto base = std::filesystem::temp_directory_path();
    do {
        m_path = base / ("mirazol-test-" + std::to_string(device()));
    } while (!std::filesystem::create_directory(m_path));
}

TestFolder::~TestFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string readBytes(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::filesystem::path &file, const std::string &bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}
