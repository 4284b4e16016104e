// Any bytes as the property panel's group memory file ("PropertyGroupExtend.json"): reading it
// never fails, gives an object of booleans and nulls only, and what is written back reads as
// the same memory.

#include "ztui/propertypanel/PropertyGroupMemory.h"

#include <json/value.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckMemory(const Json::Value& memory)
{
    Check(memory.isObject());
    for (const Json::Value& value : memory)
        Check(value.isBool() || value.isNull());
}

// One file per fuzzing process, in the temporary folder, read the way the panel reads it.
const std::wstring& ScratchFile()
{
    static const std::wstring path = (std::filesystem::temp_directory_path() /
                                      ("group-memory-fuzz-" + std::to_string(::getpid()) + ".json"))
                                         .wstring();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Json::Value parsed = zt::PropertyGroupMemory::Parse(bytes);
    CheckMemory(parsed);

    std::string written = zt::PropertyGroupMemory::Serialize(parsed);
    Check(!written.empty() && written.back() == '\n');
    Check(written.find('\n') == written.size() - 1);
    Check(zt::PropertyGroupMemory::Parse(written) == parsed);

    const std::wstring& file = ScratchFile();
    if (std::FILE* f = std::fopen(std::filesystem::path(file).c_str(), "wb")) {
        if (!bytes.empty())
            std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        Json::Value loaded = zt::PropertyGroupMemory::Load(file);
        CheckMemory(loaded);
        Check(loaded == parsed);
        std::remove(std::filesystem::path(file).c_str());
    }
    return 0;
}
