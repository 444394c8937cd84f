#pragma once
// Rule assignment from text, as `ctabber-cli casm-assign` takes it:
// FIELD=VALUE pairs with FIELD one of ntr, ntt, highkey, lowlimit,
// highlimit, rtr, notemute, chordmute, autostart, root, type, and VALUE as
// the `casm` command prints it (a name, a note such as "C5", "None" for an
// unmuted mask, "Yes" for AutoStart) or a number (decimal, or hexadecimal
// after "0x"; for the mutes the mask with note or chord type n as bit n).
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "casm/assign.h"

namespace casm {

struct AssignRequest {
    // The rule values by kind: a name stands for a value in the kind that
    // has it (Ctab "Fixed" is 1, Ctb2 "Root Fixed" is 1), a number in both.
    std::array<RuleAssignment, 2> byKind = kindAssignments();
    std::optional<std::uint8_t> root, type;
    // Pairs whose name only one kind has: the entries of `kind` keep that field.
    struct Skipped {
        TableKind kind;
        std::string pair;
    };
    std::vector<Skipped> skipped;

    bool empty() const;

private:
    static std::array<RuleAssignment, 2> kindAssignments() {
        std::array<RuleAssignment, 2> a;
        a[1].kind = TableKind::Ctb2;
        return a;
    }
};

// Adds one FIELD=VALUE pair; the reason when it is refused.
std::optional<std::string> addAssignField(AssignRequest& request, std::string_view pair);
// The zone of Ctb2 entries the rules go to: "low", "middle" or "high"
// (all three when not given); the reason when refused.
std::optional<std::string> setAssignZone(AssignRequest& request, std::string_view zone);

// The note a text names: a key and an octave 0 to 10 ("C5" is 60, as the
// grid shows it), or a number 0 to 127.
std::optional<std::uint8_t> noteFromText(std::string_view text);

// Applies the request to every entry of the group, as the assignment dialog
// and the chord root and type dialogs do. Returns the number of entries
// whose bytes changed.
int applyAssignRequest(std::vector<Entry>& entries, const Group& group, const AssignRequest& request);

}  // namespace casm
