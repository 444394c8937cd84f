#include "base/bounded_file.h"

#include "base/texts.h"

namespace base {
namespace {

BoundedFile refused(const std::filesystem::path& path, const Language& language, int captionId) {
    BoundedFile file;
    file.failure = Message{language.text(captionId), path.string(), Icon::Error, captionId, 0};
    return file;
}

}  // namespace

BoundedFile readBoundedFile(const std::filesystem::path& path, const Language& language, std::uintmax_t limit) {
    auto read = readRegularFile(path, limit);
    if (read.tooLarge) return refused(path, language, text::fileTooLarge);
    if (!read.bytes) return refused(path, language, text::fileNotOpen);
    BoundedFile file;
    file.bytes = std::move(*read.bytes);
    return file;
}

}  // namespace base
