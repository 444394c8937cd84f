#include "cli/names_options.h"

#include "names/name_sources.h"

namespace cli {

document::NameSources nameSourcesFor(const Args& args, const app::Workspace& workspace) {
    const auto ins = args.option("ins");
    return names::nameSources(workspace, ins ? std::filesystem::path(*ins) : names::insFileSetting(workspace));
}

}  // namespace cli
