#pragma once
// Shared by the fuzz targets: the input served as a named file, and checks
// that stop the run with a message when a reader breaks its promise.
#include <cstddef>
#include <cstdint>
#include <string>

// Every target defines this; libFuzzer or the corpus replay calls it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

// Makes the bytes readable through the asset loaders as name (no copy: the
// bytes must outlive the reads). Names not served fall through to plain files
// of the current folder, which the fuzz runs keep empty.
void ServeFuzzFile(const std::string& name, const uint8_t* data, size_t size);

// The bytes as text, for readers that take text.
std::string FuzzText(const uint8_t* data, size_t size);

// Aborts with what failed, so the fuzzer keeps the input as a crash.
void FuzzCheckFailed(const char* what, const char* file, int line);
#define FUZZ_CHECK(condition)                                \
    do {                                                     \
        if (!(condition)) {                                  \
            FuzzCheckFailed(#condition, __FILE__, __LINE__); \
        }                                                    \
    } while (false)
