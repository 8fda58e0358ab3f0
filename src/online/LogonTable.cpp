#include "online/LogonTable.h"

#include <array>
#include <vector>

namespace ostrel {
namespace {

constexpr int S = kStepLoggedOn;
constexpr int F = kStepRefused;

// Command kinds: 0 USER user, 1 PASS password, 2 ACCT account, 3 USER fwuser,
// 4 PASS fwpassword, 5 SITE host, 6 USER user@host, 7 OPEN host,
// 8 USER fwuser@host, 9 USER user@host fwuser, 10 USER user@fwuser@host,
// 11 PASS password@fwpassword.
const std::array<std::vector<int>, kLogonTypeCount> kRows = {{
    {0, S, 3, 1, S, 6, 2, S, F},
    {3, 6, 3, 4, 6, F, 5, F, 9, 0, S, 12, 1, S, 15, 2, S, F},
    {3, 6, 3, 4, 6, F, 6, S, 9, 1, S, 12, 2, S, F},
    {7, 3, 3, 0, S, 6, 1, S, 9, 2, S, F},
    {3, 6, 3, 4, 6, F, 0, S, 9, 1, S, 12, 2, S, F},
    {6, S, 3, 1, S, 6, 2, S, F},
    {8, 6, 3, 4, 6, F, 0, S, 9, 1, S, 12, 2, S, F},
    {9, F, 3, 1, S, 6, 2, S, F},
    {10, S, 3, 11, S, 6, 2, S, F},
}};

}  // namespace

std::optional<LogonStep> logonStep(int logonType, int index) {
  if (logonType < 0 || logonType >= kLogonTypeCount) return std::nullopt;
  const std::vector<int>& row = kRows[static_cast<std::size_t>(logonType)];
  if (index < 0 || index % 3 != 0 || static_cast<std::size_t>(index) + 3 > row.size()) return std::nullopt;
  const auto at = static_cast<std::size_t>(index);
  return LogonStep{row[at], row[at + 1], row[at + 2]};
}

std::string logonCommand(int kind, const LogonParams& p, const std::string& hostText) {
  switch (kind) {
    case 0: return "USER " + p.user;
    case 1: return "PASS " + p.password;
    case 2: return "ACCT " + p.account;
    case 3: return "USER " + p.fwuser;
    case 4: return "PASS " + p.fwpassword;
    case 5: return "SITE " + hostText;
    case 6: return "USER " + p.user + "@" + hostText;
    case 7: return "OPEN " + hostText;
    case 8: return "USER " + p.fwuser + "@" + hostText;
    case 9: return "USER " + p.user + "@" + hostText + " " + p.fwuser;
    case 10: return "USER " + p.user + "@" + p.fwuser + "@" + hostText;
    case 11: return "PASS " + p.password + "@" + p.fwpassword;
    default: return {};
  }
}

}  // namespace ostrel
