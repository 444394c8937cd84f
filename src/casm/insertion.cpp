#include "casm/insertion.h"

#include <algorithm>
#include <string>
#include <unordered_map>

namespace casm {
namespace {

base::Message refusal(const base::Language& language, std::string text) {
    return {language.text(91, "Attention..."), std::move(text), base::Icon::Warning, 91, 0};
}

}  // namespace

std::optional<base::Message> kindRefusal(const std::vector<Entry>& list, std::span<const Entry> incoming,
                                        const base::Language& language) {
    std::unordered_map<std::string, TableKind> sections;
    bool has[2] = {false, false};
    for (const Entry& e : list) {
        sections.emplace(e.section, e.kind());
        has[static_cast<int>(e.kind())] = true;
    }
    for (const Entry& e : incoming) {
        const TableKind kind = e.kind();
        const TableKind other = kind == TableKind::Ctab ? TableKind::Ctb2 : TableKind::Ctab;
        if (!list.empty() && !has[static_cast<int>(kind)])
            return refusal(language, "The CASM section holds " + std::string(kindLabel(other)) + " entries only; " +
                                         std::string(kindLabel(kind)) + " entries cannot go into it.");
        const auto [at, added] = sections.emplace(e.section, kind);
        if (!added && at->second != kind)
            return refusal(language, "Section \"" + e.section + "\" holds " + std::string(kindLabel(other)) +
                                         " entries; " + std::string(kindLabel(kind)) + " entries cannot go into it.");
    }
    return std::nullopt;
}

}  // namespace casm
