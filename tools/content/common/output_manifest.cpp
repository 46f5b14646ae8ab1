#include "output_manifest.h"

#include <cstdio>
#include <cstring>
#include <fstream>

namespace fs = std::filesystem;

OutputManifest::OutputManifest(fs::path file, fs::path root)
    : file(std::move(file)), root(fs::absolute(std::move(root)).lexically_normal()) {}

OutputManifest OutputManifest::TakeFromArguments(int& argc, char** argv) {
    if (argc < 4 || std::strcmp(argv[1], "--manifest") != 0) {
        return {};
    }
    OutputManifest manifest(argv[2], argv[3]);
    for (int i = 4; i <= argc; ++i) {
        argv[i - 3] = argv[i];  // argv[argc] is the terminating null
    }
    argc -= 3;
    return manifest;
}

void OutputManifest::Add(const fs::path& written) {
    const fs::path relative = fs::absolute(written).lexically_normal().lexically_relative(root);
    if (relative.empty() || *relative.begin() == "..") {
        std::fprintf(stderr, "manifest: %s is outside %s\n", written.c_str(), root.c_str());
        outside = true;
        return;
    }
    lines.push_back(relative.generic_string());
}

bool OutputManifest::Save() const {
    if (file.empty()) {
        return true;
    }
    if (outside) {
        return false;
    }
    std::error_code ignored;
    fs::create_directories(file.parent_path(), ignored);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines) {
        out << line << '\n';
    }
    out.close();
    if (!out) {
        std::fprintf(stderr, "manifest: cannot write %s\n", file.c_str());
        return false;
    }
    return true;
}

std::vector<std::string> ReadOutputManifest(const fs::path& file) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}
