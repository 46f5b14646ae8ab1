#pragma once
// Scratch folders for tests: fresh per object, named by process so parallel
// test programs never meet, removed with their contents at the end.
#include <filesystem>
#include <string>

class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& tag = "scratch");
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return root; }
    // The path of name below the folder (nothing is created).
    std::string File(const std::string& name) const;
    // Writes text to a file below the folder, with its parents, and returns its path.
    std::string Write(const std::string& relative, const std::string& text) const;
    // Removes everything below the folder, keeping the folder itself.
    void Empty() const;

private:
    std::filesystem::path root;
};

// A scratch folder that stands in for the user data folder (TESSALUNE_DATA_DIR)
// while it lives; the previous value comes back afterwards.
class ScratchUserFolder : public ScratchFolder {
public:
    ScratchUserFolder();
    ~ScratchUserFolder();

private:
    bool hadOld = false;
    std::string oldValue;
};

// A whole file's bytes ("" when it cannot be read), and a file made of bytes.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
