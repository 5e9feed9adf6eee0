#pragma once

#include <filesystem>
#include <string>

// A fresh temporary folder for one test, removed with its content at the end of the test.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder &) = delete;
    TestFolder &operator=(const TestFolder &) = delete;

    const std::filesystem::path &path() const { return m_path; }
    // The folder as a program folder: ending with a separator.
    std::string programFolder() const { return m_path.string() + "/"; }
    std::filesystem::path file(const std::string &name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

// Bytes of a file, or empty when it cannot be read.
std::string readBytes(const std::filesystem::path &file);
void writeBytes(const std::filesystem::path &file, const std::string &bytes);
