#include "names/name_sources.h"

#include "app/profile.h"

namespace names {

document::NameSources nameSources(const app::Workspace& workspace, const std::filesystem::path& insFile) {
    return nameSources(std::make_shared<InstrumentDefinitions>(insFile),
                       std::make_shared<const SysexDescriptions>(
                           SysexDescriptions::fromFile(workspace.file(app::files::xgSystem))));
}

document::NameSources nameSources(std::shared_ptr<InstrumentDefinitions> definitions,
                                  std::shared_ptr<const SysexDescriptions> descriptions) {
    document::NameSources sources;
    sources.patchName = [definitions = std::move(definitions)](int bank, int program) {
        return definitions->patchName(bank, program);
    };
    sources.sysexDescription = [descriptions = std::move(descriptions)](std::span<const std::uint8_t> data) {
        return descriptions->describe(data);
    };
    return sources;
}

std::filesystem::path insFileSetting(const app::Workspace& workspace) {
    return app::readProfileString(workspace.settings(), "Main", "InsFile", "");
}

}  // namespace names
