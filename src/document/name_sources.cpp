#include "document/name_sources.h"

#include "base/profile.h"

namespace document {

NameSources nameSources(const base::Workspace& workspace, const std::filesystem::path& insFile) {
    return nameSources(std::make_shared<names::InstrumentDefinitions>(insFile),
                       std::make_shared<const names::SysexDescriptions>(
                           names::SysexDescriptions::fromFile(workspace.file(base::files::xgSystem))));
}

NameSources nameSources(std::shared_ptr<names::InstrumentDefinitions> definitions,
                                  std::shared_ptr<const names::SysexDescriptions> descriptions) {
    NameSources sources;
    sources.patchName = [definitions = std::move(definitions)](int bank, int program) {
        return definitions->patchName(bank, program);
    };
    sources.sysexDescription = [descriptions = std::move(descriptions)](std::span<const std::uint8_t> data) {
        return descriptions->describe(data);
    };
    return sources;
}

std::filesystem::path insFileSetting(const base::Workspace& workspace) {
    return base::readProfileString(workspace.settings(), "Main", "InsFile", "");
}

}  // namespace document
