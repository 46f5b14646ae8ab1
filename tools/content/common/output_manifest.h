#pragma once
// The list of files a generator wrote, one path a line relative to the stage
// root ("data/fonts/desyrel18.fnt"). The build packs what the manifests name,
// and the content tests read them, so no list of file names is kept twice.
#include <filesystem>
#include <string>
#include <vector>

class OutputManifest {
public:
    OutputManifest() = default;
    OutputManifest(std::filesystem::path file, std::filesystem::path root);

    // Takes "--manifest <file> <root>" from the front of the arguments, if
    // there, so the rest reads as if it had never been given.
    static OutputManifest TakeFromArguments(int& argc, char** argv);

    // Records a written file; a path outside the root is a mistake reported on Save.
    void Add(const std::filesystem::path& written);
    // Writes the list (a no-op without a file); false on failure.
    bool Save() const;

private:
    std::filesystem::path file;
    std::filesystem::path root;
    std::vector<std::string> lines;
    bool outside = false;
};

// A manifest's lines; empty when it cannot be read.
std::vector<std::string> ReadOutputManifest(const std::filesystem::path& file);
