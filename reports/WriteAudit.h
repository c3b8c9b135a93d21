#pragma once

#include "reports/RoundAudit.h"

#include <iosfwd>
#include <vector>

// Writes the audit: one line per event, round by round, each beginning "round <n>: "; then a
// table with one row per round and a total row.
void WriteAudit(std::ostream& stream, const CVantor& tournament,
                const std::vector<CRoundAudit>& audits);
