#include "ztui/propertypanel/PropertyGroupMemory.h"

#include "platform/base/AtomicFile.h"
#include "platform/base/Encoding.h"
#include "platform/base/WString.h"
#include "platform/host/KmFile.h"

#include <json/reader.h>
#include <json/writer.h>

#include <cstdio>
#include <memory>
#include <new>

namespace zt {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsValidUtf8(const std::string& text)
{
    return zt::base::WideToUtf8(zt::base::Utf8ToWide(text)) == text;
}

// Only true, false and null mean something in the memory; a key that is not text the panel
// could have written can never be asked for.
Json::Value Sanitised(const Json::Value& parsed)
{
    Json::Value memory(Json::objectValue);
    if (!parsed.isObject())
        return memory;
    for (auto it = parsed.begin(); it != parsed.end(); ++it) {
        if (!it->isBool() && !it->isNull())
            continue;
        std::string key = it.name();
        if (IsValidUtf8(key))
            memory[key] = *it;
    }
    return memory;
}

// The memory of a read that ran out of memory: an empty object, or, when not even that can be
// had, null, which every caller already takes for "no memory".
Json::Value EmptyMemory() noexcept
{
    try {
        return Json::Value(Json::objectValue);
    } catch (const std::bad_alloc&) {
        return Json::Value();
    }
}

struct FileCloser
{
    void operator()(std::FILE* f) const { std::fclose(f); }
};

} // namespace

std::wstring PropertyGroupMemory::FolderPath()
{
    return zt::base::FormatWide(L"%s\\%s\\", km::KmFile::getAppdataPath().c_str(), kFolder);
}

std::wstring PropertyGroupMemory::FilePath()
{
    return zt::base::FormatWide(L"%s\\%s\\%s", km::KmFile::getAppdataPath().c_str(), kFolder,
                                kFileName);
}

Json::Value PropertyGroupMemory::Parse(std::string_view bytes)
try {
    if (bytes.size() > kMaxFileBytes)
        return Json::Value(Json::objectValue);
    if (bytes.starts_with(kByteOrderMark))
        bytes.remove_prefix(kByteOrderMark.size());
    Json::CharReaderBuilder builder;
    builder["collectComments"] = false;
    builder["failIfExtra"] = true;
    builder["rejectDupKeys"] = false;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value parsed;
    std::string errors;
    try {
        if (!reader->parse(bytes.data(), bytes.data() + bytes.size(), &parsed, &errors))
            return Json::Value(Json::objectValue);
    } catch (const std::exception&) {
        // The reader throws on some malformed input (a nesting too deep); that is no memory.
        return Json::Value(Json::objectValue);
    }
    return Sanitised(parsed);
} catch (const std::bad_alloc&) {
    return EmptyMemory();
}

std::string PropertyGroupMemory::Serialize(const Json::Value& memory)
{
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    builder["emitUTF8"] = true;
    return Json::writeString(builder, memory.isObject() ? memory : Json::Value(Json::objectValue)) +
           "\n";
}

Json::Value PropertyGroupMemory::Load(const std::wstring& path)
try {
    std::string native = km::KmFile::toNativePath(path.c_str());
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(native.c_str(), "rb"));
    if (!file)
        return Json::Value();
    // Reading stops as soon as the file is known to be too large for a memory.
    std::string bytes;
    char buffer[8192];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        bytes.append(buffer, n);
        if (bytes.size() > kMaxFileBytes)
            return Json::Value(Json::objectValue);
    }
    if (std::ferror(file.get()))
        return Json::Value(Json::objectValue);
    return Parse(bytes);
} catch (const std::bad_alloc&) {
    return EmptyMemory();
}

bool PropertyGroupMemory::Save(const std::wstring& path, const Json::Value& memory)
{
    // The wide form of the folder call: a narrow path would lose what the code page lacks.
    km::KmFile::createFileCatalogs(path.c_str());
    km::KmFile::removeReadonlyAttr(path.c_str());
    std::string native = km::KmFile::toNativePath(path.c_str());
    // A writer killed before its rename left its temporary file; the next writer clears it up.
    zt::RemoveStaleTemporaries(native);
    return zt::WriteFileAtomically(native, Serialize(memory), zt::AtomicFolder::MustExist);
}

} // namespace zt
