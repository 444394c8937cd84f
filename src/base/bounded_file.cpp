#include "base/bounded_file.h"

#include "base/texts.h"

namespace base {
namespace {

BoundedFile refused(const std::filesystem::path& path, const base::Language& language, int captionId) {
    BoundedFile file;
    file.failure = base::Message{language.text(captionId), path.string(), base::Icon::Error, captionId, 0};
    return file;
}

}  // namespace

BoundedFile readBoundedFile(const std::filesystem::path& path, const base::Language& language, std::uintmax_t limit) {
    auto read = readRegularFile(path, limit);
    if (read.tooLarge) return refused(path, language, base::text::fileTooLarge);
    if (!read.bytes) return refused(path, language, base::text::fileNotOpen);
    BoundedFile file;
    file.bytes = std::move(*read.bytes);
    return file;
}

}  // namespace base
