#include <iostream>

#include "base/bounded_file.h"
#include "base/texts.h"
#include "cli/commands.h"
#include "tools/compare.h"
#include "tools/hex_dump.h"

namespace cli {
namespace {

// The file's bytes, or its refusal on stderr and the exit status: a file that
// cannot be opened is a usage error, one too large the program's own failure.
std::optional<base::Bytes> readOrReport(const std::string& path, int& status) {
    auto file = base::readBoundedFile(path, base::builtinLanguage());
    if (!file.failure) return std::move(file.bytes);
    printMessage(false, file.failure->caption, file.failure->text);
    status = file.failure->captionId == base::text::fileTooLarge ? kFailed : kUsage;
    return std::nullopt;
}

int hexdump(const Args& args) {
    if (args.positional.size() != 1) return kUsage;
    int status = kOk;
    const auto bytes = readOrReport(args.positional[0], status);
    if (!bytes) return status;
    // Raw bytes, as the viewer's text file holds them.
    const std::size_t lines = tools::dumpLineCount(bytes->size());
    for (std::size_t line = 0; line < lines; ++line) std::cout << tools::dumpLine(*bytes, line) << '\n';
    return kOk;
}

int compare(const Args& args) {
    if (args.positional.size() != 2) return kUsage;
    int status = kOk;
    const auto a = readOrReport(args.positional[0], status);
    if (!a) return status;
    const auto b = readOrReport(args.positional[1], status);
    if (!b) return status;
    const auto result = tools::compareBytes(*a, *b, args.positional[0], args.positional[1]);
    const std::size_t lines = tools::compareLineCount(result);
    for (std::size_t line = 0; line < lines; ++line) std::cout << tools::compareLine(result, line) << '\n';
    return kOk;
}

}  // namespace

std::vector<Command> toolsCommands() {
    return {
        {"hexdump", "FILE", hexdump},
        {"compare", "A B", compare},
    };
}

}  // namespace cli
