#include "cli/names_options.h"

#include "document/name_sources.h"

namespace cli {

document::NameSources nameSourcesFor(const Args& args, const base::Workspace& workspace) {
    const auto ins = args.option("ins");
    return document::nameSources(workspace, ins ? std::filesystem::path(*ins) : document::insFileSetting(workspace));
}

}  // namespace cli
